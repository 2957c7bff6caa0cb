#pragma once
#include "calculations.h"
#include "evolutions_window.h"
#include "locale_separators.h"
#include "main_window.h"
#include "sizing_wizard.h"
#include "support/fake_ui_ports.h"
#include "support/recording_messages.h"

#include <QApplication>
#include <QMouseEvent>

namespace brumelle::test {

// The main window shown with a plot of plotW × plotH pixels (730 × 542 by
// default), the evolutions window behind its menu, and recording ports.
struct MainWindowFixture {
    ProgramState state;
    RecordingMessages messages;
    FakeClipboard clipboard;
    FakePrinter printer;
    TForm1 form{state, messages, clipboard, printer};
    int repaints = 0; // repaints the calculations and the other windows asked for
    std::function<void()> repaint = [this] {
        ++repaints;
        form.RepaintChart();
    };
    Calculations calculations{state, messages, repaint, SeparatorsOf(QLocale())};
    TF_calcul_un_point evolutions{state, calculations.evolutions(), clipboard, repaint};
    TF_dimensionnement sizing{state, calculations.sizing(), clipboard, repaint};

    explicit MainWindowFixture(int plotW = 730, int plotH = 542)
    {
        form.SetEvolutionsWindow(&evolutions);
        form.SetSizingWizard(&sizing);
        form.show();
        form.FormActivate();
        QApplication::processEvents();
        const QSize want(plotW + 70, plotH + 40);
        form.resize(form.size() + (want - form.Chart()->size()));
        QApplication::processEvents();
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
    QImage screen() { return form.ClientImage(false); }
};

} // namespace brumelle::test
