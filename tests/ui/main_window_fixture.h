#pragma once
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "app/brumelle_app.h"
#include "support/fake_ui_ports.h"
#include "support/recording_messages.h"
#include "ui/evolutions_window.h"
#include "ui/main_window.h"
#include "ui/sizing_wizard.h"

namespace brumelle::test {

// Counts the chart's paints.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

// The whole program with recording ports and its settings file in a
// temporary folder; the main window shown with a plot of plotW × plotH
// pixels (730 × 542 by default).
struct MainWindowFixture {
    RecordingMessages messages;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeFileChooser files;
    FakeColourChooser colours;
    QTemporaryDir dir;
    BrumelleApp app{{&messages, &clipboard, &printer, &files, &colours}, dir.filePath(QStringLiteral("Brumelle.ini"))};
    ProgramState &state = app.State();
    TForm1 &form = app.MainWindow();
    TF_calcul_un_point &evolutions = app.Evolutions();
    TF_dimensionnement &sizing = app.Sizing();
    PaintCounter counter;
    int &repaints = counter.paints;

    explicit MainWindowFixture(int plotW = 730, int plotH = 542)
    {
        form.show();
        QApplication::processEvents();
        const QSize want(plotW + 70, plotH + 40);
        form.resize(form.size() + (want - form.Chart()->size()));
        QApplication::processEvents();
        form.Chart()->installEventFilter(&counter);
    }

    void mouse(QEvent::Type type, int x, int y)
    {
        const Qt::MouseButton b = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b);
        QMouseEvent e(type, QPointF(x, y), form.Chart()->mapToGlobal(QPointF(x, y)), b, held, Qt::NoModifier);
        QApplication::sendEvent(form.Chart(), &e);
    }
    void moveTo(int x, int y) { mouse(QEvent::MouseMove, x, y); }
    void drag(int x1, int y1, int x2, int y2)
    {
        mouse(QEvent::MouseButtonPress, x1, y1);
        mouse(QEvent::MouseMove, x2, y2);
        mouse(QEvent::MouseButtonRelease, x2, y2);
    }
    QImage screen() { return form.ChartImage(); }
};

} // namespace brumelle::test
