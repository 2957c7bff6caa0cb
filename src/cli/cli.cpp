#include "cli/cli.h"

#include <optional>

#include <QDate>
#include <QLocale>
#include <QString>

#include "calculations.h"
#include "chart/chart_settings.h"
#include "chart/geometry.h"
#include "chart/overlay.h"
#include "chart/readout.h"
#include "note/calculation_note.h"
#include "presentation/number_format.h"
#include "program_state.h"
#include "render/chart_image.h"
#include "render/locale_separators.h"
#include "render/note_pdf.h"
#include "storage/document.h"
#include "storage/file_replace.h"
#include "storage/ini_file.h"
#include "storage/preferences.h"

namespace brumelle {

namespace {

const char *kUsage =
    "usage:\n"
    "  brumelle-cli chart --plot WxH [--preferences FILE.pfs] [--set KEY=VALUE]... [--document FILE.brm]\n"
    "                     [--device-pixel-ratio R] [--locale NAME] -o FILE.png|FILE.svg|FILE.pdf\n"
    "  brumelle-cli readout --plot WxH [--preferences FILE.pfs] [--set KEY=VALUE]... [--locale NAME] X Y\n"
    "  brumelle-cli run FILE.brm [--save OUT.brm] [--locale NAME]\n"
    "  brumelle-cli note FILE.brm -o NOTE.pdf [--preferences FILE.pfs] [--set KEY=VALUE]... [--locale NAME]\n"
    "KEY is a chart setting: TS.Maxi, R.Mini, HR.Montrer, TH.Couleur, Fenetre.Couleur, Patm, ...;\n"
    "--set applies after --preferences, which reads a preference file as the program does.\n"
    "run opens a document, runs its calculations and the AHU sizing and prints the result\n"
    "grids, boxes and the two AHU modes; --save then writes the document as \"Enregistrer sous...\"\n"
    "does, over any file;\n"
    "chart --document draws, over the chart, every evolution the document ticks for drawing\n"
    "at the document's pressure; --device-pixel-ratio R (1 to 4, decimals allowed) draws the\n"
    "same chart R times finer, as on a screen scaled to R x 100 %: an image of\n"
    "round((W + 70) x R) by round((H + 40) x R) pixels, halves rounded to even;\n"
    "note writes the document's calculation note, the chart and\n"
    "every result on A4 pages, as \"Note de calcul...\" does, over any file.\n"
    "The messages the program would show go to the error output.\n";

// Largest plot side accepted, so a typo cannot ask for gigabytes; the image
// of `chart`, in its own pixels at any ratio, is at most that of the largest
// plot at ratio 1.
constexpr long long kMaxPlotSide = 20000;
constexpr int kMaxImageWidth = kMaxPlotSide + kClientMarginWidth, kMaxImageHeight = kMaxPlotSide + kClientMarginHeight;
// Device pixel ratios the chart command draws at.
constexpr double kMinRatio = 1, kMaxRatio = 4;

struct Options {
    std::string command;
    std::optional<std::pair<int, int>> plot;
    std::vector<std::pair<std::string, std::string>> sets; // --set, applied after --preferences
    std::optional<std::string> preferences;
    std::optional<std::string> save;
    std::optional<std::string> locale;
    std::optional<std::string> output;
    std::optional<std::string> document;
    std::optional<double> ratio;
    std::vector<std::string> positional;
};

int usage(std::string &err, const std::string &why)
{
    err += "brumelle-cli: " + why + "\n" + kUsage;
    return 2;
}

std::optional<std::pair<int, int>> parsePlot(const std::string &text)
{
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos)
        return std::nullopt;
    const auto w = ReadInteger(text.substr(0, x));
    const auto h = ReadInteger(text.substr(x + 1));
    if (!w || !h || *w > kMaxPlotSide || *h > kMaxPlotSide || *w < -kMaxPlotSide || *h < -kMaxPlotSide)
        return std::nullopt;
    return std::make_pair(static_cast<int>(*w), static_cast<int>(*h));
}

// A ratio from 1 to 4 written with a full stop: "2", "1.5", "1.25".
std::optional<double> parseRatio(const std::string &text)
{
    bool ok = false;
    const double r = QString::fromStdString(text).toDouble(&ok);
    if (!ok || !(r >= kMinRatio && r <= kMaxRatio))
        return std::nullopt;
    return r;
}

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
        return usage(err, "cannot read '" + path + "'");
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

int runDocument(const Options &o, std::string &out, std::string &err)
{
    if (o.plot || !o.sets.empty() || o.preferences || o.output || o.document || o.positional.size() != 1)
        return usage(err, "run needs the document FILE and takes no option but --save and --locale");
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
int writeNote(const Options &o, std::string &err)
{
    if (o.plot || o.save || o.document || !o.output || o.positional.size() != 1)
        return usage(err, "note needs the document FILE and -o NOTE.pdf");
    const std::optional<ChartSettings> settings = settingsOf(o, err);
    if (!settings)
        return 1;
    ProgramState state;
    state.settings = *settings;
    if (const auto status = openDocument(o, o.positional[0], state, err))
        return *status;
    const QDate today = QDate::currentDate();
    const CalculationNote note = BuildCalculationNote(state.evolutions, state.ahu, state.settings.Patm,
                                                      {o.positional[0], today.year(), today.month(), today.day()});
    LineMessages messages(err);
    return SaveCalculationNote(*o.output, note, state.settings, OverlayOf(state), separators(o), messages) ? 0 : 1;
}

} // namespace

int RunCli(const std::vector<std::string> &args, std::string &out, std::string &err)
{
    if (args.empty())
        return usage(err, "no command");
    Options o;
    o.command = args[0];
    if (o.command != "chart" && o.command != "readout" && o.command != "run" && o.command != "note")
        return usage(err, "unknown command '" + o.command + "'");
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string &a = args[i];
        auto value = [&](std::string &v) {
            if (i + 1 >= args.size())
                return false;
            v = args[++i];
            return true;
        };
        std::string v;
        if (a == "--plot") {
            if (!value(v) || !(o.plot = parsePlot(v)))
                return usage(err, "--plot needs WIDTHxHEIGHT in pixels");
        } else if (a == "--set") {
            const auto eq = value(v) ? v.find('=') : std::string::npos;
            ChartSettings check;
            if (eq == std::string::npos || !SetChartSetting(check, v.substr(0, eq), v.substr(eq + 1)))
                return usage(err, "--set needs KEY=VALUE with a known chart setting and a whole number");
            o.sets.emplace_back(v.substr(0, eq), v.substr(eq + 1));
        } else if (a == "--preferences") {
            if (!value(v))
                return usage(err, "--preferences needs a file name");
            o.preferences = v;
        } else if (a == "--save") {
            if (!value(v) || v.empty())
                return usage(err, "--save needs a file name");
            o.save = v;
        } else if (a == "--locale") {
            if (!value(v))
                return usage(err, "--locale needs a name such as fr_FR");
            o.locale = v;
        } else if (a == "--document") {
            if (!value(v))
                return usage(err, "--document needs a file name");
            o.document = v;
        } else if (a == "--device-pixel-ratio") {
            if (!value(v) || !(o.ratio = parseRatio(v)))
                return usage(err, "--device-pixel-ratio needs a number from 1 to 4, such as 2 or 1.5");
        } else if (a == "-o") {
            if (!value(v) || v.empty())
                return usage(err, "-o needs a file name");
            o.output = v;
        } else if (a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9')) {
            return usage(err, "unknown option '" + a + "'");
        } else {
            o.positional.push_back(a);
        }
    }
    if (o.ratio && o.command != "chart")
        return usage(err, "--device-pixel-ratio goes with chart");
    if (o.command == "run")
        return runDocument(o, out, err);
    if (o.command == "note")
        return writeNote(o, err);
    if (!o.plot)
        return usage(err, "--plot is required");
    if (o.save)
        return usage(err, "--save goes with run");

