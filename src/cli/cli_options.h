#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chart/geometry.h"
#include "weather/comfort.h"
#include "weather/zones.h"

namespace brumelle {

// Exit status of a command line that is wrong, its reason and the usage text in err.
constexpr int kUsageStatus = 2;

// Largest plot side accepted, so a typo cannot ask for gigabytes; the image
// of `chart`, in its own pixels at any ratio, is at most that of the largest
// plot at ratio 1.
constexpr long long kMaxPlotSide = 20000;
constexpr int kMaxImageWidth = kMaxPlotSide + kClientMarginWidth;
constexpr int kMaxImageHeight = kMaxPlotSide + kClientMarginHeight;

// The command line, each value already checked for itself; whether a command
// takes it is the command's business.
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
    std::optional<std::string> weather;
    std::optional<std::pair<int, int>> months, hours; // --months, --hours: from, to (a span may wrap)
    std::vector<UserZone> zones;                      // --zone, in the order given
    std::optional<ComfortInputs> comfort;             // --comfort
    std::vector<std::string> positional;
};

// Appends "brumelle-cli: why" and the usage text to err; returns kUsageStatus.
int Usage(std::string &err, const std::string &why);

// The options of args, args[0] being the command. The first wrong one, in
// the order given, ends the reading: nothing is returned and its Usage is in err.
std::optional<Options> ParseOptions(const std::vector<std::string> &args, std::string &err);

} // namespace brumelle
