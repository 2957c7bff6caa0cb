#pragma once
#include <string>

#include <QByteArray>

#include "chart/chart_settings.h"
#include "chart/climate_layer.h"
#include "chart/overlay.h"
#include "note/calculation_note.h"

namespace brumelle {

// The chart of the note is the chart of a plot of this size, the main
// window's design proportions, scaled to the page's width: wide enough that
// labels set close together at the design size ("100%" and "90%", "0,90
// m3/kgas" and "100 kJ/kgas") stand apart on paper, where they are about
// 5.6 pt high.
constexpr int kNotePlotWidth = 900, kNotePlotHeight = 668;

// The note on A4 portrait pages, as PDF bytes: the heading, the chart with the
// overlay drawn as vectors through the screen's canvas, then each section;
// real text in embedded fonts, pages numbered. Empty when it cannot be drawn.
// Its callers write it as every other file is written.
QByteArray CalculationNotePdf(const CalculationNote &note, const ChartSettings &settings,
                              const OverlayInput &overlay, const ClimateLayer &climate = {});

} // namespace brumelle
