#pragma once
#include <QString>
#include <QWidget>

class QFrame;
class QLineEdit;
class QToolButton;

namespace brumelle {

// The arithmetic of a four-function pocket calculator: keys pressed one by
// one, each operator applying the pending one, "=" showing the result.
class PocketCalculator {
public:
    explicit PocketCalculator(QChar decimal = QLatin1Char(',')) : decimal_(decimal) {}
    // Digits, the decimal separator, "+", "-", "*", "/", "=", "C" (clear).
    void Press(const QString &key);
    QString Display() const { return display_; }
    // Starts from a text already in the box.
    void SetDisplay(const QString &text);

private:
    double Value() const;
    QString Text(double value) const;
    QChar decimal_;
    QString display_ = QStringLiteral("0");
    double accumulator_ = 0;
    QChar pending_;
    bool fresh_ = true; // the next digit starts a new number
};

// A numeric box with a drop-down pocket calculator: the arrow opens a panel
// of keys whose result goes into the box. The program never reads its value;
// it is there for the user's own arithmetic.
class TCalcEdit : public QWidget {
    Q_OBJECT
public:
    explicit TCalcEdit(QWidget *parent = nullptr);
    QLineEdit *Edit() const { return edit_; }
    QFrame *Panel() const { return panel_; }
    void ShowCalculator();
    void Press(const QString &key);

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Keys typed while the calculator is open press its buttons.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edit_;
    QToolButton *arrow_;
    QFrame *panel_;
    PocketCalculator calc_;
};

} // namespace brumelle
