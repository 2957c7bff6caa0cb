#include "app/brumelle_app.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include "app/help_window.h"
#include "render/locale_separators.h"
#include "ui/brumelle_ini.h"
#include "ui/chart_printer.h"
#include "ui/clipboard.h"
#include "ui/colour_chooser.h"
#include "ui/design_conditions_dialog.h"
#include "ui/evolutions_window.h"
#include "ui/file_chooser.h"
#include "ui/line_style_picker.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/qt_messages.h"
#include "ui/sizing_wizard.h"
#include "ui/weather_hours_dialog.h"
#include "ui/zones_dialog.h"

namespace brumelle {

QString SettingsFilePath()
{
    const QString beside = WritableProgramFolder();
    if (!beside.isEmpty())
        return QDir(beside).filePath(QStringLiteral("Brumelle.ini"));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(QStringLiteral("Brumelle.ini"));
}

BrumelleApp::BrumelleApp(Ports ports, QString settingsFile)
    : qtMessages_(std::make_unique<QtMessages>()), systemClipboard_(std::make_unique<SystemClipboard>()),
      dialogPrinter_(std::make_unique<DialogChartPrinter>(nullptr)),
      dialogFiles_(std::make_unique<DialogFileChooser>()), dialogColours_(std::make_unique<DialogColourChooser>())
{
    ports_.messages = ports.messages ? ports.messages : qtMessages_.get();
    ports_.clipboard = ports.clipboard ? ports.clipboard : systemClipboard_.get();
    ports_.printer = ports.printer ? ports.printer : dialogPrinter_.get();
    ports_.files = ports.files ? ports.files : dialogFiles_.get();
    ports_.colours = ports.colours ? ports.colours : dialogColours_.get();

    settingsFile_ = std::make_unique<BrumelleIni>(std::move(settingsFile), *ports_.messages);
    const auto repaint = [this] { RepaintChart(); };
    calculations_ = std::make_unique<Calculations>(state_, *ports_.messages, repaint, SeparatorsOf(QLocale()));

    form_ = std::make_unique<TForm1>(
        state_, *calculations_, TForm1::Ports{*ports_.messages, *ports_.clipboard, *ports_.printer, *ports_.files},
        *settingsFile_);
    // The boxes and dialogs open over the main window.
    qtMessages_->setParent(form_.get());
    *dialogPrinter_ = DialogChartPrinter(form_.get());
    dialogFiles_->setParent(form_.get());
    dialogColours_->setParent(form_.get());

    lines_ = std::make_unique<TF_lignes>(form_.get());
    options_ = std::make_unique<TPrecision>(
        state_.settings, state_.pressure, *calculations_, *ports_.messages, *ports_.colours, *lines_,
        [this] { return settingsFile_->SaveColoursAndStyles(state_.settings); },
        form_.get());
    const DrawingBoxes drawing{state_.flags, state_.RepaintOnFlagChange};
    evolutions_ = std::make_unique<TF_calcul_un_point>(state_.evolutions, drawing, calculations_->evolutions(),
                                                       *ports_.clipboard, repaint, form_.get());
    sizing_ = std::make_unique<TF_dimensionnement>(state_.ahu, drawing, calculations_->sizing(), *ports_.clipboard,
                                                   repaint, form_.get());
    weatherHours_ = std::make_unique<TF_heures_meteo>(state_.climate, state_.settings, form_.get());
    designConditions_ = std::make_unique<TF_conditions_base>(
        state_.climate, [this](const DesignRow &row) { form_->UseForSizing(row); }, repaint, form_.get());
    zones_ = std::make_unique<TF_zones>(state_.climate, state_.settings.Patm, *ports_.messages, form_.get());
    form_->SetWindows(this);
    const auto edited = [this] { form_->MarkModified(); };
    evolutions_->SetOnEdit(edited);
    sizing_->SetOnEdit(edited);
}

BrumelleApp::~BrumelleApp()
{
    help_.reset();
    // The dialogs are the main window's children: they go first.
    sizing_.reset();
    evolutions_.reset();
    weatherHours_.reset();
    designConditions_.reset();
    zones_.reset();
    options_.reset();
    lines_.reset();
    form_.reset();
}

void BrumelleApp::RepaintChart()
{
    if (form_)
        form_->RepaintChart();
}

void BrumelleApp::ShowEvolutions() { evolutions_->exec(); }

void BrumelleApp::ShowSizing() { sizing_->exec(); }

void BrumelleApp::ShowOptions() { options_->exec(); }

void BrumelleApp::ShowWeatherHours() { weatherHours_->exec(); }
void BrumelleApp::ShowDesignConditions() { designConditions_->exec(); }
void BrumelleApp::ShowZones() { zones_->exec(); }

void BrumelleApp::ShowHelp()
{
    const QString file = FindHelpFile(QCoreApplication::applicationDirPath());
    if (file.isEmpty()) {
        ports_.messages->message("Le fichier d'aide brumelle.html est introuvable : l'aide ne peut pas être "
                                 "affichée.");
        return;
    }
    if (!help_)
        help_ = std::make_unique<HelpWindow>(form_.get());
    help_->ShowContents(file);
}

void BrumelleApp::ShowAbout()
{
    TAboutBox about(form_.get());
    about.exec();
}

void BrumelleApp::OpenWhenFree(const QByteArray &document)
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(300, form_.get(), [this, document] { OpenWhenFree(document); });
        return;
    }
    form_->OpenDocumentAsked(document.toStdString());
}

void BrumelleApp::UntickDrawingBoxes()
{
    for (QCheckBox *box : {evolutions_->Check_dessin_1point, evolutions_->Check_dessin_BC,
                           evolutions_->Check_dessin_BFC, evolutions_->Check_dessin_Lav, evolutions_->Check_dessin_vap,
                           evolutions_->Check_dessin_melange, sizing_->Check_dessin_CTA})
        box->setChecked(false);
}

} // namespace brumelle
