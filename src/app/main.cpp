#include "calculations.h"
#include "chart_printer.h"
#include "clipboard.h"
#include "evolutions_window.h"
#include "locale_separators.h"
#include "main_window.h"
#include "qt_messages.h"
#include "sizing_wizard.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brumelle"));
    brumelle::ProgramState state;
    brumelle::QtMessages messages;
    brumelle::SystemClipboard clipboard;
    brumelle::DialogChartPrinter printer(nullptr);
    brumelle::TForm1 form(state, messages, clipboard, printer);
    messages.setParent(&form);
    printer = brumelle::DialogChartPrinter(&form);
    const auto repaint = [&form] { form.RepaintChart(); };
    brumelle::Calculations calculations(state, messages, repaint, brumelle::SeparatorsOf(QLocale()));
    brumelle::TF_calcul_un_point evolutions(state, calculations.evolutions(), clipboard, repaint, &form);
    brumelle::TF_dimensionnement sizing(state, calculations.sizing(), clipboard, repaint, &form);
    form.SetEvolutionsWindow(&evolutions);
    form.SetSizingWizard(&sizing);
    // Without a window manager "maximised" means nothing: take the screen's free area first.
    form.setGeometry(form.screen()->availableGeometry());
    form.showMaximized();
    return app.exec();
}
