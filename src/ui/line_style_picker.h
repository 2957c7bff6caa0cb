#pragma once
#include <QDialog>

class QListWidget;
class QPushButton;

namespace brumelle {

// What the options dialog asks of the line-style picker, so that its tests
// answer without a modal window.
class LineStyleChooser {
public:
    virtual ~LineStyleChooser() = default;
    // Shows the picker modally; true when it was closed with "Ok".
    virtual bool Run() = 0;
    // The style picked at the last "Ok": 0 to 4, or -1 when nothing was selected.
    virtual int ChosenLineStyle() const = 0;
};

// "Types de lignes": the five line patterns in a list. Created once and only
// hidden between uses, so the list keeps the last pattern chosen, whichever
// family it was chosen for.
class TF_lignes : public QDialog, public LineStyleChooser {
    Q_OBJECT
public:
    explicit TF_lignes(QWidget *parent = nullptr);

    QListWidget *L_lignes = nullptr;
    QPushButton *Button1 = nullptr; // "Ok"
    QPushButton *Button2 = nullptr; // "Annuler"

    void Button1Click();

    bool Run() override;
    int ChosenLineStyle() const override { return chosen_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    int chosen_ = -1;
};

} // namespace brumelle
