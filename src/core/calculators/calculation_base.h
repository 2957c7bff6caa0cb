#pragma once
// What every calculation of the program shares, the evolutions window's and
// the AHU sizing: the pressure read again from its box at the start of each
// run, the boxes' numbers, the messages kept with the run that showed them,
// and the one way a check or a fault stops a run.
#include <functional>
#include <string>

#include "calculators/calculation_context.h"
#include "calculators/calculation_steps.h"
#include "model/fault.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"

namespace brumelle {

class CalculationBase {
public:
    const NumberSeparators &Separators() const { return sep_; }

protected:
    CalculationBase(CalculationContext context, Messages &messages, std::function<void()> repaintMainWindow,
                    NumberSeparators separators);

    // Reads the pressure box into the pressure in use. A text that is not a
    // whole number shows the error box and returns false; 0 or less takes 101325.
    bool ReadPressure() { return ctx_.pressure.ReadInto(ctx_.patmPa, messages_); }
    long double BoxNumber(const std::string &text) { return brumelle::BoxNumber(text, messages_); }
    std::string Fixed(long double v, int decimals) const { return FormatFixed(v, decimals, sep_); }

    // Runs a calculation's body. A failed check (StopRun) shows its message
    // (in a plain box when it says so), a fault shows kCannotCompute, and
    // `emptyResults` then empties what the run had written; false then.
    // A template: a stopped run unwinds through no more frames than its body's.
    template <class Body, class EmptyResults> bool Guarded(Body &&body, EmptyResults &&emptyResults)
    {
        try {
            body();
            return true;
        } catch (const StopRun &stop) {
            ShowStop(stop);
        } catch (const ComputeFault &) {
            messages_.information(kCannotCompute);
        }
        emptyResults();
        return false;
    }
    void ShowStop(const StopRun &stop);

    CalculationContext ctx_;
    KeptMessages messages_;
    std::function<void()> repaint_; // never empty: a caller without a chart gets a no-op
    NumberSeparators sep_;
};

} // namespace brumelle
