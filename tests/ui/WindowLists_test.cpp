// The lists the tests share agree with the window's control table, so that
// no test checks against a list of its own making.
#include "model/MainWindowControls.h"
#include "support/WindowLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace pitwright::testing {
namespace {

std::vector<ControlId> tableRows(bool (*keep)(const ControlSpec&)) {
    std::vector<ControlId> ids;
    for (const ControlSpec& row : mainWindowControls()) {
        if (keep(row)) {
            ids.push_back(row.id);
        }
    }
    return ids;
}

template <std::size_t N> std::set<ControlId> asSet(const std::array<ControlId, N>& ids) {
    return {ids.begin(), ids.end()};
}

TEST(WindowLists, AgreeWithTheControlTable) {
    const auto textBoxes = tableRows([](const ControlSpec& row) {
        return row.kind == ControlKind::TextBox && row.id != ControlId::txtComment;
    });
    EXPECT_EQ(asSet(kResetFields), std::set<ControlId>(textBoxes.begin(), textBoxes.end()));
    EXPECT_EQ(kResetFields.size(), 16u);

    const auto results = tableRows([](const ControlSpec& row) {
        return row.kind == ControlKind::TextBox && row.readOnly && !row.tabStop;
    });
    EXPECT_EQ(std::vector<ControlId>(kResultFields.begin(), kResultFields.end()), results);

    const auto inputs = tableRows(
        [](const ControlSpec& row) { return row.kind == ControlKind::TextBox && !row.readOnly; });
    EXPECT_EQ(asSet(kInputFields), std::set<ControlId>(inputs.begin(), inputs.end()));

    const auto labels =
        tableRows([](const ControlSpec& row) { return row.kind == ControlKind::Label; });
    EXPECT_EQ(std::vector<ControlId>(kFieldLabels.begin(), kFieldLabels.end()), labels);

    const auto groups = tableRows([](const ControlSpec& row) {
        return row.kind == ControlKind::Group && row.id != ControlId::Frame1;
    });
    EXPECT_EQ(std::vector<ControlId>(kFieldGroups.begin(), kFieldGroups.end()), groups);

    const auto commands =
        tableRows([](const ControlSpec& row) { return row.kind == ControlKind::Command; });
    EXPECT_EQ(std::vector<ControlId>(kCommands.begin(), kCommands.end()), commands);

    // The commands closed at start are the drawing command and the four a
    // drawing opens.
    std::set<ControlId> closed = asSet(kCommandsOfADrawing);
    closed.insert(ControlId::cmdCalcAndDraw);
    EXPECT_EQ(asSet(kCommandsClosedAtStart), closed);
}

} // namespace
} // namespace pitwright::testing
