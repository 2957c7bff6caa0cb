#pragma once
#include <functional>
#include <vector>

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QStackedWidget;

namespace brumelle {

class TPageManager;

// Stands for one page of the managed stack, so that page code hooks here
// rather than on the stack. A page's name is its widget's objectName().
// The events' flag is true for a move by the next button, false otherwise.
class TPageProxy : public QObject {
    Q_OBJECT
public:
    using PageEvent = std::function<void(bool next)>;

    // Joins the end of the manager's list; the manager owns it.
    explicit TPageProxy(TPageManager *manager);
    ~TPageProxy() override;

    const QString &PageName() const { return pageName_; }
    // A name the manager's stack does not have is refused (the name becomes
    // empty). With no stack assigned yet there is nothing to check against,
    // so the name is kept.
    void SetPageName(const QString &name);

    PageEvent OnEnter; // about to become current
    PageEvent OnLeave; // about to stop being current
    PageEvent OnShow;  // has become current
    PageEvent OnHide;  // has stopped being current

private:
    friend class TPageManager;
    TPageManager *manager_;
    QString pageName_;
};

// The last pages visited, oldest first, with the position of the current one.
class TPageHistory {
public:
    static constexpr int Capacity = 10;

    int Count() const { return static_cast<int>(items_.size()); }
    int Position() const { return position_; } // -1 when empty
    int At(int item) const { return items_.at(static_cast<std::size_t>(item)); }

    // Forgets the items after the position, drops the oldest to make room,
    // appends pageIndex and makes it the position.
    void Add(int pageIndex);
    void SetPosition(int position); // clamped to -1 .. Count() - 1
    void Delete(int item);          // out-of-range items are ignored
    void Clear();

private:
    std::vector<int> items_;
    int position_ = -1;
};

// Turns a QStackedWidget into a wizard: drives a previous and a next button,
// keeps their enabled states in step with the current page, remembers the
// pages visited and tells each page's proxy when it is left, entered, hidden
// and shown. It knows nothing of the pages' contents.
//
// Set-up: assign the stack, the buttons and the proxies while the window is
// built, then call Loaded(). Assign each button before connecting the window's
// own clicked handlers: Qt runs slots in connection order, and the page must
// have changed by the time those handlers run.
class TPageManager : public QObject {
    Q_OBJECT
public:
    using PageChoice = std::function<void(int current, int &target)>;
    using Notify = std::function<void(TPageManager *sender)>;

    explicit TPageManager(QObject *parent = nullptr);
    ~TPageManager() override;

    QStackedWidget *PageOwner() const;
    // After Loaded(), also re-synchronises the proxies with the new stack:
    // one per named page, in page order, none for pages it lacks.
    void SetPageOwner(QStackedWidget *book);

    const QList<TPageProxy *> &PageProxies() const { return proxies_; }
    TPageProxy *AddProxy(const QString &pageName);

    QAbstractButton *NextBtn() const;
    void SetNextBtn(QAbstractButton *button);
    QAbstractButton *PriorBtn() const;
    void SetPriorBtn(QAbstractButton *button);

    // Loaded() shows the first proxy's page.
    bool SetStartPage = true;
    // Would free the hidden pages' window resources after each change. Qt pages
    // are alien widgets with no native window of their own, so it changes nothing.
    bool DestroyHandles = false;
    // Previous and next walk the history instead of the page order.
    bool UseHistory = false;

    PageChoice OnGetPriorPage; // may replace the previous button's page (-1: none)
    PageChoice OnGetNextPage;  // may replace the next button's page (-1: none)
    Notify OnCheckButtons;     // after the buttons' states were updated
    Notify OnPageChanged;      // after the current page changed

    // The owning window has finished building: the buttons start moving pages.
    void Loaded();

    int CurrentIndex() const; // -1 without a stack
    int PageCount() const;
    int PriorPage(int current) const;
    int NextPage(int current) const;
    void CheckButtons();
    // What a click does: previous (false) or next (true).
    void ChangePage(bool next);
    // Moves to page target (out-of-range targets are ignored), firing the
    // proxies' events with the given flag.
    void SetPage(int target, bool next);

    const TPageHistory &History() const { return history_; }

    // Index of the page named name in book; -1 if none (or name is empty).
    static int IndexOfPage(const QStackedWidget *book, const QString &name);

private:
    enum class Direction { None, Back, Forward };
    friend class TPageProxy;

    TPageProxy *ProxyOf(int page) const;
    void Attach(QPointer<QAbstractButton> &slot, QMetaObject::Connection &link, QAbstractButton *button,
                bool next);
    void SyncProxies();

    QPointer<QStackedWidget> pageOwner_;
    QList<TPageProxy *> proxies_;
    QPointer<QAbstractButton> nextBtn_;
    QPointer<QAbstractButton> priorBtn_;
    QMetaObject::Connection nextLink_;
    QMetaObject::Connection priorLink_;
    TPageHistory history_;
    Direction direction_ = Direction::None;
    bool loaded_ = false;
};

} // namespace brumelle
