#include "ui/main_window.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>

#include "calculations.h"
#include "chart/climate_layer.h"
#include "chart/overlay.h"
#include "chart/paint.h"
#include "chart/readout.h"
#include "chart/zoom.h"
#include "document_opening.h"
#include "model/fault.h"
#include "note/calculation_note.h"
#include "program_state.h"
#include "render/chart_image.h"
#include "render/locale_separators.h"
#include "render/note_pdf.h"
#include "render/qpainter_canvas.h"
#include "storage/file_replace.h"
#include "storage/preferences.h"
#include "storage/weather_file.h"
#include "study_overlay.h"
#include "ui/brumelle_ini.h"
#include "ui/chart_printer.h"
#include "ui/clipboard.h"
#include "ui/file_chooser.h"
#include "ui/file_drop.h"
#include "ui/program_windows.h"

namespace brumelle {

ChartArea::ChartArea(TForm1 &form) : QWidget(&form), form_(form)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(ChartFont());
}

void ChartArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    form_.FormPaint(painter);
}

void ChartArea::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    form_.FormMouseMove(p.x(), p.y());
}

void ChartArea::mousePressEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    form_.FormMouseDown(p.x(), p.y());
}

void ChartArea::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    form_.FormMouseUp(p.x(), p.y());
}

void ChartArea::resizeEvent(QResizeEvent *) { form_.FormResize(); }

TForm1::TForm1(ProgramState &state, Calculations &calculations, Ports ports, BrumelleIni &settingsFile,
               QWidget *parent)
    : QMainWindow(parent), state_(state), calculations_(calculations), messages_(ports.messages),
      clipboard_(ports.clipboard), printer_(ports.printer), files_(ports.files), settingsFile_(settingsFile),
      separators_(SeparatorsOf(QLocale()))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brumelle par Orvane"));
    chart_ = new ChartArea(*this);
    chart_->setObjectName(QStringLiteral("chart"));
    setCentralWidget(chart_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    statusBar_ = statusBar();
    statusBar_->addWidget(status_, 1);
    statusBar_->setSizeGripEnabled(false);
    buildMenus();
    recent_.emplace(*fichier_, Quitter1, *this, [this](size_t i) { M_recentClick(i); });
    M_recents = recent_->Actions();
    setAcceptDrops(true);
    resize(800, 600);
}

