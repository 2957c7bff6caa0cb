#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include <QMainWindow>

#include "chart/geometry.h"
#include "presentation/number_format.h"
#include "ui/chart_printer.h"
#include "ui/file_chooser.h"
#include "ui/recent_documents_menu.h"

class QAction;
class QLabel;
class QMenu;
class QStatusBar;

namespace brumelle {

struct DesignRow;
struct ProgramState;
class BrumelleIni;
class Calculations;
class Clipboard;
class FileChooser;
class Messages;
class ProgramWindows;
class TForm1;

// The chart: the client area above the status bar. Every event goes to the
// main window's handlers.
class ChartArea : public QWidget {
    Q_OBJECT
public:
    explicit ChartArea(TForm1 &form);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TForm1 &form_;
};

// The main window: the psychrometric chart with its menus and status bar.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // What the main window talks to: the user's boxes and dialogs.
    struct Ports {
        Messages &messages;
        Clipboard &clipboard;
        ChartPrinter &printer;
        FileChooser &files;
    };
    // `settingsFile` is read at the window's first activation and written at its close.
    TForm1(ProgramState &state, Calculations &calculations, Ports ports, BrumelleIni &settingsFile,
           QWidget *parent = nullptr);

    // Geometry of the plot for the current client area.
    ChartGeometry Geometry() const;
    // Immediate repaint of the chart (other windows ask for it).
    void RepaintChart();
    QString StatusText() const;
    // The chart drawn by the paint cycle, at `ratio` image pixels per client
    // pixel (that device pixel ratio set on the image).
    QImage ChartImage(qreal ratio = 1);
    // What "Imprimer..." prints: the client area with the status bar.
    ClientPicture PrintedPicture();
    void SetSeparators(const NumberSeparators &sep) { separators_ = sep; }

    ChartArea *Chart() const { return chart_; }
    // The windows the menus show, created after this one.
    void SetWindows(ProgramWindows *windows) { windows_ = windows; }
    const QString &SettingsFile() const;

    // Menu items, named as the program names them.
    QAction *M_ouvrir = nullptr;
    QAction *M_enregistrer = nullptr;
    QAction *M_enregistrer_sous = nullptr;
    QAction *M_ouvrir_pref = nullptr;
    QAction *M_enregistrer_pref = nullptr;
    QAction *M_imprimer = nullptr;
    QAction *M_note_calcul = nullptr;
    QAction *Quitter1 = nullptr;
    QAction *Zoom1 = nullptr;
    QAction *M_100 = nullptr;
    QAction *m_copier = nullptr;
    QAction *Precisiondutrace = nullptr;
    QAction *M_Effacer = nullptr;
    QAction *M_valeur_barre_etat = nullptr;
    QAction *M_1point = nullptr;
    QAction *M_Dim_CTA = nullptr;
    QAction *M_ouvrir_meteo = nullptr;
    QAction *M_heures_meteo = nullptr;
    QAction *M_conditions_base = nullptr;
    QAction *M_zones = nullptr;
    QAction *M_fermer_meteo = nullptr;
    QAction *M_aide = nullptr;
    QAction *M_apropos = nullptr;
    // The last documents, above "&Quitter"; hidden while the list is shorter.
    RecentDocumentsMenu::Items M_recents{};

