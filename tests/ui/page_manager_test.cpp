#include <utility>

#include <QAction>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include <gtest/gtest.h>

#include "ui/page_manager.h"

using namespace brumelle;

namespace {

const QStringList kPages = {"Charges", "Conditions climatiques", "Préférences", "Résultat"};

// The sizing wizard's arrangement: four named pages and the two buttons, set up before loading.
struct Wizard {
    QWidget window;
    QStackedWidget *book = new QStackedWidget(&window);
    QPushButton *prior = new QPushButton("< Précedent", &window);
    QPushButton *next = new QPushButton("Suivant >", &window);
    TPageManager manager;
    QStringList log; // every event, as "event page flag"

    explicit Wizard(int startPage)
    {
        for (const QString &name : kPages) {
            book->addWidget(new QWidget);
            book->widget(book->count() - 1)->setObjectName(name);
        }
        book->setCurrentIndex(startPage);
        manager.SetPageOwner(book);
        manager.SetPriorBtn(prior);
        manager.SetNextBtn(next);
        manager.SetStartPage = false;
        manager.OnPageChanged = [this](TPageManager *) { log << "changed"; };
    }
    TPageProxy *Proxy(const QString &name)
    {
        TPageProxy *p = manager.AddProxy(name);
        auto rec = [this, name](QString what) {
            return [this, name, what](bool n) { log << what + ' ' + name + ' ' + QString::number(n); };
        };
        p->OnLeave = rec("leave"), p->OnEnter = rec("enter"), p->OnHide = rec("hide"), p->OnShow = rec("show");
        return p;
    }
    void Load(const QStringList &proxies = kPages)
    {
        for (const QString &name : proxies)
            Proxy(name);
        manager.Loaded();
    }
};

} // namespace

TEST(PageManager, ButtonsFollowThePagePosition)
{
    struct Case { int page; bool prior, next; };
    for (const Case c : {Case{0, false, true}, Case{1, true, true}, Case{2, true, true}, Case{3, true, false}}) {
        Wizard w(c.page);
        w.Load();
        EXPECT_EQ(std::pair(w.prior->isEnabled(), w.next->isEnabled()), std::pair(c.prior, c.next)) << c.page;
    }
    Wizard w(3);
    QToolButton tool;
    QAction action;
    tool.setDefaultAction(&action);
    w.manager.SetNextBtn(&tool);
    w.Load();
    EXPECT_FALSE(action.isEnabled()) << "a tool button is switched through its action";
}

TEST(PageManager, OpensOnTheCreationPageOrTheFirstProxysSilently)
{
    for (const bool setStartPage : {false, true}) {
        Wizard w(2);
        w.manager.SetStartPage = setStartPage;
        w.Load();
        EXPECT_EQ(w.manager.CurrentIndex(), setStartPage ? 0 : 2);
        EXPECT_EQ(w.manager.History().At(0), w.manager.CurrentIndex());
        EXPECT_TRUE(w.log.isEmpty());
    }
}

TEST(PageManager, FiresEventsInOrderWithTheButtonsFlag)
{
    Wizard w(2);
    EXPECT_TRUE(w.manager.PageProxies().isEmpty()) << "no proxies made up while the window is built";
    w.manager.OnCheckButtons = [&w](TPageManager *m) { w.log << "check " + QString::number(m->CurrentIndex()); };
    w.Load();
    w.log.clear();
    w.next->click();
    w.prior->click();
    EXPECT_EQ(w.log, QStringList({"leave Préférences 1", "enter Résultat 1", "check 3", "hide Préférences 1",
                                  "show Résultat 1", "changed", "leave Résultat 0", "enter Préférences 0", "check 2",
                                  "hide Résultat 0", "show Préférences 0", "changed"}));
    EXPECT_EQ(w.manager.History().Count(), 3) << "without history mode every move is a new visit";
}

