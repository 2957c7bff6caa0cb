#include "cli/cli.h"

#include <functional>
#include <optional>
#include <tuple>
#include <utility>

#include <QDate>
#include <QLocale>
#include <QString>

#include "calculations.h"
#include "chart/chart_settings.h"
#include "chart/climate_layer.h"
#include "chart/geometry.h"
#include "chart/overlay.h"
#include "chart/readout.h"
#include "cli/cli_options.h"
#include "document_opening.h"
#include "note/calculation_note.h"
#include "presentation/number_format.h"
#include "program_state.h"
#include "render/chart_image.h"
#include "render/locale_separators.h"
#include "render/note_pdf.h"
#include "storage/file_replace.h"
#include "storage/ini_file.h"
#include "storage/preferences.h"
#include "storage/weather_file.h"
#include "study_overlay.h"
#include "weather/climate.h"
#include "weather/weather_types.h"

namespace brumelle {

namespace {

NumberSeparators separators(const Options &o)
{
    return SeparatorsOf(o.locale ? QLocale(QString::fromStdString(*o.locale)) : QLocale::system());
}

// Every message the program would show, one line each, in order.
class LineMessages : public Messages {
public:
    explicit LineMessages(std::string &err, bool answer = false) : err_(err), answer_(answer) {}
    void information(const std::string &t) override { line("information", t); }
    void message(const std::string &t) override { line("message", t); }
    void error(const std::string &t) override { line("erreur", ErrorBoxText(t)); }
    bool confirm(const std::string &t) override
    {
        line("confirmation", t);
        return answer_; // nobody to ask: the command line said it beforehand
    }
    Answer ask(const std::string &t) override
    {
        line("question", t);
        return Answer::Cancel; // nobody to answer: nothing is set aside
    }

private:
    void line(const char *kind, const std::string &text)
    {
        std::string flat;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                continue; // CR LF is one break
            flat += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
        }
        err_ += std::string(kind) + ": " + flat + "\n";
    }
    std::string &err_;
    bool answer_;
};

// Settings from their defaults, the preference file, then every --set.
// Nothing when the preference file is not one (its message printed).
std::optional<ChartSettings> settingsOf(const Options &o, std::string &err)
{
    ChartSettings s;
    if (o.preferences) {
        LineMessages messages(err);
        if (!OpenPreferences(*o.preferences, s, messages))
            return std::nullopt;
    }
    for (const auto &[key, value] : o.sets)
        SetChartSetting(s, key, value);
    return s;
}

// Opens a document as the program does and runs its calculations; the
// messages go to err. Returns the exit status when the run cannot go on.
std::optional<int> openDocument(const Options &o, const std::string &path, ProgramState &state, std::string &err)
{
    IniFile file;
    if (!file.LoadFromFile(path))
        return Usage(err, "cannot read '" + path + "'");
    LineMessages messages(err);
    Calculations calculations(state, messages, [] {}, separators(o));
    if (OpenDocument(file, state, calculations, messages, [] {}) == DocumentOpening::NotRecognised)
        return 1;
    // What the evolutions window shows when it is next opened: its activation
    // writes the headings and the pressure text of the document into row 8.
    calculations.evolutions().WriteGridFrames();
    calculations.evolutions().ResetAirflowUnits();
    return std::nullopt;
}

// The weather file at `path` read at the chart's pressure, the hours of
// --months and --hours retained, into `climate`. False when it is refused
// (its message printed).
bool loadWeather(const std::string &path, const Options &o, long double chartPatmPa, Climate &climate,
                 std::string &err)
{
    LineMessages messages(err);
    std::optional<WeatherYear> year = LoadWeatherYear(path, chartPatmPa, messages);
    if (!year)
        return false;
    climate.Close();
    if (o.months)
        std::tie(climate.filter.monthFrom, climate.filter.monthTo) = *o.months;
    if (o.hours)
        std::tie(climate.filter.hourFrom, climate.filter.hourTo) = *o.hours;
    climate.Take(path, std::move(*year));
    return true;
}

// A document opened as the program opens it, saved with --save, then its
// result grids, boxes and AHU modes printed.
int runDocument(const Options &o, std::string &out, std::string &err)
{
    if (o.plot || !o.sets.empty() || o.preferences || o.output || o.document || o.positional.size() != 1)
        return Usage(err, "run needs the document FILE and takes no option but --save and --locale");
    ProgramState state;
    if (const auto status = openDocument(o, o.positional[0], state, err))
        return *status;
    if (o.save) {
        LineMessages yes(err, true);
        if (SaveDocument(*o.save, state, yes) != DocumentSaving::Saved)
            return 1;
    }

    const EvolutionData &d = state.evolutions;
    const std::pair<const char *, const ResultGrid *> grids[] = {
        {"grille_un_point", &d.grille_un_point}, {"grille_BC", &d.grille_BC},   {"grille_melange", &d.grille_melange},
        {"grille_bfc", &d.grille_bfc},           {"grille_lav", &d.grille_lav}, {"grille_vap", &d.grille_vap},
    };
    for (const auto &[name, grid] : grids) {
        std::string text = GridClipboardText(*grid);
        for (char &c : text)
            if (c == '\r')
                c = '\n';
        out += "[" + std::string(name) + "]\n" + text;
    }
    const std::pair<const char *, const std::string *> boxes[] = {
        {"e_P_bc", &d.e_P_bc},
        {"E_P_BFC", &d.E_P_BFC},
        {"E_Efficacite_BFC", &d.E_Efficacite_BFC},
        {"e_condensation_bfc", &d.e_condensation_bfc},
        {"E_efficacite_lav", &d.E_efficacite_lav},
        {"E_qm_eau_lav", &d.E_qm_eau_lav},
        {"E_qm_eau_vap", &d.E_qm_eau_vap},
        {"E_valeur_arr", &d.E_valeur_arr},
    };
    for (const auto &[name, text] : boxes)
        out += std::string(name) + "=" + *text + "\n";

    // The sizing's grid: always its ten rows, each as wide as the grid is.
    const ResultGrid &g = state.ahu.grille_resultats;
    out += "[grille_resultats]\n";
    for (int row = 0; row < 10; ++row) {
        for (int col = 0; col < g.ColCount(); ++col)
            out += (col > 0 ? "\t" : "") + (row < g.RowCount() ? g.Cell(col, row) : std::string());
        out += "\n";
    }
    out += "FreshAirMode=" + std::to_string(state.ahu.FreshAirMode) + "\n";
    out += "TreatmentMode=" + std::to_string(state.ahu.TreatmentMode) + "\n";
    return 0;
}

// The calculation note of a document opened as run does, at the chart
// settings of the preference file and --set, written over the output file.
int writeNote(const Options &o, std::string &, std::string &err)
{
    if (o.plot || o.save || o.document || !o.output || o.positional.size() != 1)
        return Usage(err, "note needs the document FILE and -o NOTE.pdf");
    const std::optional<ChartSettings> settings = settingsOf(o, err);
    if (!settings)
        return 1;
    ProgramState state;
    state.settings = *settings;
    if (const auto status = openDocument(o, o.positional[0], state, err))
        return *status;
    const QDate today = QDate::currentDate();
    CalculationNote note = BuildCalculationNote(state.evolutions, state.ahu, state.settings.Patm,
                                                {o.positional[0], today.year(), today.month(), today.day()});
    AddClimateSection(note, state.climate, DisplayedRangesOf(state.settings), separators(o));
    LineMessages messages(err);
    const QByteArray pdf = CalculationNotePdf(note, state.settings, OverlayOf(state, separators(o)),
                                              ClimateLayerOf(state.climate, state.settings.Patm, separators(o)));
    return SaveFileWhole(*o.output, pdf.toStdString(), messages) ? 0 : 1;
}

// What chart and readout need before their own arguments: a plot, and no
// --save. Returns the exit status when one is wrong.
std::optional<int> checkPlotted(const Options &o, std::string &err)
{
    if (!o.plot)
        return Usage(err, "--plot is required");
    if (o.save)
        return Usage(err, "--save goes with run");
    return std::nullopt;
}

// The chart at the settings, with the evolutions of --document over it,
// written as the output file's extension says.
int writeChart(const Options &o, std::string &, std::string &err)
{
    if (const auto status = checkPlotted(o, err))
        return *status;
    if (!o.output || !o.positional.empty())
        return Usage(err, "chart needs -o FILE and no other argument");
    const auto [w, h] = *o.plot;
    if (w + kClientMarginWidth <= 0 || h + kClientMarginHeight <= 0)
        return Usage(err, "the image would be empty");
    const double ratio = o.ratio.value_or(1);
    if (ScaledLength(w + kClientMarginWidth, ratio) > kMaxImageWidth ||
        ScaledLength(h + kClientMarginHeight, ratio) > kMaxImageHeight)
        return Usage(err, "the image would be larger than " + std::to_string(kMaxImageWidth) + " x " +
                              std::to_string(kMaxImageHeight) + " pixels");
    const QString path = QString::fromStdString(*o.output);
    if (!(path.endsWith(".png", Qt::CaseInsensitive) || path.endsWith(".svg", Qt::CaseInsensitive) ||
          path.endsWith(".pdf", Qt::CaseInsensitive)))
        return Usage(err, "the output file must end in .png, .svg or .pdf");
    const std::optional<ChartSettings> settings = settingsOf(o, err);
    if (!settings)
        return 1;
    ProgramState state;
    state.settings = *settings;
    std::function<void(Canvas &)> overlay;
    if (o.document) {
        if (const auto status = openDocument(o, *o.document, state, err))
            return *status;
        const OverlayInput drawn = OverlayOf(state, separators(o));
        overlay = [&state, drawn, w = w, h = h](Canvas &c) {
            DrawEvolutionOverlay(c, ChartGeometry::ForPlot(w, h, state.settings), drawn,
                                 state.settings.Fenetre.Couleur);
        };
    }
    // Read at the document's pressure, in place of the document's own climate.
    if (o.weather && !loadWeather(*o.weather, o, state.settings.Patm, state.climate, err))
        return 1;
    // The document's pressure draws the chart as well.
    LineMessages messages(err);
    const QByteArray bytes =
        ChartFileBytes(*o.output, state.settings, w, h, overlay, ratio, ClimateLayerOf(state.climate, state.settings.Patm, separators(o)));
    return SaveFileWhole(*o.output, bytes.toStdString(), messages) ? 0 : 1;
}

// What the cursor readout shows at the pixel X Y of the plot.
int printReadout(const Options &o, std::string &out, std::string &err)
{
    if (const auto status = checkPlotted(o, err))
        return *status;
    if (o.output || o.document || o.positional.size() != 2)
        return Usage(err, "readout needs the pixel X Y");
    const auto x = ReadInteger(o.positional[0]);
    const auto y = ReadInteger(o.positional[1]);
    if (!x || !y)
        return Usage(err, "X and Y must be whole numbers");
    const std::optional<ChartSettings> settings = settingsOf(o, err);
    if (!settings)
        return 1;
    const ChartGeometry g = ChartGeometry::ForPlot(o.plot->first, o.plot->second, *settings);
    MoistAirState scratch;
    out += CursorReadout(*settings, g, static_cast<int32_t>(*x), static_cast<int32_t>(*y), scratch, separators(o)) +
           "\n";
    return 0;
}

// What a weather file holds and what the chart of the settings would show of
// it: its location and counts as key=value lines, its design conditions, then
// its retained hours cell by cell.
int printWeather(const Options &o, std::string &out, std::string &err)
{
    if (o.plot || o.save || o.output || o.document || o.positional.size() != 1)
        return Usage(err, "weather needs the weather FILE and takes no option but --months, --hours, --zone, "
                          "--comfort, --preferences, --set and --locale");
    const std::optional<ChartSettings> settings = settingsOf(o, err);
    if (!settings)
        return 1;
    Climate climate;
    if (!loadWeather(o.positional[0], o, settings->Patm, climate, err))
        return 1;
    const WeatherYear &year = *climate.year;
    const NumberSeparators sep = separators(o);
    const auto general = [&sep](const std::optional<long double> &v) {
        return v ? FormatGeneral(*v, sep) : std::string();
    };
    const std::pair<const char *, std::string> lines[] = {
        {"Lieu", PlaceName(year.location)},
        {"WMO", year.location.wmo},
        {"Latitude", general(year.location.latitudeDeg)},
        {"Longitude", general(year.location.longitudeDeg)},
        {"Altitude en m", general(year.location.elevationM)},
        {"Heures", std::to_string(year.hours.size())},
        {"Heures manquantes", std::to_string(year.missingHours)},
        {"Lignes illisibles", std::to_string(year.unreadableRows)},
        {"Heures retenues", std::to_string(climate.cells.retained)},
        {"Heures hors diagramme", std::to_string(climate.Outside(DisplayedRangesOf(*settings)))},
        {"Pression de la station en Pa", FormatFixed(year.stationPressurePa, 0, sep)},
    };
    for (const auto &[key, value] : lines)
        out += std::string(key) + "=" + value + "\n";
    out += "[conditions de base]\n";
    for (const DesignRow &row : DesignRowsOf(climate)) {
        out += row.Name() + "\t" + row.source + "\t" + FormatFixed(row.condition.dryBulbC, 2, sep);
        if (row.condition.wetBulbC)
            out += "\t" + FormatFixed(*row.condition.wetBulbC, 2, sep);
        out += "\n";
    }
    out += "[heures]\n";
    for (const HourCell &cell : climate.cells.cells)
        out += std::to_string(cell.tsC) + "\t" + std::to_string(cell.rGKg) + "\t" + std::to_string(cell.hours) + "\n";
    if (o.zones.empty() && !o.comfort)
        return 0;
    climate.SetZones(o.zones, {o.comfort.value_or(ComfortInputs{}), o.comfort.has_value()}, settings->Patm);
    out += "[zones]\n";
    for (const DrawnZone &z : climate.zones) {
        if (!z.count) {
            LineMessages(err).message(z.name + " : " + ZoneCountText(z, sep));
            return 1;
        }
        out += z.name + "\t" + std::to_string(z.count->inside) + "\t" + FormatFixed(SharePercent(*z.count), 2, sep) +
               "\n";
    }
    return 0;
}

// A command checks the options it takes, runs and returns the exit status;
// what it prints goes to out, the program's messages to err.
struct Command {
    const char *name;
    int (*run)(const Options &, std::string &out, std::string &err);
};

const Command kCommands[] = {
    {"chart", writeChart},
    {"readout", printReadout},
    {"run", runDocument},
    {"note", writeNote},
    {"weather", printWeather},
};

} // namespace

int RunCli(const std::vector<std::string> &args, std::string &out, std::string &err)
{
    if (args.empty())
        return Usage(err, "no command");
    const Command *command = nullptr;
    for (const Command &c : kCommands)
        if (args[0] == c.name)
            command = &c;
    if (!command)
        return Usage(err, "unknown command '" + args[0] + "'");
    const std::optional<Options> o = ParseOptions(args, err);
    if (!o)
        return kUsageStatus;
    return command->run(*o, out, err);
}

} // namespace brumelle
