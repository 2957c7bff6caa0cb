#pragma once
#include <QDialog>
#include <QString>

class QTextBrowser;

namespace brumelle {

// Where the help is looked up: beside the program, then in the data folder
// of an installed program. Empty when it is nowhere.
QString FindHelpFile(const QString &programFolder);

// The help, shown at its contents page in a window of its own that stays
// open beside the chart.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    void ShowContents(const QString &file);
    QTextBrowser *Browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

// "A propos": the program's name, version, purpose and licence.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

} // namespace brumelle
