#pragma once
#include "chart/chart_settings.h"

namespace brumelle::bench {

// The heaviest chart: every family at density 1 with its labels on.
inline ChartSettings DenseSettings()
{
    ChartSettings s;
    for (FamilySettings *f : {&s.TS, &s.R, &s.HR, &s.TH, &s.TR, &s.H, &s.V}) {
        f->Montrer = 1;
        f->Montrer_texte = 1;
    }
    return s;
}

} // namespace brumelle::bench
