#pragma once
// How each of the five treatments runs; included by their files only.
#include <utility>

#include "calculators/calculation_steps.h"
#include "calculators/evolutions.h"

namespace brumelle {

template <class Result, class Body, class ShowResult>
void Evolutions::Treat(RecordedRun &run, std::optional<Result> &kept, ResultGrid &grid,
                       std::initializer_list<std::string *> resultBoxes, bool DrawingFlags::*drawn, Body &&body,
                       ShowResult &&show)
{
    if (!ReadPressure()) {
        run.Abandoned(); // the grid and the kept result stay as they were
        return;
    }
    const bool completed = Guarded(
        [&] {
            Result r;
            body(ctx_.point, ctx_.patmPa, r);
            show(r);
            kept = std::move(r);
        },
        [&] {
            kept.reset();
            EmptyResults(grid, resultBoxes, repaint_);
        });
    if (!completed)
        return;
    run.Completed();
    if (ctx_.flags.*drawn)
        repaint_();
}

} // namespace brumelle
