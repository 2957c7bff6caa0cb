#pragma once
// Chart settings in preference files ("*.pfs") and in Brumelle.ini.
#include <string>

#include "chart/chart_settings.h"
#include "presentation/messages.h"
#include "storage/ini_file.h"

namespace brumelle {

constexpr const char *kPreferenceSection = "Temperature seche";

// A preference file is one whose "Temperature seche" section holds a key.
inline bool IsPreferenceFile(const IniFile &f) { return f.SectionHasKeys(kPreferenceSection); }

// Reads the 37 keys into every field. A missing key, a value that is not a
// 32-bit integer, or one the chart cannot draw with (a range bound beyond
// any the zoom can set, a colour outside 24 bits, a pressure of 0 or less)
// takes the default; a range left with Maxi not above Mini takes both
// defaults. Density and line-style codes are taken as they come.
void ReadSettings(const IniFile &f, ChartSettings &s);
// Writes the 37 keys, each a decimal integer.
void WriteSettings(IniFile &f, const ChartSettings &s);
// Writes the 14 colour and line-style keys.
void WriteColoursAndStyles(IniFile &f, const ChartSettings &s);

// "Ouvrir préférences..." after its dialog: a file that is not a preference
// file shows "Le fichier n'est pas reconnu par le Brumelle" and changes nothing.
bool OpenPreferences(const std::string &path, ChartSettings &s, Messages &messages);
// "Enregistrer préférences..." after its dialog: asks before writing over a
// preference file; false when declined or not written.
bool SavePreferences(const std::string &path, const ChartSettings &s, Messages &messages);

} // namespace brumelle
