#include "chart_printer.h"
#include "clipboard.h"
#include "evolutions_window.h"
#include "main_window.h"
#include "qt_messages.h"

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
    brumelle::TF_calcul_un_point evolutions(state, clipboard, [&form] { form.RepaintChart(); }, &form);
    form.SetEvolutionsWindow(&evolutions);
    // Without a window manager "maximised" means nothing: take the screen's free area first.
    form.setGeometry(form.screen()->availableGeometry());
    form.showMaximized();
    return app.exec();
}
