#pragma once
#include <string>
#include <utility>
#include <vector>

#include <QLineEdit>
#include <QObject>
#include <QString>

namespace brumelle {

// Edit boxes bound to the text fields of a record. An input box writes into
// its field as it changes, so the record always holds what is shown and a
// document opened while the window is hidden is not overwritten by old
// texts; Show() puts every field back into its box.
template <class Record>
class RecordBoxes {
public:
    explicit RecordBoxes(Record &record) : record_(record) {}

    void Input(QLineEdit *edit, std::string Record::*field)
    {
        QObject::connect(edit, &QLineEdit::textChanged, edit,
                         [this, field](const QString &text) { record_.*field = text.toStdString(); });
        inputs_.push_back({edit, field});
    }

    // A result box only shows its field.
    void Result(QLineEdit *edit, std::string Record::*field) { results_.push_back({edit, field}); }

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
