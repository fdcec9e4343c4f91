// The settings dialog's numbers: the gradient formula, the track box, the source controls.
#include <gtest/gtest.h>

#include <cmath>

#include "dialog_values.h"

namespace {

TEST(Gradient, IsHalfASineWaveWithTheDivisor3142) {
    const double height = 252;  // the dialog's client height in pixels
    EXPECT_EQ(gradientLevel(0, height), 0);
    EXPECT_EQ(gradientLevel(126, height), 220);          // mid-height: the palest row
    EXPECT_EQ(gradientLastRow(height), 252);
    // At the last row y / d = 3.142, just past pi: |sin| is tiny but not exactly 0.
    EXPECT_EQ(gradientLevel(252, height), 0);
    for (int y : {1, 17, 63, 100, 189, 251}) {
        double exact = std::fabs(std::sin(y / (height / 3.142)) * 220.0);
        EXPECT_EQ(gradientLevel(y, height), int(std::lround(exact))) << y;  // no halves here
    }
}

TEST(Gradient, LastRowRoundsHalvesToEven) {
    EXPECT_EQ(gradientLastRow(168.5), 168);
    EXPECT_EQ(gradientLastRow(169.5), 170);
    EXPECT_EQ(gradientLastRow(169.0), 169);
}

TEST(TrackBox, StoresTheRoundedNumberOrZero) {
    struct Case {
        const char* text;
        int16_t stored;
    } cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-1", -1}, {"abc", 0}, {"", 0}, {"7", 7}, {" 12 ", 12},
        {"-2.5", -2}, {"1e1", 10}, {"+3", 3}, {"30", 30}, {"31", 31}, {"3x", 0}, {".", 0},
        {"32767", 32767}, {"32767.5", 0}, {"-32768", -32768}, {"40000", 0}, {"-99999", 0},
        {"99999999999999999999999", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(trackBoxNumber(c.text), c.stored) << "\"" << c.text << "\"";
}

TEST(TrackBox, ListsNothingForZero) {
    EXPECT_EQ(trackText(0), "");
    EXPECT_EQ(trackText(7), "7");
    EXPECT_EQ(trackText(30), "30");
    EXPECT_EQ(trackText(-1), "-1");
}

TEST(Sources, EnableExactlyTheOneControlThatBelongsToThem) {
    struct Case {
        int bgmType, mark;
        bool trackBox, fileButton;
    } cases[] = {{0, 0, false, false}, {1, 1, true, false}, {2, 2, false, true}, {7, -1, false, false},
                 {-1, -1, false, false}};
    for (const Case& c : cases) {
        SourceControls controls = sourceControlsFor(c.bgmType);
        EXPECT_EQ(controls.selectedMark, c.mark) << c.bgmType;
        EXPECT_EQ(controls.trackBoxEnabled, c.trackBox) << c.bgmType;
        EXPECT_EQ(controls.fileButtonEnabled, c.fileButton) << c.bgmType;
    }
}

TEST(StoredLayout, GivesEachControlItsOwnLines) {
    const std::string layout =
        "[Cmd_Set]\r\nCaption=Set\r\nFont=F,9.75,400,0,0,0,128\r\n"
        "[Cmd_Can]\nCaption=Cancel\n"
        "[Cmd_Set2]\nCaption=Other\n";
    EXPECT_EQ(storedPropertiesOf(layout, "Cmd_Set"), "Caption=Set\nFont=F,9.75,400,0,0,0,128\n");
    EXPECT_EQ(storedPropertiesOf(layout, "Cmd_Can"), "Caption=Cancel\n");
    EXPECT_EQ(storedPropertiesOf(layout, "Cmd_Etc"), "");
    EXPECT_EQ(storedPropertiesOf("", "Cmd_Set"), "");
}

}  // namespace
