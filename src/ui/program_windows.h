#pragma once

namespace brumelle {

// What the main window's menus reach beyond the chart: the other windows,
// each shown modally, and their drawing boxes. The application provides it.
class ProgramWindows {
public:
    virtual ~ProgramWindows() = default;
    virtual void ShowEvolutions() = 0; // "Evolutions élémentaires"
    virtual void ShowSizing() = 0;     // "Dimensionnement CTA"
    virtual void ShowOptions() = 0;    // "Précision du tracé"; returns once the dialog closed
    virtual void ShowWeatherHours() = 0; // "Heures affichées..."; returns once the dialog closed
    virtual void ShowDesignConditions() = 0; // "Conditions de base..."; returns once the dialog closed
    virtual void ShowZones() = 0;            // "Zones..."; returns once the dialog closed
    // Unticks every "dessiner" box through its own handler (the erase command).
    virtual void UntickDrawingBoxes() = 0;
    virtual void ShowHelp() = 0;  // "Aide": the help at its contents page
    virtual void ShowAbout() = 0; // "A propos": shown modally, then destroyed
};

} // namespace brumelle
