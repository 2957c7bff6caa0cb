#include "storage/document.h"

#include <algorithm>

#include "calculators/evolution_boxes.h"
#include "presentation/number_format.h"
#include "presentation/point_rows.h"
#include "sizing/ahu_boxes.h"
#include "storage/ini_integer.h"
#include "storage/recent_documents.h"

namespace brumelle {

namespace {

constexpr const char *kGeneral = "General";
constexpr const char *kPointSection = "Un point";
constexpr const char *kDrawn = "dessin";
constexpr const char *kClimateSection = "Meteo";
constexpr const char *kZonesSection = "Zones";
// More zones than anyone draws: a document claiming more is not trusted further.
constexpr long long kMaxDocumentZones = 100;

// A zone's keys, "Nom_1", "TS_mini_1", ..., numbered from 1.
struct ZoneKey {
    const char *key;
    long double UserZone::*field;
};
const ZoneKey kZoneKeys[] = {
    {"TS_mini", &UserZone::tsMinC},
    {"TS_maxi", &UserZone::tsMaxC},
    {"HR_mini", &UserZone::hrMinPercent},
    {"HR_maxi", &UserZone::hrMaxPercent},
};
struct ComfortKey {
    const char *key;
    long double ComfortInputs::*field;
};
const ComfortKey kComfortKeys[] = {
    {"Metabolisme", &ComfortInputs::met},
    {"Vetements", &ComfortInputs::clo},
    {"Vitesse_air", &ComfortInputs::airSpeedMs},
};

std::string Numbered(const char *key, size_t i) { return std::string(key) + "_" + std::to_string(i + 1); }

// The numbers as the program's boxes show them, with a decimal comma.
void WriteZones(IniFile &f, const Climate &c)
{
    const ComfortInputs defaults;
    const bool any = !c.userZones.empty() || c.comfort.shown || c.comfort.inputs.met != defaults.met ||
                     c.comfort.inputs.clo != defaults.clo || c.comfort.inputs.airSpeedMs != defaults.airSpeedMs;
    if (!any) {
        // A study without zones must not reopen with those the file last held.
        if (f.SectionHasKeys(kZonesSection)) {
            f.WriteString(kZonesSection, "Nombre", "0");
            f.WriteBool(kZonesSection, "Confort", false);
        }
        return;
    }
    const NumberSeparators sep;
    f.WriteString(kZonesSection, "Nombre", std::to_string(c.userZones.size()));
    for (size_t i = 0; i < c.userZones.size(); ++i) {
        f.WriteString(kZonesSection, Numbered("Nom", i), c.userZones[i].name);
        for (const ZoneKey &k : kZoneKeys)
            f.WriteString(kZonesSection, Numbered(k.key, i), FormatGeneral(c.userZones[i].*k.field, sep));
    }
    f.WriteBool(kZonesSection, "Confort", c.comfort.shown);
    for (const ComfortKey &k : kComfortKeys)
        f.WriteString(kZonesSection, k.key, FormatGeneral(c.comfort.inputs.*k.field, sep));
}

// The section "Meteo": the file percent-encoded, as the recent documents are,
// so that every byte of its name comes back.
struct ClimateKey {
    const char *key;
    int HourFilter::*field;
    int lowest, highest;
};
const ClimateKey kClimateKeys[] = {
    {"Mois_debut", &HourFilter::monthFrom, 1, 12},
    {"Mois_fin", &HourFilter::monthTo, 1, 12},
    {"Heure_debut", &HourFilter::hourFrom, 1, 24},
    {"Heure_fin", &HourFilter::hourTo, 1, 24},
};

void WriteClimate(IniFile &f, const Climate &c)
{
    if (!c.Loaded()) {
        // A study without a weather file must not reopen with the one the file last named.
        if (f.ValueExists(kClimateSection, "Fichier"))
            f.WriteString(kClimateSection, "Fichier", "");
        return;
    }
    f.WriteString(kClimateSection, "Fichier", PercentEncode(c.path));
    for (const ClimateKey &k : kClimateKeys)
        f.WriteString(kClimateSection, k.key, std::to_string(c.filter.*k.field));
    f.WriteBool(kClimateSection, "Montrer", c.shown);
}

void ReadAhuInputs(const IniFile &f, AhuData &d, DrawingFlags &flags)
{
    for (const AhuTextBox &box : AhuTextBoxes())
        d.*box.field = f.ReadString(kAhuSection, box.key, box.initialText);
    // As the buttons do: selecting one clears the rest of its group (so the
    // later key wins) and, for the fresh-air group, runs the enabling rule;
    // clearing one runs nothing.
    for (const AhuRadioButton &b : AhuRadioButtons()) {
        bool &checked = RadioState(d, b.button);
        if (!f.ReadBool(kAhuSection, b.key)) {
            checked = false;
        } else if (!checked) {
            SelectRadio(d, b.button);
            if (b.button != AhuRadio::Vap && b.button != AhuRadio::Lav)
                ApplyFreshAirEnabling(d);
        }
    }
    flags.Check_dessin_CTA = f.ReadBool(kAhuSection, kDrawn);
}

void WriteAhuInputs(IniFile &f, const AhuData &d, const DrawingFlags &flags)
{
    for (const AhuTextBox &box : AhuTextBoxes())
        f.WriteString(kAhuSection, box.key, d.*box.field);
    for (const AhuRadioButton &b : AhuRadioButtons())
        f.WriteBool(kAhuSection, b.key, RadioState(d, b.button));
    f.WriteBool(kAhuSection, kDrawn, flags.Check_dessin_CTA);
}

} // namespace

bool IsDocument(const IniFile &file) { return file.ReadBool(kGeneral, "bon_fichier"); }

std::string DocumentPressureText(const IniFile &file) { return file.ReadString(kGeneral, "P", "101325"); }

void ReadDocumentInputs(const IniFile &f, EvolutionData &d, AhuData &ahu, DrawingFlags &flags)
{
    // Only the TS and HR cells of the single-point grid are kept in a
    // document; another study's results must not stay beside them.
    RestorePointInputs(d, f.ReadString(kPointSection, "TS", "20"), f.ReadString(kPointSection, "HR", "50"));
    flags.Check_dessin_1point = f.ReadBool(kPointSection, kDrawn);
    for (const Evolution which : kEvolutions) {
        const EvolutionBoxes &calculation = BoxesOf(which);
        if (which == Evolution::Point)
            continue;
        for (const EvolutionTextBox &box : calculation.inputs)
            d.*box.field = f.ReadString(calculation.section, box.key, box.fileDefault);
        flags.*calculation.drawn = f.ReadBool(calculation.section, kDrawn);
    }
    ReadAhuInputs(f, ahu, flags);
}

std::optional<DocumentClimate> ReadDocumentClimate(const IniFile &f)
{
    DocumentClimate c;
    c.path = PercentDecode(f.ReadString(kClimateSection, "Fichier", ""));
    if (c.path.empty())
        return std::nullopt;
    // A value that is not one of the span's gives the span's end.
    for (const ClimateKey &k : kClimateKeys) {
        long long v = 0;
        const bool read = ParseIniInteger(f.ReadString(kClimateSection, k.key, ""), v);
        const bool from = k.field == &HourFilter::monthFrom || k.field == &HourFilter::hourFrom;
        c.filter.*k.field = read && v >= k.lowest && v <= k.highest ? static_cast<int>(v) : from ? k.lowest : k.highest;
    }
    c.shown = f.ReadBool(kClimateSection, "Montrer", true);
    return c;
}

void WriteDocument(IniFile &f, uint32_t patmPa, const EvolutionData &d, const AhuData &ahu, const DrawingFlags &flags,
                   const Climate &climate)
{
    f.WriteBool(kGeneral, "bon_fichier", true);
    f.WriteString(kGeneral, "P", std::to_string(patmPa));
    f.WriteString(kPointSection, "TS", d.grille_un_point.Cell(1, kTsRow));
    f.WriteString(kPointSection, "HR", d.grille_un_point.Cell(1, kHrRow));
    f.WriteBool(kPointSection, kDrawn, flags.Check_dessin_1point);
    for (const Evolution which : kEvolutions) {
        const EvolutionBoxes &calculation = BoxesOf(which);
        if (which == Evolution::Point)
            continue;
        for (const EvolutionTextBox &box : calculation.inputs)
            f.WriteString(calculation.section, box.key, d.*box.field);
        f.WriteBool(calculation.section, kDrawn, flags.*calculation.drawn);
    }
    WriteAhuInputs(f, ahu, flags);
    WriteClimate(f, climate);
    WriteZones(f, climate);
}

DocumentZones ReadDocumentZones(const IniFile &f)
{
    DocumentZones z;
    long long count = 0;
    if (!ParseIniInteger(f.ReadString(kZonesSection, "Nombre", "0"), count))
        count = 0;
    // A zone that cannot be kept as it stands is left out, as the dialog would refuse it.
    for (size_t i = 0; i < static_cast<size_t>(std::clamp(count, 0LL, kMaxDocumentZones)); ++i) {
        UserZone zone;
        zone.name = f.ReadString(kZonesSection, Numbered("Nom", i), "");
        bool read = true;
        for (const ZoneKey &k : kZoneKeys) {
            const std::optional<long double> v = ReadUserNumber(f.ReadString(kZonesSection, Numbered(k.key, i), ""));
            read = read && v;
            zone.*k.field = v.value_or(0);
        }
        if (read && ZoneError(zone).empty())
            z.user.push_back(zone);
    }
    ComfortInputs inputs;
    for (const ComfortKey &k : kComfortKeys)
        if (const auto v = ReadUserNumber(f.ReadString(kZonesSection, k.key, "")))
            inputs.*k.field = *v;
    if (InvalidComfortField(inputs) == ComfortField::None)
        z.comfort.inputs = inputs;
    z.comfort.shown = f.ReadBool(kZonesSection, "Confort") && InvalidComfortField(inputs) == ComfortField::None;
    return z;
}

} // namespace brumelle
