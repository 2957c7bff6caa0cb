// Bad input never shows an impossible result, never hangs, never grows
// without bound.
#include <filesystem>
#include <fstream>
#include <utility>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "calculations.h"
#include "chart/readout.h"
#include "document_opening.h"
#include "model/fault.h"
#include "program_state.h"
#include "storage/bounded_file.h"
#include "storage/ini_integer.h"
#include "support/recording_messages.h"

using namespace brumelle;
using brumelle::test::RecordingMessages;

namespace {

bool Refused(const MoistAirState &p)
{
    try {
        CheckPhysical(p);
        return false;
    } catch (const ComputeFault &) {
        return true;
    }
}

} // namespace

TEST(Hardening, ImpossibleStatesAreFaults)
{
    MoistAirState ok;
    ok.TS = 20;
    ok.TH = 13.82L;
    ok.TR = 9.27L;
    ok.R = 0.00727L;
    ok.V = 0.84L;
    ok.HR = 50;
    ok.H = 38.6L;
    EXPECT_FALSE(Refused(ok));
    struct Case {
        const char *name;
        long double MoistAirState::*field;
        long double value;
    };
    const Case cases[] = {
        {"at absolute zero", &MoistAirState::TS, -273.15L},
        {"wet bulb below absolute zero", &MoistAirState::TH, -221855849.37L},
        {"negative humidity ratio", &MoistAirState::R, -4.61909L},
        {"negative volume", &MoistAirState::V, -0.533521L},
        {"not a number", &MoistAirState::H, std::numeric_limits<long double>::quiet_NaN()},
        {"infinite humidity", &MoistAirState::HR, std::numeric_limits<long double>::infinity()},
    };
    for (const Case &c : cases) {
        MoistAirState p = ok;
        p.*c.field = c.value;
        EXPECT_TRUE(Refused(p)) << c.name;
    }
    EXPECT_THROW(SpecificVolume(-300, 0.01L, 101325), ComputeFault);
}

TEST(Hardening, CalculationsTakeTheirFaultPathInsteadOfShowingTheImpossible)
{
    struct Case {
        const char *name;
        const char *pressure;
        void (Evolutions::*click)();
        std::string EvolutionData::*box;
        const char *text;
        ResultGrid EvolutionData::*grid;
    };
    const Case cases[] = {
        // A pressure typed in hPa: the vapour pressure passes the atmospheric one.
        {"hPa heating coil", "1013", &Evolutions::Heating, &EvolutionData::E_deltat_bc, "10",
         &EvolutionData::grille_BC},
        {"hPa mixing", "1013", &Evolutions::Mixing, &EvolutionData::E_qm1_mel, "1",
         &EvolutionData::grille_melange},
        // Heated far beyond the saturation formula's pole: no wet bulb of meaning.
        {"320 K of heating", "101325", &Evolutions::Heating, &EvolutionData::E_deltat_bc, "320",
         &EvolutionData::grille_BC},
        {"washer at 5000 Pa", "5000", &Evolutions::AirWasher, &EvolutionData::E_qm_Lav, "1",
         &EvolutionData::grille_lav},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProgramState state;
        RecordingMessages messages;
        Calculations calc(state, messages, {}, NumberSeparators{});
        state.pressure.text = c.pressure;
        state.evolutions.*c.box = c.text;
        (calc.evolutions().*c.click)();
        ASSERT_FALSE(messages.entries.empty());
        EXPECT_EQ(messages.texts().back(), kCannotCompute);
        EXPECT_EQ((state.evolutions.*c.grid).Cell(2, 1), "");
    }
    // The readout of a point far below absolute zero shows nothing.
    ChartSettings s;
    s.TS.Mini = -1000;
    ChartGeometry g;
    g.PlotWidth = 730;
    g.PlotHeight = 542;
    g.settings = &s;
    MoistAirState m;
    EXPECT_EQ(CursorReadout(s, g, 30, 560, m, NumberSeparators{}), "");
}

TEST(Hardening, PixelArithmeticHoldsAtTheEndsOfTheScale)
{
    ChartSettings s;
    s.TS.Maxi = INT32_MAX;
    s.TS.Mini = INT32_MIN;
    s.R.Maxi = INT32_MAX;
    s.R.Mini = INT32_MIN;
    ChartGeometry g;
    g.PlotWidth = 730;
    g.PlotHeight = 542;
    g.settings = &s;
    // (x − 20) × span overflows 64 bits here; the result must still be right.
    const long double span = 4294967295.0L;
    EXPECT_EQ(g.TSAtPixel(INT32_MIN), (static_cast<long double>(INT32_MIN) - 20) * span / 730 + INT32_MIN);
    EXPECT_TRUE(std::isfinite(g.RAtPixel(INT32_MIN)));
    MoistAirState m;
    EXPECT_EQ(CursorReadout(s, g, INT32_MIN, 300, m, NumberSeparators{}), "");
}

