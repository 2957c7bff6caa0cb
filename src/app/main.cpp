#include "brumelle_app.h"
#include "main_window.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brumelle"));
    brumelle::BrumelleApp program;
    brumelle::TForm1 &form = program.MainWindow();
    // Without a window manager "maximised" means nothing: take the screen's free area first.
    form.setGeometry(form.screen()->availableGeometry());
    form.showMaximized();
    return app.exec();
}
