#include "ui/calc_edit.h"

#include <cmath>

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace brumelle {

double PocketCalculator::Value() const
{
    QString t = display_;
    t.replace(decimal_, QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : 0.0;
}

QString PocketCalculator::Text(double value) const
{
    QString t = QString::number(value, 'g', 12);
    t.replace(QLatin1Char('.'), decimal_);
    return t;
}

void PocketCalculator::SetDisplay(const QString &text)
{
    display_ = text.isEmpty() ? QStringLiteral("0") : text;
    fresh_ = true;
}

void PocketCalculator::Press(const QString &key)
{
    if (key == QLatin1String("C")) {
        display_ = QStringLiteral("0");
        accumulator_ = 0;
        pending_ = QChar();
        fresh_ = true;
        return;
    }
    const QChar k = key.isEmpty() ? QChar() : key.front();
    if (k.isDigit() || k == decimal_) {
        if (fresh_)
            display_ = k == decimal_ ? QStringLiteral("0") : QString();
        if (k == decimal_ && display_.contains(decimal_))
            return;
        display_ += k;
        fresh_ = false;
        return;
    }
    // An operator or "=": apply the pending operation to what is shown.
    const double v = Value();
    double r = v;
    if (pending_ == QLatin1Char('+'))
        r = accumulator_ + v;
    else if (pending_ == QLatin1Char('-'))
        r = accumulator_ - v;
    else if (pending_ == QLatin1Char('*'))
        r = accumulator_ * v;
    else if (pending_ == QLatin1Char('/'))
        r = accumulator_ / v;
    // A division by zero or an overflow shows 0 rather than "inf".
    if (!std::isfinite(r))
        r = 0;
    accumulator_ = r;
    display_ = Text(r);
    pending_ = k == QLatin1Char('=') ? QChar() : k;
    fresh_ = true;
}

TCalcEdit::TCalcEdit(QWidget *parent)
    : QWidget(parent), edit_(new QLineEdit(this)), arrow_(new QToolButton(this)),
      panel_(new QFrame(this, Qt::Popup)), calc_(QLocale().decimalPoint().front())
{
    arrow_->setArrowType(Qt::DownArrow);
    arrow_->setFocusPolicy(Qt::NoFocus);
    connect(arrow_, &QToolButton::clicked, this, &TCalcEdit::ShowCalculator);
    // Alt+Down opens the calculator from the keyboard, as for a drop-down list.
    auto *open = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), edit_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(open, &QShortcut::activated, this, &TCalcEdit::ShowCalculator);

    panel_->setFrameShape(QFrame::Panel);
    panel_->setFrameShadow(QFrame::Raised);
    auto *grid = new QGridLayout(panel_);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setSpacing(2);
    const QString decimal = QLocale().decimalPoint();
    const QString keys[5][4] = {
        {"C", "", "", "/"}, {"7", "8", "9", "*"}, {"4", "5", "6", "-"}, {"1", "2", "3", "+"}, {"0", decimal, "=", ""},
    };
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) {
            const QString key = keys[r][c];
            if (key.isEmpty())
                continue;
            auto *b = new QPushButton(key, panel_);
            b->setFixedSize(28, 22);
            b->setFocusPolicy(Qt::NoFocus);
            b->setObjectName(QStringLiteral("key_") + key);
            connect(b, &QPushButton::clicked, this, [this, key] { Press(key); });
            grid->addWidget(b, r, c);
        }
    setFocusProxy(edit_);
    panel_->installEventFilter(this);
}

bool TCalcEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != panel_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || text == QLatin1String("=")) {
        Press(QStringLiteral("="));
        panel_->hide();
    } else if (key->key() == Qt::Key_Escape) {
        panel_->hide();
    } else if (key->key() == Qt::Key_Delete || text.compare(QLatin1String("c"), Qt::CaseInsensitive) == 0) {
        Press(QStringLiteral("C"));
    } else if (text == QLatin1String(".") || text == QLatin1String(",")) {
        Press(QLocale().decimalPoint());
    } else if (text.size() == 1 && (text.front().isDigit() || QStringLiteral("+-*/").contains(text))) {
        Press(text);
    } else {
        return QWidget::eventFilter(watched, event);
    }
    return true;
}

void TCalcEdit::resizeEvent(QResizeEvent *)
{
    const int h = height();
    edit_->setGeometry(0, 0, width() - h, h);
    arrow_->setGeometry(width() - h, 0, h, h);
}

void TCalcEdit::ShowCalculator()
{
    calc_.SetDisplay(edit_->text());
    panel_->adjustSize();
    panel_->move(mapToGlobal(QPoint(0, height())));
    panel_->show();
}

void TCalcEdit::Press(const QString &key)
{
    calc_.Press(key);
    edit_->setText(calc_.Display());
}

} // namespace brumelle
