#include "ui/page_manager.h"

#include <algorithm>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QStackedWidget>
#include <QToolButton>

namespace brumelle {

namespace {

// Runs a copy of the handler: it may destroy the proxy that holds it.
void Fire(const TPageProxy *proxy, TPageProxy::PageEvent TPageProxy::*event, bool next)
{
    if (!proxy)
        return;
    const TPageProxy::PageEvent handler = proxy->*event;
    if (handler)
        handler(next);
}

void Enable(QAbstractButton *button, bool on)
{
    if (!button)
        return;
    // A tool button takes its enabled state from its action, so switch that.
    auto *tool = qobject_cast<QToolButton *>(button);
    if (tool && tool->defaultAction())
        tool->defaultAction()->setEnabled(on);
    else
        button->setEnabled(on);
}

} // namespace

// ---- TPageProxy ----

TPageProxy::TPageProxy(TPageManager *manager) : QObject(manager), manager_(manager)
{
    Q_ASSERT(manager);
    manager_->proxies_.append(this);
}

TPageProxy::~TPageProxy()
{
    if (manager_)
        manager_->proxies_.removeOne(this);
}

void TPageProxy::SetPageName(const QString &name)
{
    const QStackedWidget *book = manager_ ? manager_->PageOwner() : nullptr;
    pageName_ = !book || TPageManager::IndexOfPage(book, name) >= 0 ? name : QString();
}

// ---- TPageHistory ----

void TPageHistory::Add(int pageIndex)
{
    items_.resize(static_cast<std::size_t>(position_ + 1));
    while (Count() >= Capacity)
        Delete(0);
    items_.push_back(pageIndex);
    position_ = Count() - 1;
}

void TPageHistory::SetPosition(int position)
{
    position_ = std::clamp(position, -1, Count() - 1);
}

void TPageHistory::Delete(int item)
{
    if (item < 0 || item >= Count())
        return;
    items_.erase(items_.begin() + item);
    position_ = std::min(position_, Count() - 1);
}

void TPageHistory::Clear()
{
    items_.clear();
    position_ = -1;
}

// ---- TPageManager ----

TPageManager::TPageManager(QObject *parent) : QObject(parent) {}

TPageManager::~TPageManager()
{
    // The proxies go now, while the list they would leave still exists.
    const QList<TPageProxy *> proxies = std::exchange(proxies_, {});
    for (TPageProxy *proxy : proxies) {
        proxy->manager_ = nullptr;
        delete proxy;
    }
}

QStackedWidget *TPageManager::PageOwner() const
{
    return pageOwner_;
}

QAbstractButton *TPageManager::NextBtn() const
{
    return nextBtn_;
}

QAbstractButton *TPageManager::PriorBtn() const
{
    return priorBtn_;
}

void TPageManager::SetPageOwner(QStackedWidget *book)
{
    pageOwner_ = book;
    // While the window is built it names its own proxies.
    if (!loaded_ || !book)
        return;
    SyncProxies();
    if (history_.Count() == 0 && CurrentIndex() >= 0)
        history_.Add(CurrentIndex());
    CheckButtons();
}

TPageProxy *TPageManager::AddProxy(const QString &pageName)
{
    auto *proxy = new TPageProxy(this);
    proxy->SetPageName(pageName);
    return proxy;
}

void TPageManager::SetNextBtn(QAbstractButton *button)
{
    Attach(nextBtn_, nextLink_, button, true);
}

void TPageManager::SetPriorBtn(QAbstractButton *button)
{
    Attach(priorBtn_, priorLink_, button, false);
}

void TPageManager::Attach(QPointer<QAbstractButton> &slot, QMetaObject::Connection &link,
                          QAbstractButton *button, bool next)
{
    if (slot == button)
        return;
    disconnect(link);
    slot = button;
    // Connected now rather than in Loaded(), so that this slot comes before
    // the handlers the window connects while it is built; clicks before
    // Loaded() still do nothing.
    if (button)
        link = connect(button, &QAbstractButton::clicked, this, [this, next] {
            if (loaded_)
                ChangePage(next);
        });
    if (loaded_)
        CheckButtons();
}

void TPageManager::Loaded()
{
    if (loaded_)
        return;
    loaded_ = true;
    if (SetStartPage && pageOwner_ && !proxies_.isEmpty()) {
        // Nothing is left or entered yet, so no proxy events.
        const int first = IndexOfPage(pageOwner_, proxies_.first()->PageName());
        if (first >= 0)
            pageOwner_->setCurrentIndex(first);
    }
    if (history_.Count() == 0 && CurrentIndex() >= 0)
        history_.Add(CurrentIndex());
    CheckButtons();
}

int TPageManager::CurrentIndex() const
{
    return pageOwner_ ? pageOwner_->currentIndex() : -1;
}

int TPageManager::PageCount() const
{
    return pageOwner_ ? pageOwner_->count() : 0;
}

int TPageManager::PriorPage(int current) const
{
    int target;
    if (UseHistory)
        target = history_.Position() > 0 ? history_.At(history_.Position() - 1) : -1;
    else
        target = current > 0 ? current - 1 : -1;
    if (OnGetPriorPage)
        OnGetPriorPage(current, target);
    return target;
}

int TPageManager::NextPage(int current) const
{
    int target;
    if (UseHistory)
        target = history_.Position() < history_.Count() - 1 ? history_.At(history_.Position() + 1) : -1;
    else
        target = current < PageCount() - 1 ? current + 1 : -1;
    if (OnGetNextPage)
        OnGetNextPage(current, target);
    return target;
}

void TPageManager::CheckButtons()
{
    const int current = CurrentIndex();
    Enable(priorBtn_, PriorPage(current) >= 0);
    Enable(nextBtn_, NextPage(current) >= 0);
    if (OnCheckButtons)
        OnCheckButtons(this);
}

void TPageManager::ChangePage(bool next)
{
    const int current = CurrentIndex();
    const int target = next ? NextPage(current) : PriorPage(current);
    direction_ = next ? Direction::Forward : Direction::Back;
    SetPage(target, next);
}

void TPageManager::SetPage(int target, bool next)
{
    if (target < 0 || target >= PageCount()) {
        // A refused move is over too: a later SetPage() must not pass for a button move.
        direction_ = Direction::None;
        return;
    }
    const int old = CurrentIndex();
    Fire(ProxyOf(old), &TPageProxy::OnLeave, next);
    Fire(ProxyOf(target), &TPageProxy::OnEnter, next);
    if (pageOwner_)
        pageOwner_->setCurrentIndex(target);
    // DestroyHandles: nothing to free (see the header).

    // Moves by the buttons in history mode walk the history; any other move is a new visit.
    if (CurrentIndex() != old) {
        if (!UseHistory || direction_ == Direction::None)
            history_.Add(target);
        else
            history_.SetPosition(history_.Position() + (direction_ == Direction::Back ? -1 : 1));
    }
    direction_ = Direction::None;
    CheckButtons();

    // A handler of the stack may have sent it elsewhere.
    if (CurrentIndex() == target) {
        Fire(ProxyOf(old), &TPageProxy::OnHide, next);
        Fire(ProxyOf(target), &TPageProxy::OnShow, next);
        if (OnPageChanged)
            OnPageChanged(this);
    }
}

int TPageManager::IndexOfPage(const QStackedWidget *book, const QString &name)
{
    // Unnamed pages cannot be told apart, so they never match.
    if (!book || name.isEmpty())
        return -1;
    for (int page = 0; page < book->count(); ++page)
        if (book->widget(page)->objectName() == name)
            return page;
    return -1;
}

TPageProxy *TPageManager::ProxyOf(int page) const
{
    if (!pageOwner_ || page < 0 || page >= pageOwner_->count())
        return nullptr;
    const QString name = pageOwner_->widget(page)->objectName();
    if (name.isEmpty())
        return nullptr;
    for (TPageProxy *proxy : proxies_)
        if (proxy->PageName() == name)
            return proxy;
    return nullptr;
}

void TPageManager::SyncProxies()
{
    const QStackedWidget *book = pageOwner_;
    for (int page = 0; page < book->count(); ++page)
        if (!ProxyOf(page) && !book->widget(page)->objectName().isEmpty())
            AddProxy(book->widget(page)->objectName());
    for (TPageProxy *proxy : QList<TPageProxy *>(proxies_))
        if (IndexOfPage(book, proxy->PageName()) < 0)
            delete proxy;
    std::stable_sort(proxies_.begin(), proxies_.end(), [book](const TPageProxy *a, const TPageProxy *b) {
        return IndexOfPage(book, a->PageName()) < IndexOfPage(book, b->PageName());
    });
}

} // namespace brumelle