TEST(PageManager, PagesWithoutAProxyAreSilentButReachable)
{
    Wizard w(0);
    EXPECT_EQ(w.Proxy("Inconnue")->PageName(), QString()) << "a name the stack lacks is refused";
    w.Load({"Charges", "Résultat"});
    w.book->widget(3)->setObjectName("Résultats"); // the "Résultat" proxy now matches nothing
    w.book->widget(1)->setObjectName(QString());  // nor does the refused proxy match an unnamed page
    for (int i = 0; i < 3; ++i)
        w.next->click();
    EXPECT_EQ(w.manager.CurrentIndex(), 3);
    EXPECT_EQ(w.log, QStringList({"leave Charges 1", "hide Charges 1", "changed", "changed", "changed"}));
}

TEST(PageManager, HistoryModeButtonsOnlyShiftThePosition)
{
    Wizard w(0);
    w.manager.UseHistory = true;
    w.Load();
    w.manager.SetPage(1, true);
    w.manager.SetPage(3, true);
    EXPECT_FALSE(w.next->isEnabled()) << "nothing ahead in the history yet";
    w.prior->click();
    EXPECT_TRUE(w.next->isEnabled()) << "a move back leaves a page ahead";
    w.next->click();
    EXPECT_EQ(w.manager.CurrentIndex(), 3) << "forward follows the history, skipping page 2";
    EXPECT_EQ(w.manager.History().Count(), 3);
}

TEST(PageManager, RefusedNextDisablesTheButtonAndDoesNothing)
{
    Wizard w(1);
    w.manager.UseHistory = true;
    w.manager.OnGetNextPage = [](int, int &target) { target = -1; };
    w.Load();
    EXPECT_FALSE(w.next->isEnabled());
    w.manager.ChangePage(true);
    EXPECT_EQ(w.manager.CurrentIndex(), 1);
    EXPECT_TRUE(w.log.isEmpty());
    w.manager.SetPage(2, true); // the program's own move, not the refused button move
    EXPECT_EQ(w.manager.History().Count(), 2);
}

TEST(PageManager, ButtonHandlersRunAfterTheMoveOnceLoaded)
{
    Wizard w(0);
    int seen = -1;
    QObject::connect(w.next, &QPushButton::clicked, [&] { seen = w.manager.CurrentIndex(); });
    w.next->click();
    EXPECT_EQ(seen, 0) << "clicks before Loaded() move nothing";
    w.Load();
    w.next->click();
    EXPECT_EQ(seen, 1);
}

TEST(PageManager, NewStackAfterLoadingResynchronisesProxies)
{
    TPageManager m;
    TPageProxy *last = m.AddProxy("Résultat"); // no stack yet: names are kept
    m.AddProxy("Ancienne");
    m.Loaded();
    Wizard w(1);
    m.SetPageOwner(w.book);
    QStringList names;
    for (const TPageProxy *p : m.PageProxies())
        names << p->PageName();
    EXPECT_EQ(names, kPages);
    EXPECT_EQ(m.PageProxies().last(), last);
    EXPECT_EQ(m.History().At(0), 1);
    delete w.book;
    EXPECT_EQ(m.PageOwner(), nullptr);
}

TEST(PageHistory, KeepsTenItemsAndAPositionInRange)
{
    TPageHistory h;
    for (int page = 0; page <= 10; ++page)
        h.Add(page);
    EXPECT_EQ(h.Count(), 10);
    EXPECT_EQ(h.At(0), 1) << "the eleventh drops the oldest";
    h.SetPosition(1);
    h.Add(7);
    EXPECT_EQ(QList<int>({h.Count(), h.At(2), h.Position()}), QList<int>({3, 7, 2})) << "what was ahead is gone";
    h.SetPosition(9);
    EXPECT_EQ(h.Position(), 2);
    h.Delete(3), h.Delete(-1), h.Delete(0);
    EXPECT_EQ(QList<int>({h.Count(), h.Position()}), QList<int>({2, 1})) << "pulled back to the last item";
    h.SetPosition(-5);
    EXPECT_EQ(h.Position(), -1);
}
