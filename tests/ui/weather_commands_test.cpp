// The "Météo" menu, driven through the program's ports.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "render/locale_separators.h"
#include "support/small_epw.h"
#include "ui/weather_hours_dialog.h"

using namespace brumelle;

TEST(WeatherCommands, OpenTheYearTakeItsPressureChooseItsHoursThenClose)
{
    test::MainWindowFixture f;
    EXPECT_FALSE(f.form.M_heures_meteo->isEnabled());
    const QString epw = f.dir.filePath(QStringLiteral("lyon.epw"));
    test::WriteSmallEpw(epw.toStdString());
    f.files.answers = {epw};
    f.messages.answer = true;
    f.form.M_ouvrir_meteo->trigger();
    ASSERT_EQ(f.files.requests.size(), 1u);
    EXPECT_EQ(f.files.requests[0].type, FileRequest::Type::Weather);
    EXPECT_EQ(f.files.requests[0].initialName, QStringLiteral("*.epw"));
    // The mean of the five pressures read: (99000 + 4 × 99500) / 5.
    const uint32_t station = (99000 + 4 * 99500) / 5;
    EXPECT_EQ(f.messages.entries, (std::vector<test::RecordingMessages::Entry>{
                                      {"confirmation", StationPressureQuestion(station, SeparatorsOf(QLocale()))}}));
    EXPECT_EQ(f.state.settings.Patm, station);
    EXPECT_EQ(f.state.pressure.text, std::to_string(station));
    EXPECT_TRUE(f.form.Modified());
    EXPECT_TRUE(f.form.M_heures_meteo->isEnabled());

    // July only: the January hour leaves the chart; the readout counts a cell's hours.
    QTimer::singleShot(0, [&] {
        TF_heures_meteo &d = f.app.WeatherHours();
        d.C_mois_debut->setCurrentIndex(6);
        d.C_mois_fin->setCurrentIndex(6);
        d.B_Ok->click();
    });
    f.form.M_heures_meteo->trigger();
    EXPECT_EQ(f.state.climate.cells.retained, 3u);
    const HourCell &shared = f.state.climate.cells.cells.back();
    const ChartGeometry g = f.form.Geometry();
    f.moveTo(g.PixelX(shared.tsC + 0.5L), g.PixelY((shared.rGKg + 0.5L) / 1000.0L));
    EXPECT_TRUE(f.form.StatusText().endsWith(QStringLiteral("     Météo : 2 h"))) << f.form.StatusText().toStdString();

    f.form.M_fermer_meteo->trigger();
    EXPECT_FALSE(f.state.climate.Loaded());
    EXPECT_FALSE(f.form.M_fermer_meteo->isEnabled());
}
