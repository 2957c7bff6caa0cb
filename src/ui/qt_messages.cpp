#include "ui/qt_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace brumelle {

namespace {

QString title() { return QStringLiteral("Brumelle"); }

// The program's texts break lines with a carriage return alone, which a
// label would not show as a break.
QString Shown(const std::string &text)
{
    QString t = QString::fromStdString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// Over the modal window in use when there is one, so the box never hides
// behind the dialog whose calculation shows it.
QWidget *Owner(QWidget *parent)
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal ? modal : parent;
}

void show(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const std::string &text)
{
    QMessageBox box(icon, caption, Shown(text), QMessageBox::Ok, Owner(parent));
    box.exec();
}

} // namespace

void QtMessages::information(const std::string &text) { show(parent_, QMessageBox::Information, title(), text); }

void QtMessages::message(const std::string &text) { show(parent_, QMessageBox::NoIcon, title(), text); }

void QtMessages::error(const std::string &text) { show(parent_, QMessageBox::Critical, title(), ErrorBoxText(text)); }

bool QtMessages::confirm(const std::string &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmation"), Shown(text), QMessageBox::NoButton,
                    Owner(parent_));
    QPushButton *yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

Messages::Answer QtMessages::ask(const std::string &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmation"), Shown(text), QMessageBox::NoButton,
                    Owner(parent_));
    QPushButton *yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

} // namespace brumelle
