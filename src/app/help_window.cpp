#include "app/help_window.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace brumelle {

namespace {
const QString kHelpName = QStringLiteral("brumelle.html");
} // namespace

QString FindHelpFile(const QString &programFolder)
{
    const QDir dir(programFolder);
    for (const QString &candidate : {dir.filePath(kHelpName), dir.filePath(QStringLiteral("../share/brumelle/") + kHelpName),
                                     QStringLiteral("/usr/share/brumelle/") + kHelpName})
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath();
    return {};
}

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Aide de Brumelle"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    browser_->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(820, 640);
}

void HelpWindow::ShowContents(const QString &file)
{
    browser_->setSource(QUrl::fromLocalFile(file));
    browser_->scrollToAnchor(QString()); // the top: the contents
    show();
    raise();
    activateWindow();
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("texte"));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h2>Brumelle</h2>"
                                 "<p>Version %1</p>"
                                 "<p>Diagramme de l'air humide, évolutions élémentaires et dimensionnement "
                                 "des centrales de traitement d'air.</p>"
                                 "<p>Logiciel libre distribué sous la licence GNU GPL version 3 ou toute "
                                 "version ultérieure (GPL-3.0-or-later).</p>")
                      .arg(QStringLiteral(BRUMELLE_VERSION)));
    text->setWordWrap(true);
    auto *ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ok);
    setFixedWidth(380);
}

} // namespace brumelle
