#include "cli/cli_options.h"

#include <QString>

#include "chart/chart_settings.h"
#include "presentation/number_format.h"

namespace brumelle {

namespace {

const char *kUsage =
    "usage:\n"
    "  brumelle-cli chart --plot WxH [--preferences FILE.pfs] [--set KEY=VALUE]... [--document FILE.brm]\n"
    "                     [--weather FILE.epw [--months A-B] [--hours A-B]]\n"
    "                     [--device-pixel-ratio R] [--locale NAME] -o FILE.png|FILE.svg|FILE.pdf\n"
    "  brumelle-cli readout --plot WxH [--preferences FILE.pfs] [--set KEY=VALUE]... [--locale NAME] X Y\n"
    "  brumelle-cli run FILE.brm [--save OUT.brm] [--locale NAME]\n"
    "  brumelle-cli note FILE.brm -o NOTE.pdf [--preferences FILE.pfs] [--set KEY=VALUE]... [--locale NAME]\n"
    "  brumelle-cli weather FILE.epw [--months A-B] [--hours A-B] [--preferences FILE.pfs] [--set KEY=VALUE]...\n"
    "                       [--zone NAME:TSMIN:TSMAX:HRMIN:HRMAX]... [--comfort MET:CLO:V] [--locale NAME]\n"
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
    "weather prints a weather file's location, its hours (read, missing, unreadable, retained\n"
    "by --months and --hours, outside the chart of the settings), its design conditions (the\n"
    "file's, then those computed from the year) and\n"
    "its retained hours counted in cells of 1 C x 1 g/kgas; chart --weather draws those hours\n"
    "on the chart, chart --document and note those of the document's \"Meteo\" section.\n"
    "A span A-B of months (1 to 12) or hours of the day (1 to 24) may wrap: 11-2.\n"
    "weather then prints, for each --zone and for the ASHRAE 55 comfort zone of --comfort\n"
    "(air speed V at most 0.2 m/s), the retained hours inside and their share; their\n"
    "decimals with a full stop.\n"
    "The messages the program would show go to the error output.\n";

// Device pixel ratios the chart command draws at.
constexpr double kMinRatio = 1, kMaxRatio = 4;

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

// A span "A-B" of whole numbers from 1 to `highest`; A after B wraps.
std::optional<std::pair<int, int>> parseSpan(const std::string &text, int highest)
{
    const auto dash = text.find('-');
    if (dash == std::string::npos)
        return std::nullopt;
    const auto from = ReadInteger(text.substr(0, dash));
    const auto to = ReadInteger(text.substr(dash + 1));
    if (!from || !to || *from < 1 || *from > highest || *to < 1 || *to > highest)
        return std::nullopt;
    return std::make_pair(static_cast<int>(*from), static_cast<int>(*to));
}

} // namespace

int Usage(std::string &err, const std::string &why)
{
    err += "brumelle-cli: " + why + "\n" + kUsage;
    return kUsageStatus;
}

std::optional<Options> ParseOptions(const std::vector<std::string> &args, std::string &err)
{
    Options o;
    o.command = args.at(0);
    const auto wrong = [&err](const std::string &why) {
        Usage(err, why);
        return std::nullopt;
    };
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
                return wrong("--plot needs WIDTHxHEIGHT in pixels");
        } else if (a == "--set") {
            const auto eq = value(v) ? v.find('=') : std::string::npos;
            ChartSettings check;
            if (eq == std::string::npos || !SetChartSetting(check, v.substr(0, eq), v.substr(eq + 1)))
                return wrong("--set needs KEY=VALUE with a known chart setting and a whole number");
            o.sets.emplace_back(v.substr(0, eq), v.substr(eq + 1));
        } else if (a == "--preferences") {
            if (!value(v))
                return wrong("--preferences needs a file name");
            o.preferences = v;
        } else if (a == "--save") {
            if (!value(v) || v.empty())
                return wrong("--save needs a file name");
            o.save = v;
        } else if (a == "--locale") {
            if (!value(v))
                return wrong("--locale needs a name such as fr_FR");
            o.locale = v;
        } else if (a == "--document") {
            if (!value(v))
                return wrong("--document needs a file name");
            o.document = v;
        } else if (a == "--device-pixel-ratio") {
            if (!value(v) || !(o.ratio = parseRatio(v)))
                return wrong("--device-pixel-ratio needs a number from 1 to 4, such as 2 or 1.5");
        } else if (a == "--weather") {
            if (!value(v) || v.empty())
                return wrong("--weather needs a file name");
            o.weather = v;
        } else if (a == "--months") {
            if (!value(v) || !(o.months = parseSpan(v, 12)))
                return wrong("--months needs A-B, two months from 1 to 12");
        } else if (a == "--hours") {
            if (!value(v) || !(o.hours = parseSpan(v, 24)))
                return wrong("--hours needs A-B, two hours of the day from 1 to 24");
        } else if (a == "--zone") {
            if (!value(v))
                return wrong("--zone needs NAME:TSMIN:TSMAX:HRMIN:HRMAX");
            const ZoneArgument zone = ParseZoneArgument(v);
            if (!zone.zone)
                return wrong("--zone " + v + ": " + zone.error);
            o.zones.push_back(*zone.zone);
        } else if (a == "--comfort") {
            if (!value(v))
                return wrong("--comfort needs MET:CLO:V");
            const ComfortArgument comfort = ParseComfortArgument(v);
            if (!comfort.inputs)
                return wrong("--comfort " + v + ": " + comfort.error);
            o.comfort = *comfort.inputs;
        } else if (a == "-o") {
            if (!value(v) || v.empty())
                return wrong("-o needs a file name");
            o.output = v;
        } else if (a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9')) {
            return wrong("unknown option '" + a + "'");
        } else {
            o.positional.push_back(a);
        }
    }
    if (o.ratio && o.command != "chart")
        return wrong("--device-pixel-ratio goes with chart");
    if (o.weather && o.command != "chart")
        return wrong("--weather goes with chart");
    if ((o.months || o.hours) && o.command != "weather" && !(o.command == "chart" && o.weather))
        return wrong("--months and --hours go with weather or chart --weather");
    if ((!o.zones.empty() || o.comfort) && o.command != "weather")
        return wrong("--zone and --comfort go with weather");
    return o;
}

} // namespace brumelle