QAction *TForm1::addItem(QMenu *menu, const QString &caption, const QKeySequence &shortcut)
{
    QAction *a = menu->addAction(caption);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

void TForm1::buildMenus()
{
    QMenu *fichier = fichier_ = menuBar()->addMenu(QStringLiteral("&Fichier"));
    M_ouvrir = addItem(fichier, QStringLiteral("Ouvrir..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    M_enregistrer = addItem(fichier, QStringLiteral("Enregistrer"), QKeySequence(Qt::CTRL | Qt::Key_S));
    M_enregistrer_sous =
        addItem(fichier, QStringLiteral("Enregistrer sous..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fichier->addSeparator();
    M_ouvrir_pref = addItem(fichier, QStringLiteral("Ouvrir préférences..."));
    M_enregistrer_pref = addItem(fichier, QStringLiteral("Enregistrer préférences..."));
    fichier->addSeparator();
    M_imprimer = addItem(fichier, QStringLiteral("Imprimer..."));
    M_note_calcul = addItem(fichier, QStringLiteral("Note de calcul..."));
    fichier->addSeparator();
    Quitter1 = addItem(fichier, QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *affichage = menuBar()->addMenu(QStringLiteral("&Affichage"));
    Zoom1 = addItem(affichage, QStringLiteral("&Zoom"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Zoom1->setCheckable(true);
    M_100 = addItem(affichage, QStringLiteral("100%"));
    affichage->addSeparator();
    m_copier = addItem(affichage, QStringLiteral("Copier"), QKeySequence(Qt::CTRL | Qt::Key_C));
    affichage->addSeparator();
    Precisiondutrace = addItem(affichage, QStringLiteral("Précision du tracé"), QKeySequence(Qt::CTRL | Qt::Key_P));
    M_Effacer = addItem(affichage, QStringLiteral("Effacer les tracés"), QKeySequence(Qt::CTRL | Qt::Key_E));
    affichage->addSeparator();
    M_valeur_barre_etat =
        addItem(affichage, QStringLiteral("Valeurs dans la barre d'état"), QKeySequence(Qt::CTRL | Qt::Key_V));
    M_valeur_barre_etat->setCheckable(true);
    M_valeur_barre_etat->setChecked(true);

    QMenu *calculs = menuBar()->addMenu(QStringLiteral("Calculs"));
    M_1point = addItem(calculs, QStringLiteral("Evolutions élémentaires"));
    M_Dim_CTA = addItem(calculs, QStringLiteral("Dimensionnement CTA"));

    QMenu *meteo = menuBar()->addMenu(QStringLiteral("Météo"));
    M_ouvrir_meteo = addItem(meteo, QStringLiteral("Ouvrir un fichier météo..."));
    M_heures_meteo = addItem(meteo, QStringLiteral("Heures affichées..."));
    M_conditions_base = addItem(meteo, QStringLiteral("Conditions de base..."));
    M_zones = addItem(meteo, QStringLiteral("Zones..."));
    M_fermer_meteo = addItem(meteo, QStringLiteral("Fermer le fichier météo"));

    QMenu *aide = menuBar()->addMenu(QStringLiteral("Aide"));
    M_aide = addItem(aide, QStringLiteral("Aide"), QKeySequence(Qt::Key_F1));
    M_apropos = addItem(aide, QStringLiteral("A propos"));

    connect(M_ouvrir, &QAction::triggered, this, &TForm1::M_ouvrirClick);
    connect(M_enregistrer, &QAction::triggered, this, &TForm1::M_enregistrerClick);
    connect(M_enregistrer_sous, &QAction::triggered, this, &TForm1::m_enregistrer_sousClick);
    connect(M_ouvrir_pref, &QAction::triggered, this, &TForm1::M_Ouvrir_prefClick);
    connect(M_enregistrer_pref, &QAction::triggered, this, &TForm1::M_sauve_prefClick);
    connect(M_valeur_barre_etat, &QAction::triggered, this, &TForm1::M_valeur_barre_etatClick);
    connect(Zoom1, &QAction::triggered, this, &TForm1::Zoom1Click);
    connect(M_100, &QAction::triggered, this, &TForm1::M_100Click);
    connect(m_copier, &QAction::triggered, this, &TForm1::m_copierClick);
    connect(M_imprimer, &QAction::triggered, this, &TForm1::M_imprimerClick);
    connect(M_note_calcul, &QAction::triggered, this, &TForm1::M_note_calculClick);
    connect(M_Effacer, &QAction::triggered, this, &TForm1::M_EffacerClick);
    connect(Precisiondutrace, &QAction::triggered, this, &TForm1::PrecisiondutraceClick);
    connect(M_1point, &QAction::triggered, this, &TForm1::M_1pointClick);
    connect(M_Dim_CTA, &QAction::triggered, this, &TForm1::M_Dim_CTAClick);
    connect(M_ouvrir_meteo, &QAction::triggered, this, &TForm1::M_ouvrir_meteoClick);
    connect(M_heures_meteo, &QAction::triggered, this, &TForm1::M_heures_meteoClick);
    connect(M_conditions_base, &QAction::triggered, this, &TForm1::M_conditions_baseClick);
    connect(M_zones, &QAction::triggered, this, &TForm1::M_zonesClick);
    connect(M_fermer_meteo, &QAction::triggered, this, &TForm1::M_fermer_meteoClick);
    ShowClimateCommands();
    connect(M_aide, &QAction::triggered, this, &TForm1::M_AideClick);
    connect(M_apropos, &QAction::triggered, this, &TForm1::M_AproposClick);
    connect(Quitter1, &QAction::triggered, this, &TForm1::Quitter1Click);
}

const QString &TForm1::SettingsFile() const { return settingsFile_.Path(); }

void TForm1::showEvent(QShowEvent *e)
{
    // Every other window is modal, so the main window's activation happens
    // once, at start-up; tying it to the first showing keeps it there even
    // where the window system activates another window first.
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
    QMainWindow::showEvent(e);
}

void TForm1::FormActivate()
{
    UpdateCaption();
    settingsFile_.Read(state_.settings, *recent_, *this);
    // The pressure box is what every calculation reads: it shows the chart's
    // pressure from the start, so both work at one pressure.
    state_.pressure.Show(state_.settings.Patm);
    state_.zoom.ZoomFloorTS = state_.settings.TS.Mini;
    state_.flags = DrawingFlags{};
    state_.RepaintOnFlagChange = true;
    state_.ahu.TreatmentMode = 0;
    RepaintChart();
}

ChartGeometry TForm1::Geometry() const
{
    // The status bar's height is taken off whether or not the bar is shown.
    const QStatusBar *sb = statusBar_;
    const int sbHeight = sb->isVisible() ? sb->height() : sb->sizeHint().height();
    const int clientHeight = chart_->height() + (sb->isVisible() ? sb->height() : 0);
    return ChartGeometry::ForClient(chart_->width(), clientHeight, sbHeight, state_.settings);
}

void TForm1::RepaintChart() { chart_->repaint(); }

QString TForm1::StatusText() const { return status_->text(); }

void TForm1::FormPaint(QPainter &painter) { PaintClient(painter, painter.device()->logicalDpiY()); }

void TForm1::PaintClient(QPainter &painter, qreal fontDpi)
{
    const ChartGeometry g = Geometry();
    PaintChartAt(
        painter, SurfaceRatio(painter), fontDpi, state_.settings, g, state_.chartPoint, state_.zoom,
        [&](Canvas &c) { DrawEvolutionOverlay(c, g, OverlayOf(state_, separators_), state_.settings.Fenetre.Couleur); },
        ClimateLayerOf(state_.climate, state_.settings.Patm, separators_));
}

QImage TForm1::ChartImage(qreal ratio)
{
    QImage image = NewChartImage(chart_->width(), chart_->height(), ratio);
    QPainter painter(&image);
    PaintClient(painter, kChartDpi);
    return image;
}

ClientPicture TForm1::PrintedPicture()
{
    const bool withStatusBar = statusBar_->isVisible();
    const int statusHeight = withStatusBar ? statusBar_->height() : 0;
    // Client pixels measure the font as in the program's chart image.
    return {QSize(chart_->width(), chart_->height() + statusHeight), [this, withStatusBar](QPainter &painter) {
                PaintClient(painter, kChartDpi);
                if (withStatusBar)
                    PrintStatusBar(painter, kChartDpi);
            }};
}

void TForm1::PrintStatusBar(QPainter &painter, qreal fontDpi)
{
    // Drawn here rather than rendered: a widget rendered onto a printer
    // arrives as a screen image, or with its text scaled twice.
    const QPoint at(0, chart_->height());
    painter.fillRect(QRect(at, statusBar_->size()), statusBar_->palette().window());
    QFont font = status_->font();
    font.setPointSizeF(font.pointSizeF() * fontDpi / painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(status_->palette().color(QPalette::WindowText));
    const QRect text = status_->contentsRect().translated(at + status_->mapTo(statusBar_, QPoint(0, 0)));
    painter.drawText(text, int(status_->alignment()), status_->text());
}

void TForm1::FormResize() { chart_->update(); }

void TForm1::FormMouseMove(int x, int y)
{
    if (state_.zoom.ZoomDragging) {
        // The paint cycle draws the rectangle; no readout during a drag.
        state_.zoom.ZoomX2 = x;
        state_.zoom.ZoomY2 = y;
        RepaintChart();
        return;
    }
    if (!M_valeur_barre_etat->isChecked())
        return;
    const ChartGeometry g = Geometry();
    status_->setText(QString::fromStdString(
        CursorReadout(state_.settings, g, x, y, state_.chartPoint, separators_, state_.climate.Drawn())));
}

void TForm1::FormMouseDown(int x, int y)
{
    if (!Zoom1->isChecked())
        return;
    ZoomState &z = state_.zoom;
    z.ZoomDragging = true;
    z.ZoomX1 = z.ZoomX2 = x;
    z.ZoomY1 = z.ZoomY2 = y;
}

void TForm1::FormMouseUp(int x, int y)
{
    if (!state_.zoom.ZoomDragging)
        return;
    Zoom1->setChecked(false);
    ApplyZoomRelease(state_.settings, state_.zoom, Geometry(), x, y);
    RepaintChart();
}

void TForm1::M_valeur_barre_etatClick()
{
    // The action already flipped its check state; the status text stays as it is.
}

void TForm1::Zoom1Click()
{
    // The action has already flipped its check state. Switching the mode off
    // also drops a drag that was under way.
    if (!Zoom1->isChecked())
        state_.zoom.ZoomDragging = false;
    RepaintChart();
}

void TForm1::M_100Click()
{
    RestoreFullRanges(state_.settings);
    RepaintChart();
}

void TForm1::m_copierClick()
{
    // The chart alone, with the plot geometry the window has, as fine as the screen shows it.
    clipboard_.SetImage(ChartImage(chart_->devicePixelRatioF()));
}

void TForm1::M_imprimerClick()
{
    const PrintOutcome outcome = printer_.Print(PrintedPicture());
    if (!outcome.unwrittenFile.isEmpty())
        messages_.error(CannotWriteMessage(QFile::encodeName(outcome.unwrittenFile).toStdString()));
}

void TForm1::M_EffacerClick()
{
    {
        const RepaintSuspension quiet(state_);
        // Each untick clears its flag through the box's own handler.
        if (windows_)
            windows_->UntickDrawingBoxes();
        state_.flags = DrawingFlags{};
    }
    RepaintChart();
}

void TForm1::PrecisiondutraceClick()
{
    const uint32_t patmBefore = state_.settings.Patm;
    if (windows_)
        windows_->ShowOptions();
    // The document keeps the pressure: a new one is a change of the study.
    if (state_.settings.Patm != patmBefore)
        MarkModified();
    // Whatever closed the dialog, the view takes its ranges.
    state_.zoom.ZoomFloorTS = state_.settings.TS.Mini;
    RepaintChart();
}

void TForm1::M_1pointClick()
{
    if (windows_)
        windows_->ShowEvolutions();
}

void TForm1::M_Dim_CTAClick()
{
    if (windows_)
        windows_->ShowSizing();
}

void TForm1::M_ouvrir_meteoClick()
{
    const auto chosen = files_.Choose(Request(FileRequest::Mode::Open, FileRequest::Type::Weather));
    if (!chosen)
        return;
    const std::string path = QFile::encodeName(*chosen).toStdString();
    std::optional<WeatherYear> year = LoadWeatherYear(path, state_.settings.Patm, messages_);
    if (!year)
        return;
    // Another site: all its hours shown first.
    const long double stationPa = year->stationPressurePa;
    state_.climate.Close();
    state_.climate.Take(path, std::move(*year));
    MarkModified();
    ShowClimateCommands();
    // The station's pressure for the chart, as if typed, when the user says so.
    const uint32_t station = static_cast<uint32_t>(std::llround(stationPa));
    if (station != state_.settings.Patm && messages_.confirm(StationPressureQuestion(station, separators_)))
        calculations_.PressureTyped(std::to_string(station));
    RepaintChart();
}

void TForm1::M_heures_meteoClick()
{
    const HourFilter before = state_.climate.filter;
    const bool shownBefore = state_.climate.shown;
    if (windows_)
        windows_->ShowWeatherHours();
    const HourFilter &after = state_.climate.filter;
    if (after.monthFrom != before.monthFrom || after.monthTo != before.monthTo || after.hourFrom != before.hourFrom ||
        after.hourTo != before.hourTo || state_.climate.shown != shownBefore)
        MarkModified(); // the document keeps them
    RepaintChart();
}

void TForm1::M_conditions_baseClick()
{
    if (windows_)
        windows_->ShowDesignConditions();
    RepaintChart();
}

void TForm1::M_zonesClick()
{
    const auto zoneKey = [](const UserZone &z) {
        return std::tie(z.name, z.tsMinC, z.tsMaxC, z.hrMinPercent, z.hrMaxPercent);
    };
    const auto comfortKey = [](const ComfortChoice &c) {
        return std::tie(c.inputs.met, c.inputs.clo, c.inputs.airSpeedMs, c.shown);
    };
    const std::vector<UserZone> before = state_.climate.userZones;
    const ComfortChoice comfortBefore = state_.climate.comfort;
    if (windows_)
        windows_->ShowZones();
    const std::vector<UserZone> &after = state_.climate.userZones;
    const bool same = after.size() == before.size() &&
                      std::equal(after.begin(), after.end(), before.begin(),
                                 [&](const UserZone &a, const UserZone &b) { return zoneKey(a) == zoneKey(b); }) &&
                      comfortKey(state_.climate.comfort) == comfortKey(comfortBefore);
    if (!same)
        MarkModified(); // the document keeps them
    RepaintChart();
}

void TForm1::UseForSizing(const DesignRow &row)
{
    OutdoorTexts texts;
    try {
        texts = OutdoorTextsOf(row.condition, state_.settings.Patm, separators_);
    } catch (const ComputeFault &) {
        messages_.message(kDesignConditionRefused);
        return;
    }
    AhuData &ahu = state_.ahu;
    ahu.E_TS_ext = texts.dryBulb;
    if (!texts.humidity.empty())
        ahu.E_HR_ext = texts.humidity;
    MarkModified();
    status_->setText(QString::fromStdString(SizingStatusText(row, texts)));
}

void TForm1::M_fermer_meteoClick()
{
    state_.climate.Close();
    MarkModified();
    ShowClimateCommands();
    RepaintChart();
}

void TForm1::ShowClimateCommands()
{
    for (QAction *item : {M_heures_meteo, M_conditions_base, M_fermer_meteo})
        item->setEnabled(state_.climate.Loaded());
}

// The shared open and save dialogs, prepared anew for each use. A save
// dialog starts beside the study's file, with its name (".pdf" for a note).
FileRequest TForm1::Request(FileRequest::Mode mode, FileRequest::Type type) const
{
    FileRequest r;
    r.mode = mode;
    r.type = type;
    if (mode == FileRequest::Mode::Open)
        r.title = type == FileRequest::Type::Weather ? QStringLiteral("Ouvrir un fichier météo")
                                                     : QStringLiteral("Ouvrir un fichier BRM");
    const QString suffix = type == FileRequest::Type::Document      ? QStringLiteral("brm")
                           : type == FileRequest::Type::Preferences ? QStringLiteral("pfs")
                           : type == FileRequest::Type::Weather     ? QStringLiteral("epw")
                                                                    : QStringLiteral("pdf");
    r.defaultSuffix = suffix;
    r.initialName = QStringLiteral("*.") + suffix;
    r.folder = DialogStartFolder();
    // The next weather file is most often beside the last one.
    if (type == FileRequest::Type::Weather && state_.climate.Loaded())
        r.folder = QFileInfo(QFile::decodeName(QByteArray::fromStdString(state_.climate.path))).absolutePath();
    if (mode == FileRequest::Mode::Save && type != FileRequest::Type::Preferences && !documentPath_.isEmpty()) {
        const QFileInfo study(documentPath_);
        r.folder = study.absolutePath();
        r.initialName = type == FileRequest::Type::Document ? study.fileName()
                                                            : study.completeBaseName() + QStringLiteral(".pdf");
    }
    return r;
}

void TForm1::UpdateCaption()
{
    const QString name = documentPath_.isEmpty() ? QStringLiteral("Sans titre") : QFileInfo(documentPath_).fileName();
    setWindowTitle((modified_ ? QStringLiteral("*") : QString()) + name + QStringLiteral(" - Brumelle par Orvane"));
}

void TForm1::ShowDocumentName(const QString &path)
{
    documentPath_ = path;
    modified_ = false;
    UpdateCaption();
}

void TForm1::MarkModified()
{
    if (modified_)
        return;
    modified_ = true;
    UpdateCaption();
}

bool TForm1::MaySetStudyAside()
{
    if (!modified_)
        return true;
    switch (messages_.ask(kModifiedQuestion)) {
    case Messages::Answer::Yes: return SaveStudy();
    case Messages::Answer::No: return true;
    default: return false;
    }
}

void TForm1::M_ouvrirClick()
{
    if (!MaySetStudyAside())
        return;
    if (const auto path = files_.Choose(Request(FileRequest::Mode::Open, FileRequest::Type::Document)))
        OpenDocumentFile(QFile::encodeName(*path).toStdString());
}

void TForm1::OpenDocumentAsked(const std::string &path)
{
    if (MaySetStudyAside())
        OpenDocumentFile(path);
}

void TForm1::OpenDocumentFile(const std::string &path)
{
    IniFile file;
    file.LoadFromFile(path);
    // The caption names the document once it has been read whole.
    if (OpenDocument(file, state_, calculations_, messages_, [this] { RepaintChart(); }) ==
        DocumentOpening::Opened) {
        ShowDocumentName(QFile::decodeName(QByteArray::fromStdString(path)));
        recent_->Remember(path);
    }
    ShowClimateCommands(); // the document's climate replaced the study's
}

void TForm1::BringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void TForm1::M_enregistrerClick() { SaveStudy(); }

void TForm1::m_enregistrer_sousClick() { SaveStudyAs(); }

bool TForm1::SaveStudy()
{
    if (documentPath_.isEmpty())
        return SaveStudyAs();
    // The study's own file: written over without the question that another
    // document would get.
    const std::string path = QFile::encodeName(documentPath_).toStdString();
    if (SaveDocument(path, state_, messages_, Overwrite::OwnFile) != DocumentSaving::Saved)
        return false;
    ShowDocumentName(documentPath_);
    recent_->Remember(path);
    return true;
}

bool TForm1::SaveStudyAs()
{
    const auto path = files_.Choose(Request(FileRequest::Mode::Save, FileRequest::Type::Document));
    if (!path || SaveDocument(path->toStdString(), state_, messages_) != DocumentSaving::Saved)
        return false;
    ShowDocumentName(*path);
    recent_->Remember(QFile::encodeName(*path).toStdString());
    return true;
}

void TForm1::M_Ouvrir_prefClick()
{
    const uint32_t patmBefore = state_.settings.Patm;
    const auto path = files_.Choose(Request(FileRequest::Mode::Open, FileRequest::Type::Preferences));
    if (path && OpenPreferences(path->toStdString(), state_.settings, messages_))
        PreferencesOpened(patmBefore);
}

void TForm1::PreferencesOpened(uint32_t patmBeforePa)
{
    // A pressure in the file becomes the one the calculations read too.
    calculations_.PressureSetBySettings(patmBeforePa);
    RepaintChart();
}

void TForm1::M_sauve_prefClick()
{
    const auto path = files_.Choose(Request(FileRequest::Mode::Save, FileRequest::Type::Preferences));
    if (path)
        SavePreferences(path->toStdString(), state_.settings, messages_);
}

void TForm1::M_note_calculClick()
{
    const auto path = files_.Choose(Request(FileRequest::Mode::Save, FileRequest::Type::Note));
    if (!path)
        return;
    // As before writing over a document: "Non" leaves the file as it is.
    if (QFileInfo::exists(*path) && !messages_.confirm(kOverwriteQuestion))
        return;
    // The grids as the evolutions window shows them, which writes their
    // headings and pressure row each time it is shown, even if it never was.
    calculations_.evolutions().WriteGridFrames();
    const QDate today = QDate::currentDate();
    CalculationNote note = BuildCalculationNote(state_.evolutions, state_.ahu, state_.settings.Patm,
                                                {documentPath_.toStdString(), today.year(), today.month(), today.day()});
    AddClimateSection(note, state_.climate, DisplayedRangesOf(state_.settings), separators_);
    const QByteArray pdf = CalculationNotePdf(note, state_.settings, OverlayOf(state_, separators_),
                                              ClimateLayerOf(state_.climate, state_.settings.Patm, separators_));
    if (SaveFileWhole(path->toStdString(), pdf.toStdString(), messages_))
        status_->setText(QStringLiteral("Note de calcul écrite : ") + *path);
}

void TForm1::M_recentClick(size_t index)
{
    if (const std::optional<std::string> path = recent_->DocumentToOpen(index, messages_))
        OpenDocumentAsked(*path);
}

void TForm1::dragEnterEvent(QDragEnterEvent *e) { AnswerDrop(*e); }

void TForm1::dropEvent(QDropEvent *e)
{
    const std::optional<DroppedFile> dropped = AnswerDrop(*e);
    if (!dropped)
        return;
    // Once the drop is over: the opening's message boxes must not keep the
    // application the file came from waiting for the drop to end.
    QTimer::singleShot(0, this, [this, file = *dropped] {
        const std::string path = file.path.toStdString();
        const uint32_t patmBefore = state_.settings.Patm;
        if (file.document)
            OpenDocumentAsked(path);
        else if (OpenPreferences(path, state_.settings, messages_))
            PreferencesOpened(patmBefore);
    });
}

void TForm1::M_AideClick()
{
    if (windows_)
        windows_->ShowHelp();
}

void TForm1::M_AproposClick()
{
    if (windows_)
        windows_->ShowAbout();
}

void TForm1::Quitter1Click() { close(); }

void TForm1::EndSession()
{
    endingSession_ = true;
    close();
}

void TForm1::closeEvent(QCloseEvent *e)
{
    // "&Quitter" and the close box leave a changed study only as the user
    // says; the desktop ending the session has nobody to ask.
    if (!endingSession_ && !MaySetStudyAside()) {
        e->ignore();
        return;
    }
    // Settings never loaded in this run are not written over the file's; a
    // file that cannot be written is reported, and the program still ends.
    settingsFile_.SaveAtClose(state_.settings, *recent_);
    e->accept();
}

} // namespace brumelle
