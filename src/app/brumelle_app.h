#pragma once
#include <memory>

#include <QString>

#include "calculations.h"
#include "program_state.h"
#include "ui/program_windows.h"

namespace brumelle {

class BrumelleIni;
class ChartPrinter;
class Clipboard;
class ColourChooser;
class DialogChartPrinter;
class DialogColourChooser;
class DialogFileChooser;
class FileChooser;
class Messages;
class QtMessages;
class SystemClipboard;
class HelpWindow;
class TF_calcul_un_point;
class TF_dimensionnement;
class TF_conditions_base;
class TF_heures_meteo;
class TF_zones;
class TF_lignes;
class TForm1;
class TPrecision;

// Where Brumelle.ini lives: beside the executable when that folder can be
// written (a portable install), else in the user's configuration folder.
QString SettingsFilePath();

// The ports the program talks to the user through. Those left null are the
// real dialogs, clipboard and printer; tests give their own.
struct AppPorts {
    Messages *messages = nullptr;
    Clipboard *clipboard = nullptr;
    ChartPrinter *printer = nullptr;
    FileChooser *files = nullptr;
    ColourChooser *colours = nullptr;
};

// The program: its state, the ports through which it talks to the user, its
// settings file, its calculations and its windows, created in this order: main
// window, line-style picker (which the options dialog uses), options dialog,
// evolutions window, sizing wizard; the help window at its first use.
class BrumelleApp : public ProgramWindows {
public:
    using Ports = AppPorts;
    explicit BrumelleApp(Ports ports = Ports(), QString settingsFile = SettingsFilePath());
    ~BrumelleApp() override;

    ProgramState &State() { return state_; }
    Calculations &AllCalculations() { return *calculations_; }
    TForm1 &MainWindow() { return *form_; }
    TPrecision &Options() { return *options_; }
    TF_heures_meteo &WeatherHours() { return *weatherHours_; }
    TF_conditions_base &DesignConditions() { return *designConditions_; }
    TF_zones &Zones() { return *zones_; }
    TF_lignes &LineStyles() { return *lines_; }
    TF_calcul_un_point &Evolutions() { return *evolutions_; }
    TF_dimensionnement &Sizing() { return *sizing_; }

    void ShowEvolutions() override;
    void ShowSizing() override;
    void ShowOptions() override;
    void ShowWeatherHours() override;
    void ShowDesignConditions() override;
    void ShowZones() override;
    void UntickDrawingBoxes() override;
    void ShowHelp() override;
    void ShowAbout() override;

    // Opens a document as "Ouvrir..." does, once no modal window is in use
    // (a document must not change what an open dialog is showing).
    void OpenWhenFree(const QByteArray &document);
    HelpWindow *Help() const { return help_.get(); }

private:
    void RepaintChart();

    ProgramState state_;
    // The real dialogs, clipboard and printer, and the ports in use.
    std::unique_ptr<QtMessages> qtMessages_;
    std::unique_ptr<SystemClipboard> systemClipboard_;
    std::unique_ptr<DialogChartPrinter> dialogPrinter_;
    std::unique_ptr<DialogFileChooser> dialogFiles_;
    std::unique_ptr<DialogColourChooser> dialogColours_;
    Ports ports_;
    // Brumelle.ini, read and written by the main window, the colours and styles by the options dialog.
    std::unique_ptr<BrumelleIni> settingsFile_;
    std::unique_ptr<Calculations> calculations_;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TPrecision> options_;
    std::unique_ptr<TF_heures_meteo> weatherHours_;
    std::unique_ptr<TF_conditions_base> designConditions_;
    std::unique_ptr<TF_zones> zones_;
    std::unique_ptr<TF_lignes> lines_;
    std::unique_ptr<TF_calcul_un_point> evolutions_;
    std::unique_ptr<TF_dimensionnement> sizing_;
    std::unique_ptr<HelpWindow> help_;
};

} // namespace brumelle
