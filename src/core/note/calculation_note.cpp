#include "note/calculation_note.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "calculators/evolution_boxes.h"

namespace brumelle {

namespace {

// A typed cell (what the user typed into a grid, the pressure box's text) is
// set right when it reads as a number: nothing but its look tells.
bool LooksNumeric(const std::string &t)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return !t.empty() && (digit(t[0]) || (t.size() > 1 && t[0] == '-' && digit(t[1])));
}

std::vector<std::vector<NoteCell>> Rows(const ResultGrid &grid)
{
    std::vector<std::vector<NoteCell>> rows(static_cast<size_t>(grid.RowCount()));
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col) {
            const std::string &text = grid.Cell(col, row);
            const CellKind kind = grid.Kind(col, row);
            rows[static_cast<size_t>(row)].push_back(
                {text, kind == CellKind::Number || (kind == CellKind::Typed && LooksNumeric(text))});
        }
    return rows;
}

// A calculation's section, or nothing when it never ran. A stopped run shows
// its inputs and its message: its grid and boxes hold nothing of it.
std::optional<NoteSection> Section(const char *title, const LastRun &run, const ResultGrid &grid,
                                   std::vector<NoteField> results, bool inputsChanged)
{
    if (run.outcome == LastRun::Outcome::NotRun)
        return std::nullopt;
    NoteSection s{title, run.inputs, {}, {}, run.messages, inputsChanged};
    if (run.outcome == LastRun::Outcome::Completed) {
        s.rows = Rows(grid);
        s.results = std::move(results);
    }
    return s;
}

void AddEvolutions(const EvolutionData &e, std::vector<NoteSection> &out)
{
    for (const Evolution which : kEvolutions) {
        const EvolutionBoxes &boxes = BoxesOf(which);
        std::vector<NoteField> results;
        for (const EvolutionTextBox &box : boxes.results)
            results.push_back({box.caption, e.*box.field});
        if (auto s = Section(boxes.title, e.*boxes.lastRun, e.*boxes.grid, std::move(results),
                             InputsChangedSinceRun(e, which)))
            out.push_back(std::move(*s));
    }
}

void AddSizing(const AhuData &a, std::vector<NoteSection> &out)
{
    if (auto s = Section("Dimensionnement CTA", a.lastRun, a.grille_resultats, {}, InputsChangedSinceRun(a)))
        out.push_back(std::move(*s));
}

} // namespace

const std::array<const char *, 12> kFrenchMonths = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                                    "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

std::string FrenchDate(int year, int month, int day)
{
    const char *name = month >= 1 && month <= 12 ? kFrenchMonths[static_cast<size_t>(month - 1)] : "";
    return std::to_string(day) + " " + name + " " + std::to_string(year);
}

CalculationNote BuildCalculationNote(const EvolutionData &evolutions, const AhuData &ahu, uint32_t patmPa,
                                     const NoteStamp &stamp)
{
    CalculationNote note;
    note.title = "Note de calcul";
    note.document = stamp.documentPath.empty() ? "Sans titre"
                                               : std::filesystem::path(stamp.documentPath).filename().string();
    note.date = FrenchDate(stamp.year, stamp.month, stamp.day);
    note.program = std::string("Brumelle ") + BRUMELLE_VERSION;
    note.pressure = {"Pression atmosphérique en Pa", std::to_string(patmPa)};
    AddEvolutions(evolutions, note.sections);
    AddSizing(ahu, note.sections);
    return note;
}

std::string PlaceName(const EpwLocation &l)
{
    std::string name;
    for (const std::string *part : {&l.city, &l.state, &l.country}) {
        if (part->empty())
            continue;
        if (!name.empty())
            name += ", ";
        name += *part;
    }
    return name;
}

void AddClimateSection(CalculationNote &note, const Climate &climate, const DisplayedRanges &ranges,
                       const NumberSeparators &sep)
{
    if (!climate.Loaded())
        return;
    NoteSection s;
    s.title = "Climat";
    s.inputs = {
        {"Lieu", PlaceName(climate.year->location)},
        {"Fichier météo", std::filesystem::path(climate.path).filename().string()},
        {"Mois", SpanText(climate.filter.monthFrom, climate.filter.monthTo)},
        {"Heures", SpanText(climate.filter.hourFrom, climate.filter.hourTo)},
    };
    s.results = {
        {"Heures retenues", std::to_string(climate.cells.retained)},
        {"Heures hors diagramme", std::to_string(climate.Outside(ranges))},
    };
    // Each zone's line of the chart's legend, its name as the caption.
    for (const DrawnZone &z : climate.zones)
        s.results.push_back({z.name, ZoneCountText(z, sep)});
    const std::vector<DesignRow> design = DesignRowsOf(climate);
    if (!design.empty())
        s.rows.push_back({{"Conditions de base"}, {"Source"}, {"T° Seche °C"}, {"T° Humide °C"}});
    for (const DesignRow &row : design)
        s.rows.push_back({{row.Name()},
                          {row.source},
                          {FormatFixed(row.condition.dryBulbC, 2, sep), true},
                          {row.condition.wetBulbC ? FormatFixed(*row.condition.wetBulbC, 2, sep) : "", true}});
    note.sections.insert(note.sections.begin(), std::move(s));
}

} // namespace brumelle
