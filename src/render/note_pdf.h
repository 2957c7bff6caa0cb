#pragma once
#include <string>

#include <QByteArray>

#include "chart/chart_settings.h"
#include "chart/overlay.h"
#include "note/calculation_note.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"

namespace brumelle {

// The chart of the note is the chart of a plot of this size, the main
// window's design proportions, scaled to the page's width: wide enough that
// labels set close together at the design size ("100%" and "90%", "0,90
// m3/kgas" and "100 kJ/kgas") stand apart on paper, where they are about
// 5.6 pt high.
constexpr int kNotePlotWidth = 900, kNotePlotHeight = 668;

// The note on A4 portrait pages, as PDF: the heading, the chart with the
// overlay drawn as vectors through the screen's canvas, then each section;
// real text in embedded fonts, pages numbered.
QByteArray CalculationNotePdf(const CalculationNote &note, const ChartSettings &settings,
                              const OverlayInput &overlay, const NumberSeparators &sep);

// Writes that PDF whole over `path`; when it cannot, shows "Impossible
// d'écrire dans" and the full name, leaves nothing behind and returns false.
bool SaveCalculationNote(const std::string &path, const CalculationNote &note, const ChartSettings &settings,
                         const OverlayInput &overlay, const NumberSeparators &sep, Messages &messages);

} // namespace brumelle
