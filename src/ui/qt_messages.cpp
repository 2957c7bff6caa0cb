#include "qt_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace brumelle {

namespace {

QString title() { return QStringLiteral("Brumelle"); }

void show(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const std::string &text)
{
    QMessageBox box(icon, caption, QString::fromStdString(text), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void QtMessages::information(const std::string &text) { show(parent_, QMessageBox::Information, title(), text); }

void QtMessages::message(const std::string &text) { show(parent_, QMessageBox::NoIcon, title(), text); }

void QtMessages::error(const std::string &text) { show(parent_, QMessageBox::Critical, title(), ErrorBoxText(text)); }

bool QtMessages::confirm(const std::string &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmation"), QString::fromStdString(text),
                    QMessageBox::NoButton, parent_);
    QPushButton *yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace brumelle