TEST(Hardening, FilesAreReadWithinBounds)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / ("brumelle_hardening_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string doc = "[General]\nbon_fichier=1\n";
    // A pipe, a device, a folder and a file of more than a mebibyte are no documents.
    const std::string fifo = (dir / "fifo.brm").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = (dir / "big.brm").string();
    std::ofstream(big, std::ios::binary) << doc << std::string(kMaxIniFileBytes, '\n');
    const std::string small = (dir / "small.brm").string();
    std::ofstream(small, std::ios::binary) << doc;
    IniFile f;
    for (const std::string &path : {fifo, big, std::string("/dev/zero"), dir.string()}) {
        EXPECT_FALSE(f.LoadFromFile(path)) << path;
        EXPECT_FALSE(f.ReadBool("General", "bon_fichier")) << path;
    }
    EXPECT_TRUE(f.LoadFromFile(small));
    EXPECT_TRUE(f.ReadBool("General", "bon_fichier"));
    // Why each was not read, and the limit as the caller gives it.
    const std::pair<std::string, FileReadStatus> why[] = {
        {fifo, FileReadStatus::NotRegular},      {"/dev/zero", FileReadStatus::NotRegular},
        {dir.string(), FileReadStatus::NotRegular}, {big, FileReadStatus::TooLarge},
        {small + "/x", FileReadStatus::Missing}, {(dir / "none").string(), FileReadStatus::Missing},
    };
    for (const auto &[path, status] : why)
        EXPECT_EQ(ReadBoundedFile(path, kMaxIniFileBytes).status, status) << path;
    EXPECT_EQ(ReadBoundedFile(small, doc.size()).bytes, doc);
    EXPECT_EQ(ReadBoundedFile(small, doc.size() - 1).status, FileReadStatus::TooLarge);
    fs::remove_all(dir);
}

TEST(Hardening, LineEndsEncodingsAndNulBytes)
{
    // LF, CR LF and a lone CR all end a line; each is kept when written back.
    IniFile f = IniFile::FromBytes("[A]\rx=1\r\ny=2\nz=3");
    EXPECT_EQ(f.ReadString("A", "x", ""), "1");
    EXPECT_EQ(f.ReadString("A", "y", ""), "2");
    EXPECT_EQ(f.ReadString("A", "z", ""), "3");
    f.WriteString("A", "y", "5");
    EXPECT_EQ(f.ToBytes(), "[A]\rx=1\r\ny=5\nz=3");

    // One stray Windows-1252 byte spoils its own line only.
    IniFile mixed = IniFile::FromBytes("[A]\nu=\xC3\xA9t\xC3\xA9\nw=\xE9t\xE9\n");
    EXPECT_EQ(mixed.ReadString("A", "u", ""), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(mixed.ReadString("A", "w", ""), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(mixed.ToBytes(), "[A]\nu=\xC3\xA9t\xC3\xA9\nw=\xE9t\xE9\n") << "unchanged lines keep their bytes";

    // With a byte order mark the file is UTF-8: an invalid byte reads as U+FFFD.
    IniFile bom = IniFile::FromBytes("\xEF\xBB\xBF[A]\nk=a\xFF" "b\n");
    EXPECT_EQ(bom.ReadString("A", "k", ""), "a\xEF\xBF\xBD" "b");

    // A NUL byte makes a value unreadable rather than cut.
    RecordingMessages messages;
    EXPECT_EQ(ParseNumber(std::string("1\0" "2", 3), messages), 0.0L);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kUnreadableNumber});
    EXPECT_FALSE(ReadInteger(std::string("1\0" "2", 3)));
    long long v = 0;
    EXPECT_FALSE(ParseIniInteger("-$80000000", v)) << "beyond 32 bits once negated";
    EXPECT_TRUE(ParseIniInteger("-$7FFFFFFF", v));
    EXPECT_EQ(v, -2147483647LL);

    // A number of a million digits is read in one pass (it is too large: unreadable).
    EXPECT_FALSE(ReadUserNumber(std::string(1000000, '7')));
    EXPECT_TRUE(ReadUserNumber("0," + std::string(1000000, '0') + "5"));
}