    // Event handlers.
    void FormActivate();
    void FormPaint(QPainter &painter);
    void FormResize();
    void FormMouseMove(int x, int y);
    void FormMouseDown(int x, int y);
    void FormMouseUp(int x, int y);

public slots:
    void M_ouvrirClick();
    void M_enregistrerClick();
    void m_enregistrer_sousClick();
    void M_Ouvrir_prefClick();
    void M_sauve_prefClick();
    void M_valeur_barre_etatClick();
    void Zoom1Click();
    void M_100Click();
    void m_copierClick();
    void M_imprimerClick();
    void M_note_calculClick();
    void M_EffacerClick();
    void PrecisiondutraceClick();
    void M_1pointClick();
    void M_Dim_CTAClick();
    void M_ouvrir_meteoClick();
    void M_heures_meteoClick();
    void M_conditions_baseClick();
    void M_zonesClick();
    void M_fermer_meteoClick();
    void M_AideClick();
    void M_AproposClick();
    void Quitter1Click();
    // A listed document: opened as "Ouvrir..." opens one, or taken off the
    // list, with a message, when it is no longer there.
    void M_recentClick(size_t index);

public:
    // Opens a document as "Ouvrir..." does after its dialog, messages included;
    // `path` in the system's bytes.
    void OpenDocumentFile(const std::string &path);
    // The same, for a document that comes from outside the dialog (a listed
    // one, a drop, another start of the program): a changed study is first
    // saved or set aside as the user answers.
    void OpenDocumentAsked(const std::string &path);
    // An input of the evolutions window or the wizard changed, or the
    // pressure: the study is no longer what its file holds.
    void MarkModified();
    bool Modified() const { return modified_; }
    // The desktop ends the session: closed without a question, settings written.
    void EndSession();
    const RecentDocuments &Recent() const { return recent_->List(); }
    // Another start of the program asked for this window: shown normally
    // (restored when minimised), raised and activated, with the modal window
    // in use on top of it.
    void BringToFront();
    // "Utiliser pour la CTA": the row's dry bulb and relative humidity into
    // the sizing's outdoor boxes, as if typed, said in the status bar.
    void UseForSizing(const DesignRow &row);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A dropped "*.brm" opens as "Ouvrir..." opens one, a "*.pfs" as
    // "Ouvrir préférences..." does; of several files, the first of either
    // kind (AnswerDrop). A drop with neither is refused (the drag shows it).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    QAction *addItem(QMenu *menu, const QString &caption, const QKeySequence &shortcut = {});

    // The paint cycle on a painter whose coordinates are client pixels, at the
    // resolution of its device; client pixels measure the label font at
    // `fontDpi`.
    void PaintClient(QPainter &painter, qreal fontDpi);
    // The status bar below the chart, as its background and the readout's
    // text, on a printer's painter whose coordinates are client pixels.
    void PrintStatusBar(QPainter &painter, qreal fontDpi);

    // The caption: the document's name (or "Sans titre"), an asterisk before
    // it while the study has changed since it was opened, saved or started.
    void UpdateCaption();
    // A document was read or written: it is the study's file, unchanged.
    void ShowDocumentName(const QString &path);
    // "Enregistrer" and "Enregistrer sous...": true once the study is saved.
    bool SaveStudy();
    bool SaveStudyAs();
    // Before the study is closed or replaced: when it has changed, asks
    // whether to save it; true when the command may go on.
    bool MaySetStudyAside();
    // Preferences read from a file: the pressure box and results follow a new pressure.
    void PreferencesOpened(uint32_t patmBeforePa);
    // The "Météo" items that need a weather file are enabled with one.
    void ShowClimateCommands();
    // The open and save dialogs, the save dialogs starting beside the study's file.
    FileRequest Request(FileRequest::Mode mode, FileRequest::Type type) const;

    ProgramState &state_;
    Calculations &calculations_;
    Messages &messages_;
    Clipboard &clipboard_;
    ChartPrinter &printer_;
    FileChooser &files_;
    BrumelleIni &settingsFile_;
    QString documentPath_; // the document last read or written, which the calculation note names
    bool modified_ = false;
    bool endingSession_ = false;
    NumberSeparators separators_;
    ChartArea *chart_ = nullptr;
    QLabel *status_ = nullptr;
    QStatusBar *statusBar_ = nullptr;
    bool activated_ = false;
    ProgramWindows *windows_ = nullptr;
    QMenu *fichier_ = nullptr;
    // Read with the settings, written with them at close; built with the menus.
    std::optional<RecentDocumentsMenu> recent_;
};

} // namespace brumelle
