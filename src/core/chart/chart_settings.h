#pragma once
#include <cstdint>
#include <string>

namespace brumelle {

// One family of lines: ranges (TS and R only), densities, colour, style.
struct FamilySettings {
    int32_t Maxi = 0;
    int32_t Mini = 0;
    int32_t Maxi_zoom = 0;
    int32_t Mini_zoom = 0;
    int32_t Montrer = 0;        // line density code, 0 = none
    int32_t Montrer_texte = 0;  // label density code, 0 = none
    int32_t Couleur = 0;        // RGB with red in the low byte
    int32_t Lignes = 0;         // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
};

struct WindowSettings {
    int32_t Couleur = 12632256; // background of the window and of every label
};

// What the chart shows and how; one record for the whole run.
struct ChartSettings {
    FamilySettings TS{50, -15, 50, -15, 5, 5, 255, 0};          // °C
    FamilySettings R{30, 0, 30, 0, 5, 5, 32768, 0};              // g/kgas
    FamilySettings HR{0, 0, 0, 0, 1, 1, 0, 0};                   // tenths of saturation
    FamilySettings TH{0, 0, 0, 0, 0, 0, 65535, 0};               // °C
    FamilySettings TR{0, 0, 0, 0, 0, 0, 16711935, 0};            // °C
    FamilySettings H{0, 0, 0, 0, 10, 10, 16711680, 0};           // kJ/kgas
    FamilySettings V{0, 0, 0, 0, 10, 10, 65280, 0};              // hundredths of m3/kgas
    WindowSettings Fenetre;
    uint32_t Patm = 101325;                                      // Pa
};

// Sets one field named "<family>.<key>" (TS, R, HR, TH, TR, H, V, Fenetre)
// or "Patm" from its integer text. False for an unknown name or a bad value.
bool SetChartSetting(ChartSettings &s, const std::string &name, const std::string &value);

} // namespace brumelle