    if (o.command == "chart") {
        if (!o.output || !o.positional.empty())
            return usage(err, "chart needs -o FILE and no other argument");
        const auto [w, h] = *o.plot;
        if (w + kClientMarginWidth <= 0 || h + kClientMarginHeight <= 0)
            return usage(err, "the image would be empty");
        const double ratio = o.ratio.value_or(1);
        if (ScaledLength(w + kClientMarginWidth, ratio) > kMaxImageWidth ||
            ScaledLength(h + kClientMarginHeight, ratio) > kMaxImageHeight)
            return usage(err, "the image would be larger than " + std::to_string(kMaxImageWidth) + " x " +
                                  std::to_string(kMaxImageHeight) + " pixels");
        const QString path = QString::fromStdString(*o.output);
        if (!(path.endsWith(".png", Qt::CaseInsensitive) || path.endsWith(".svg", Qt::CaseInsensitive) ||
              path.endsWith(".pdf", Qt::CaseInsensitive)))
            return usage(err, "the output file must end in .png, .svg or .pdf");
        const std::optional<ChartSettings> settings = settingsOf(o, err);
        if (!settings)
            return 1;
        ProgramState state;
        state.settings = *settings;
        std::function<void(Canvas &)> overlay;
        if (o.document) {
            if (const auto status = openDocument(o, *o.document, state, err))
                return *status;
            const NumberSeparators sep = separators(o);
            overlay = [&state, sep, w = w, h = h](Canvas &c) {
                DrawEvolutionOverlay(c, ChartGeometry::ForPlot(w, h, state.settings), OverlayOf(state),
                                     state.settings.Fenetre.Couleur, sep);
            };
        }
        // The document's pressure draws the chart as well.
        if (!WriteChartFile(*o.output, state.settings, w, h, overlay, ratio)) {
            LineMessages messages(err);
            messages.error(CannotWriteMessage(*o.output));
            return 1;
        }
        return 0;
    }

    // readout
    if (o.output || o.document || o.positional.size() != 2)
        return usage(err, "readout needs the pixel X Y");
    const auto x = ReadInteger(o.positional[0]);
    const auto y = ReadInteger(o.positional[1]);
    if (!x || !y)
        return usage(err, "X and Y must be whole numbers");
    const std::optional<ChartSettings> settings = settingsOf(o, err);
    if (!settings)
        return 1;
    const ChartGeometry g = ChartGeometry::ForPlot(o.plot->first, o.plot->second, *settings);
    MoistAirState scratch;
    out += CursorReadout(*settings, g, static_cast<int32_t>(*x), static_cast<int32_t>(*y), scratch, separators(o)) +
           "\n";
    return 0;
}

} // namespace brumelle
