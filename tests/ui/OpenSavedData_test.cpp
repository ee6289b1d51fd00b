#include "support/WindowFixture.h"

#include <map>

namespace pitwright::testing {
namespace {

using enum ControlId;

class OpenSavedData : public WindowFixture {
protected:
    std::map<ControlId, std::string> allTexts(const Window& win) {
        std::map<ControlId, std::string> texts;
        for (ControlId id : kResetFields) {
            texts[id] = win.text(id);
        }
        return texts;
    }
};

// Counts the text changes of the controls it watches.
class TextChangeCounter : public ControlObserver {
public:
    void controlChanged(ControlId id, ControlProperty property) override {
        if (property == ControlProperty::Text) {
            ++changes[id];
        }
    }
    std::map<ControlId, int> changes;
};

TEST_F(OpenSavedData, ADesignComesBackDrawnInAFreshWindow) {
    enterDesign(w);
    w.form.clicked(cmdCalcAndDraw);
    save(w, "/home/u/wall.DAT");

    auto next = freshWindow();
    open(*next, "/home/u/wall.DAT");

    EXPECT_EQ(allTexts(*next), allTexts(w));
    EXPECT_EQ(next->text(txtNumberBenches), "10");
    EXPECT_EQ(next->text(txtComment), "Data-file opened: '/home/u/wall.DAT'");
    EXPECT_EQ(next->platform.picture.strokes.size(), w.platform.picture.strokes.size());
    EXPECT_EQ(next->form.state().profileX, w.form.state().profileX);
    EXPECT_TRUE(next->form.controls().enabled(cmd3Dview));
    EXPECT_EQ(next->form.focusedControl(), cmdCalcAndDraw);
    EXPECT_TRUE(next->platform.messages.empty());
    EXPECT_EQ(next->form.openCancelled(), kFalse16);
}

// The old design's bench count must not raise the new slope: opening over a
// drawn design gives what opening in a fresh window gives.
TEST_F(OpenSavedData, OpeningOverADesignGivesTheSameAsInAFreshWindow) {
    enterDesign(w);
    w.form.clicked(cmdCalcAndDraw);
    for (const char* file :
         {"150\r\n15\r\n3\r\n45\r\n\r\n60\r\n75\r\n", "200\r\n20\r\n3\r\n45\r\n\r\n60\r\n75\r\n"}) {
        w.platform.files.files["/other.DAT"] = file;
        auto fresh = freshWindow();
        fresh->platform.files.files["/other.DAT"] = file;
        open(w, "/other.DAT");
        open(*fresh, "/other.DAT");
        EXPECT_EQ(allTexts(w), allTexts(*fresh)) << file;
        EXPECT_EQ(w.form.state().profileX, fresh->form.state().profileX) << file;
    }
    EXPECT_EQ(w.text(txtSlopeHeight), "240");
}

TEST_F(OpenSavedData, AToeToToeDesignComesBackWithEveryDerivedValue) {
    w.form.clicked(optToeToToeSlopeAngle);
    enterDesign(w, "50");
    w.form.clicked(cmdCalcAndDraw);
    save(w, "/t.DAT");

    auto next = freshWindow();
    next->form.clicked(optToeToToeSlopeAngle);
    open(*next, "/t.DAT");

    EXPECT_FALSE(w.text(txtCrestToToeSlopeAngle).empty());
    EXPECT_EQ(allTexts(*next), allTexts(w));
    EXPECT_EQ(next->form.state().profileX, w.form.state().profileX);
    EXPECT_TRUE(next->form.controls().isSelected(optToeToToeSlopeAngle));
}

TEST_F(OpenSavedData, OddTextsComeBackByteForByte) {
    const std::array<std::string, 7> odd{
        "  100 ", "ten", "", "\xC3\xA9t\xC3\xA9 45", "x\xC2\xA0y", "60\xC2\xB0  ", "\xC3\xBF"};
    const std::array<ControlId, 7> inputs{
        txtSlopeHeight,        txtBenchHeight, txtBenchesPerStack, txtCrestToToeSlopeAngle,
        txtToeToToeSlopeAngle, txtStackAngle,  txtBenchAngle};
    for (std::size_t i = 0; i < odd.size(); ++i) {
        w.form.userEditedText(inputs[i], odd[i]);
    }
    save(w, "/odd.DAT");
    ASSERT_EQ(w.platform.files.files.count("/odd.DAT"), 1u);

    auto next = freshWindow();
    open(*next, "/odd.DAT");
    for (std::size_t i = 0; i < odd.size(); ++i) {
        EXPECT_EQ(next->text(inputs[i]), odd[i]) << "line " << i + 1;
    }
}

TEST_F(OpenSavedData, LinesAfterTheSeventhAreIgnored) {
    w.platform.files.files["/eight.DAT"] = "100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n12345\r\n";
    open(w, "/eight.DAT");
    EXPECT_EQ(w.text(txtBenchAngle), "75");
    EXPECT_EQ(w.text(txtNumberBenches), "10");
    EXPECT_EQ(w.text(txtComment), "Data-file opened: '/eight.DAT'");
}

TEST_F(OpenSavedData, AMissingOrShortFileChangesNothingAndSaysSo) {
    enterDesign(w);
    w.form.clicked(cmdCalcAndDraw);
    w.platform.files.files["/five.DAT"] = "1\r\n2\r\n3\r\n4\r\n5\r\n";
    const auto before = allTexts(w);
    const std::string comment = w.text(txtComment);

    for (const std::string path : {"/missing.DAT", "/five.DAT"}) {
        w.platform.messages.clear();
        open(w, path);
        EXPECT_EQ(allTexts(w), before) << path;
        EXPECT_EQ(w.text(txtComment), comment) << path;
        ASSERT_EQ(w.platform.messages.size(), 1u) << path;
        EXPECT_NE(w.platform.messages[0].text.find("'" + path + "' cannot be read"),
                  std::string::npos)
            << w.platform.messages[0].text;
    }
    EXPECT_NE(w.platform.messages[0].text.find("5 of the 7 lines"), std::string::npos);
}

TEST_F(OpenSavedData, OpeningTheSameTextsAgainRaisesNoChangeFromTheFilling) {
    w.platform.files.files["/d.DAT"] = "100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n";
    open(w, "/d.DAT");
    save(w, "/same.DAT"); // the toe-to-toe angle is derived by now
    const auto first = allTexts(w);

    TextChangeCounter counter;
    w.form.controls().setObserver(&counter);
    open(w, "/same.DAT");
    w.form.controls().setObserver(nullptr);

    for (ControlId input :
         {txtSlopeHeight, txtBenchHeight, txtBenchesPerStack, txtCrestToToeSlopeAngle,
          txtToeToToeSlopeAngle, txtStackAngle, txtBenchAngle}) {
        EXPECT_EQ(counter.changes[input], 0);
    }
    EXPECT_EQ(allTexts(w), first);
}

TEST_F(OpenSavedData, CancelLeavesTheWindowAlone) {
    enterDesign(w);
    const auto before = allTexts(w);
    open(w, "");                     // an empty name counts as cancelled
    w.form.mnuOpenSavedData_Click(); // nothing queued: Cancel
    EXPECT_EQ(allTexts(w), before);
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(w.form.openCancelled(), kFalse16);
    EXPECT_TRUE(w.form.dataFileName().empty());
}

// An incomplete design is not drawn: the drawing would show the design
// before it. The user is told which input is missing; the focus cannot go
// to a command the design leaves closed.
TEST_F(OpenSavedData, AnIncompleteDesignIsNamedNotDrawn) {
    w.platform.files.files["/half.DAT"] = "100\r\n10\r\n5\r\n45\r\n\r\n60\r\n\r\n";
    open(w, "/half.DAT");
    EXPECT_EQ(w.text(txtStackAngle), "60");
    EXPECT_FALSE(w.form.controls().isAvailable(cmdCalcAndDraw));
    EXPECT_NE(w.form.focusedControl(), cmdCalcAndDraw);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              "The opened design cannot be drawn: \"Bench slope angle\" is empty or 0.");
    EXPECT_EQ(w.text(txtComment), "Data-file opened: '/half.DAT'");
}

} // namespace
} // namespace pitwright::testing
