#pragma once

#include "section/SectionProfile.h"
#include "section/SectionSheet.h"
#include "support/FourBenchWall.h"

namespace pitwright::testing {

// The four-bench wall with its profile built and the title block a window
// would give it; the sheet of the golden files.
struct FourBenchSheet {
    FourBenchSheet() = default;
    FourBenchSheet(const FourBenchSheet&) = delete; // the input refers to the state
    FourBenchSheet& operator=(const FourBenchSheet&) = delete;

    SlopeDesignState state = [] {
        SlopeDesignState s = fourBenchWall();
        buildSectionProfile(s);
        return s;
    }();
    SectionSheetInput input{drawnSectionOf(state, InterRampConvention::CrestToToe),
                            "Pit wall section",
                            {{"Slope height:", "40"},
                             {"Bench height:", "10"},
                             {"Benches per stack:", "2"},
                             {"Inter-ramp angle:", "Crest-to-toe"},
                             {"Crest-to-toe inter-ramp:", "49.6"},
                             {"Stack slope angle:", "57"},
                             {"Bench slope angle:", "63.4"},
                             {"Catchment berms (m):", "8"},
                             {"Step out widths (m):", "3"}}};
};

} // namespace pitwright::testing
