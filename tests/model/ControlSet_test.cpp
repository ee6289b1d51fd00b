#include "model/ControlSet.h"
#include "model/MainWindowControls.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace pitwright {
namespace {

using enum ControlId;

TEST(ControlSet, RunsTheChangeHandlerOnlyForADifferentText) {
    ControlSet controls;
    std::vector<ControlId> changes;
    controls.setChangeHandler([&](ControlId id) { changes.push_back(id); });

    controls.setText(txtSlopeHeight, "100");
    controls.setText(txtSlopeHeight, "100");
    controls.setText(txtSlopeHeight, "");
    EXPECT_EQ(changes, (std::vector<ControlId>{txtSlopeHeight, txtSlopeHeight}));
}

TEST(ControlSet, RunsTheHandlerNestedBeforeTheWriterContinues) {
    ControlSet controls;
    std::vector<std::string> events;
    controls.setChangeHandler([&](ControlId id) {
        events.push_back(std::string(controlSpec(id).name) + "=" + controls.text(id));
        if (id == txtBenchesPerStack && controls.text(id) == "2.6") {
            controls.setText(txtBenchesPerStack, "3");
            events.push_back("outer run continues");
        }
    });
    controls.setText(txtBenchesPerStack, "2.6");
    EXPECT_EQ(events, (std::vector<std::string>{"txtBenchesPerStack=2.6", "txtBenchesPerStack=3",
                                                "outer run continues"}));
}

TEST(ControlSet, ADisabledGroupHidesItsChildrenButKeepsTheirFlags) {
    ControlSet controls;
    controls.setEnabled(fraSlopeAngles, false);
    EXPECT_TRUE(controls.enabled(txtStackAngle));
    EXPECT_FALSE(controls.isAvailable(txtStackAngle));
    EXPECT_TRUE(controls.isAvailable(txtSlopeHeight));

    controls.setEnabled(fraSlopeAngles, true);
    EXPECT_TRUE(controls.isAvailable(txtStackAngle));
}

TEST(ControlSet, OptionButtonsFormOneChoice) {
    ControlSet controls;
    EXPECT_TRUE(controls.isSelected(optCrestToToeSlopeAngle));
    controls.selectOption(optToeToToeSlopeAngle);
    EXPECT_TRUE(controls.isSelected(optToeToToeSlopeAngle));
    EXPECT_FALSE(controls.isSelected(optCrestToToeSlopeAngle));
}

TEST(ControlSet, SelectsAllCharactersOfAText) {
    ControlSet controls;
    controls.setText(txtSlopeHeight, "12\xc3\xa9m"); // "12ém"
    controls.selectAll(txtSlopeHeight);
    EXPECT_EQ(controls[txtSlopeHeight].selStart, 0);
    EXPECT_EQ(controls[txtSlopeHeight].selLength, 4);
}

TEST(ControlTable, NamesAreUniqueAndTabStopsAreTheInputsCommandsAndComment) {
    std::set<std::string> names;
    std::set<int> stops;
    for (const ControlSpec& row : mainWindowControls()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        if (row.tabStop) {
            EXPECT_TRUE(stops.insert(row.tabIndex).second) << row.name;
            EXPECT_NE(row.kind, ControlKind::Label);
            EXPECT_NE(row.kind, ControlKind::Group);
        }
    }
    EXPECT_EQ(stops, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 42, 45}));
    EXPECT_TRUE(controlSpec(txtNumberBenches).readOnly);
    EXPECT_FALSE(controlSpec(txtNumberBenches).tabStop);
}

} // namespace
} // namespace pitwright
