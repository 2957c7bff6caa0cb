#pragma once
#include <array>
#include <string>

#include <gtest/gtest.h>

#include "calculations.h"
#include "calculators/evolutions.h"
#include "program_state.h"
#include "support/recording_messages.h"

namespace brumelle::test {

// The evolutions window's core under French settings, with its messages
// recorded and the main window's repaints counted.
class SinglePointTest : public ::testing::Test {
protected:
    ProgramState state;
    RecordingMessages messages;
    int repaints = 0;
    Evolutions evo{state.evolutions, EvolutionsContext(state), messages, [this] { ++repaints; }, NumberSeparators{",", "\xE2\x80\xAF"}};
    EvolutionData &d = state.evolutions;
    ResultGrid &grid = state.evolutions.grille_un_point;

    // Texts of rows 1 to 7 (TS, HR, R, H, V, TH, TR) of the value column.
    void Type(const std::array<std::string, 7> &rows)
    {
        for (int r = 1; r <= 7; ++r)
            grid.SetCell(1, r, rows[static_cast<size_t>(r - 1)]);
    }
    std::array<std::string, 8> Column() const
    {
        std::array<std::string, 8> c;
        for (int r = 1; r <= 8; ++r)
            c[static_cast<size_t>(r - 1)] = grid.Cell(1, r);
        return c;
    }
    bool ValueCellsEmpty() const
    {
        for (int r = 1; r <= 8; ++r)
            if (!grid.Cell(1, r).empty())
                return false;
        return true;
    }
};

} // namespace brumelle::test
