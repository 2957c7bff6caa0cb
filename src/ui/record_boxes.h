#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QColor>
#include <QLineEdit>
#include <QObject>
#include <QPalette>
#include <QString>

#include "calculators/last_run.h"

namespace brumelle {

// Edit boxes bound to the text fields of a record. An input box writes into
// its field as it changes, so the record always holds what is shown and a
// document opened while the window is hidden is not overwritten by old
// texts; Show() puts every field back into its box.
template <class Record>
class RecordBoxes {
public:
    explicit RecordBoxes(Record &record) : record_(record) {}

    // Called after an input box wrote into the record, whoever changed it.
    std::function<void()> changed;
    // Called when the user typed into an input box.
    std::function<void()> edited;

    void Input(QLineEdit *edit, std::string Record::*field)
    {
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this, field](const QString &text) {
            record_.*field = text.toStdString();
            if (changed)
                changed();
        });
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this] {
            if (edited)
                edited();
        });
        inputs_.push_back({edit, field});
    }

    // A result box only shows its field.
    void Result(QLineEdit *edit, std::string Record::*field) { results_.push_back({edit, field}); }

    // A result box whose field no longer belongs to the inputs beside it:
    // its text greyed, the reason in its tooltip.
    void ShowOutOfDate(std::string Record::*field, bool outOfDate) const
    {
        for (const auto &[edit, f] : results_) {
            if (f != field)
                continue;
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Text, outOfDate ? QColor(128, 128, 128) : QPalette().color(QPalette::Text));
            edit->setPalette(palette);
            edit->setToolTip(outOfDate ? QString::fromUtf8(kInputsChanged) : QString());
        }
    }

    // A box that already shows its field is left as it is (cursor, selection, undo).
    void Show() const
    {
        for (const auto *boxes : {&inputs_, &results_})
            for (const auto &[edit, field] : *boxes) {
                const QString text = QString::fromStdString(record_.*field);
                if (edit->text() != text)
                    edit->setText(text);
            }
    }

private:
    Record &record_;
    std::vector<std::pair<QLineEdit *, std::string Record::*>> inputs_, results_;
};

} // namespace brumelle
