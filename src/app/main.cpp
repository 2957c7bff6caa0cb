#include "brumelle_app.h"
#include "main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brumelle"));
    // The toolkit's own dialogs (files, colours) speak French as the program does.
    QTranslator toolkit;
    if (toolkit.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkit);
    brumelle::BrumelleApp program;
    brumelle::TForm1 &form = program.MainWindow();
    // Without a window manager "maximised" means nothing: take the screen's free area first.
    form.setGeometry(form.screen()->availableGeometry());
    form.showMaximized();
    return app.exec();
}
