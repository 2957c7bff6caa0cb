// The "Météo" menu, driven through the program's ports.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "render/locale_separators.h"
#include "support/small_epw.h"
#include "ui/design_conditions_dialog.h"
#include "ui/weather_hours_dialog.h"
#include "ui/zones_dialog.h"

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

// "Conditions de base...": a row into the sizing's outdoor boxes; "Zones...":
// a zone refused, then one added and counted.
TEST(WeatherCommands, DesignConditionIntoTheSizingAndZonesAdded)
{
    test::MainWindowFixture f;
    const QString epw = f.dir.filePath(QStringLiteral("lyon.epw"));
    test::WriteSmallEpw(epw.toStdString());
    f.files.answers = {epw};
    f.form.M_ouvrir_meteo->trigger();
    f.messages.entries.clear();

    QTimer::singleShot(0, [&] {
        TF_conditions_base &d = f.app.DesignConditions();
        d.Grille_conditions->selectRow(2); // the file's "Refroidissement 0,4 %": 32.1 °C, 20.4 °C
        d.B_utiliser->click();
    });
    f.form.M_conditions_base->trigger();
    const NumberSeparators sep = SeparatorsOf(QLocale());
    EXPECT_EQ(f.state.ahu.E_TS_ext, FormatFixed(32.1L, 2, sep));
    EXPECT_EQ(f.state.ahu.E_HR_ext,
              OutdoorTextsOf({DesignLevel::Cooling04, 32.1L, 20.4L}, f.state.settings.Patm, sep).humidity);
    EXPECT_TRUE(f.form.StatusText().startsWith(QStringLiteral("Refroidissement 0,4 % (fichier) pour la CTA")));

    QTimer::singleShot(0, [&] {
        TF_zones &z = f.app.Zones();
        z.E_nom->setText(QStringLiteral("Été"));
        z.E_ts_mini->setText(QStringLiteral("31"));
        z.E_ts_maxi->setText(QStringLiteral("29"));
        z.E_hr_mini->setText(QStringLiteral("0"));
        z.E_hr_maxi->setText(QStringLiteral("100"));
        z.B_ajouter->click(); // refused: its dry bulbs the wrong way round
        z.E_ts_mini->setText(QStringLiteral("29"));
        z.E_ts_maxi->setText(QStringLiteral("31"));
        z.B_ajouter->click();
        z.E_nom->setText(QStringLiteral("Été chaud")); // typed, not added: "Ok" asks
        z.B_Ok->click();
    });
    f.messages.askAnswer = Messages::Answer::Yes;
    f.form.M_zones->trigger();
    EXPECT_EQ(f.messages.entries, (std::vector<test::RecordingMessages::Entry>{
                                      {"message", "TS mini est au-dessus de TS maxi"},
                                      {"question", kZoneNotAddedQuestion}}));
    ASSERT_EQ(f.state.climate.zones.size(), 2u);
    EXPECT_EQ(f.state.climate.zones[0].count->inside, 2u); // the two July hours at 30 °C
}
