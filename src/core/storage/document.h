#pragma once
// The document file: the inputs of the evolutions window and of the sizing
// wizard, the pressure and the "dessiner" boxes, as its sections and keys.
// Opening one (re-running every calculation) and asking before one is
// written over are the program's (document_opening.h).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "presentation/drawing_flags.h"
#include "storage/file_messages.h"
#include "storage/ini_file.h"
#include "weather/climate.h"

namespace brumelle {

struct AhuData;
struct EvolutionData;

// True when the file is a document ("General" / "bon_fichier" true).
bool IsDocument(const IniFile &file);
// The pressure text the document holds ("General" / "P"; "101325" without it).
std::string DocumentPressureText(const IniFile &file);

// Puts the document's inputs into the records, each missing key its
// default, as the windows would take them: only the TS and HR cells of the
// single-point grid (its other rows emptied); the wizard's radio buttons as
// its buttons do (selecting one clears the rest of its group and, for the
// fresh-air group, runs the enabling rule; clearing one runs nothing); the
// "dessiner" flags.
void ReadDocumentInputs(const IniFile &file, EvolutionData &evolutions, AhuData &ahu, DrawingFlags &flags);

// Writes "General" ("bon_fichier" = 1, "P" = the pressure in use), then every
// input of the evolutions window and of the sizing wizard, texts as shown,
// then the climate's section "Meteo" when the study has a weather file (or
// empties its file key where the document had one), and "Zones" when it has
// zones or comfort inputs (or says none where the document had some).
void WriteDocument(IniFile &file, uint32_t patmPa, const EvolutionData &evolutions, const AhuData &ahu,
                   const DrawingFlags &flags, const Climate &climate);

// The climate a document names in its section "Meteo": its weather file (in
// the system's bytes), the months and hours retained and whether the hours
// are shown. Nothing when it names no file.
struct DocumentClimate {
    std::string path;
    HourFilter filter;
    bool shown = true;
};
std::optional<DocumentClimate> ReadDocumentClimate(const IniFile &file);

// The zones a document keeps in its section "Zones": the user's (those that
// cannot be kept as they stand left out) and the comfort zone's inputs and
// showing (its defaults when they are not valid). None without the section.
struct DocumentZones {
    std::vector<UserZone> user;
    ComfortChoice comfort;
};
DocumentZones ReadDocumentZones(const IniFile &file);

} // namespace brumelle
