#include "ui/multi_row_tabs.h"

#include <QButtonGroup>
#include <QKeySequence>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>

namespace brumelle {

namespace {
constexpr int kTabRowHeight = 22;
} // namespace

MultiRowTabs::MultiRowTabs(int columns, QWidget *parent)
    : QWidget(parent), columns_(columns), buttons_(new QButtonGroup(this)), pages_(new QStackedWidget(this))
{
    buttons_->setExclusive(true);
    pages_->setFrameShape(QFrame::StyledPanel);
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) { pages_->setCurrentIndex(id); });
    // The keys of any tabbed dialog: Ctrl+Tab forward, Ctrl+Shift+Tab back.
    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [this] { setCurrentIndex((currentIndex() + 1) % count()); });
    auto *previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(previous, &QShortcut::activated, this,
            [this] { setCurrentIndex((currentIndex() + count() - 1) % count()); });
}

void MultiRowTabs::addTab(QWidget *page, const QString &caption)
{
    auto *tab = new QToolButton(this);
    tab->setText(caption);
    tab->setCheckable(true);
    tab->setAutoRaise(false);
    tab->setToolButtonStyle(Qt::ToolButtonTextOnly);
    buttons_->addButton(tab, static_cast<int>(tabs_.size()));
    tabs_.push_back(tab);
    pages_->addWidget(page);
    if (tabs_.size() == 1)
        tab->setChecked(true);
}

int MultiRowTabs::count() const { return static_cast<int>(tabs_.size()); }

QString MultiRowTabs::tabText(int index) const { return tabs_.value(index) ? tabs_[index]->text() : QString(); }

int MultiRowTabs::currentIndex() const { return pages_->currentIndex(); }

QWidget *MultiRowTabs::widget(int index) const { return pages_->widget(index); }

void MultiRowTabs::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    tabs_[index]->setChecked(true);
    pages_->setCurrentIndex(index);
}

void MultiRowTabs::place(const QRect &rect)
{
    setGeometry(rect);
    const int rows = (count() + columns_ - 1) / columns_;
    const int w = rect.width() / columns_;
    for (int i = 0; i < count(); ++i) {
        const int r = i / columns_, c = i % columns_;
        const int width = c == columns_ - 1 ? rect.width() - c * w : w;
        tabs_[i]->setGeometry(c * w, r * kTabRowHeight, width, kTabRowHeight);
    }
    pages_->setGeometry(0, rows * kTabRowHeight, rect.width(), rect.height() - rows * kTabRowHeight);
}

QRect MultiRowTabs::pageRect() const { return pages_->contentsRect(); }

} // namespace brumelle
