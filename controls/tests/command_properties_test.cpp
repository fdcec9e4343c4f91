// The Command button's persisted properties: the text store, loading and saving with their
// defaults, and the Visible and FontColour properties.
#include <gtest/gtest.h>

#include <string>

#include "command_properties.h"

namespace {

// Code page 932 bytes written out, so that a wrong byte shows.
const std::string kSettei = "\x90\xDD\x92\xE8";            // 設定
const std::string kHyouji = "\x95\x5C\x8E\xA6";            // 表示: a trail byte 0x5C
const std::string kMsPGothic =
    "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ Ｐゴシック

CaptionFont dialogFont() {
    CaptionFont font;
    font.faceName = kMsPGothic;
    font.points = 9.75;
    font.weight = 400;
    font.charset = 128;
    return font;
}

CaptionFont otherFont() {
    CaptionFont font = dialogFont();
    font.faceName = "Arial";
    font.points = 12;
    font.weight = 700;
    font.italic = font.strikethrough = true;
    font.charset = 0;
    return font;
}

TEST(PropertyStore, KeysIgnoreCaseAndTheLaterOneCounts) {
    PropertyStore store = PropertyStore::fromText(
        "CAPTION=first\r\nno equals sign\r\n\r\n caption = a=b \nfontcolour=255");
    EXPECT_EQ(store.size(), 2u);
    EXPECT_EQ(store.read("Caption"), std::optional<std::string>(" a=b "));
    EXPECT_EQ(store.read("FontColour"), std::optional<std::string>("255"));
    EXPECT_EQ(store.read("Visible"), std::nullopt);
}

TEST(PropertyStore, ValuesSurviveLineBreaksPercentAndTrailBytes) {
    const std::string caption = kHyouji + "\r\n100%\n" + kSettei;
    PropertyStore store;
    store.write("Caption", caption);
    std::string text = store.toText();
    EXPECT_EQ(text, "Caption=" + kHyouji + "%0D%0A100%25%0A" + kSettei + "\r\n");
    EXPECT_EQ(PropertyStore::fromText(text).read("caption"), std::optional<std::string>(caption));
}

TEST(FontText, RoundTripsAndRejectsWhatIsNotAFont) {
    EXPECT_EQ(fontText(dialogFont()), kMsPGothic + ",9.75,400,0,0,0,128");
    for (const CaptionFont& font : {dialogFont(), otherFont()})
        EXPECT_EQ(fontFromText(fontText(font)), std::optional<CaptionFont>(font));
    // A comma in the face name is kept: the numbers are taken from the right.
    EXPECT_EQ(fontFromText("A,B,8,400,0,0,0,0")->faceName, "A,B");
    for (const char* bad : {"", "Arial", "Arial,9.75,400,0,0,0", ",9,400,0,0,0,0", "Arial,big,400,0,0,0,0",
                            "Arial,0,400,0,0,0,0", "Arial,9,400,0,0,0,256", "Arial,9,400,yes,0,0,0"})
        EXPECT_EQ(fontFromText(bad), std::nullopt) << bad;
}

struct Loaded {
    CommandState state;
    CommandAppearance appearance;
    LookOutcome look;
};

Loaded load(const std::string& text) {
    Loaded l;
    l.appearance.font = dialogFont();  // construction: the host's font
    l.look = loadProperties(l.state, l.appearance, PropertyStore::fromText(text), dialogFont());
    return l;
}

TEST(Load, MissingKeysReadAsLoadDefaults) {
    Loaded l = load("");
    EXPECT_TRUE(l.state.Enabled);
    EXPECT_EQ(l.state.FirstRun, 1);
    EXPECT_EQ(l.appearance.caption, "Command1");
    EXPECT_EQ(l.appearance.font, dialogFont());
    EXPECT_EQ(l.appearance.fontColour, 0u);
    EXPECT_TRUE(l.appearance.opaque);
    // Then ResetNormalLook.
    ASSERT_EQ(l.look.drawn.size(), 1u);
    EXPECT_EQ(l.look.drawn[0].picture, Picture::Normal);
    EXPECT_EQ(l.look.caption, CaptionLook::Enabled);
}

TEST(Load, TheDialogsStoredButton) {
    Loaded l = load("Caption=" + kSettei + "\r\nFont=Arial,12,700,1,0,1,0\r\n");
    EXPECT_EQ(l.appearance.caption, kSettei);
    EXPECT_EQ(l.appearance.font, otherFont());
    EXPECT_TRUE(l.state.Enabled);
}

// One stored line each; a value that does not convert leaves the construction value.
struct LoadCase {
    const char* line;
    bool enabled;
    int firstRun;
    uint32_t colour;
    bool opaque;
    size_t facesDrawn;  // by the closing ResetNormalLook
};

TEST(Load, ConvertsEachValueOrSkipsIt) {
    const LoadCase cases[] = {
        {"Enabled=0", false, 1, 0, true, 0},
        {"enabled=False", false, 1, 0, true, 0},
        {"Enabled=-1", true, 1, 0, true, 1},
        {"Enabled=perhaps", false, 1, 0, true, 0},  // construction: off
        {"FirstRun=0", true, 0, 0, true, 1},
        {"FirstRun=255", true, 255, 0, true, 1},
        {"FirstRun=256", true, 0, 0, true, 1},
        {"FontColour=255", true, 1, 255, true, 1},
        {"FontColour=&HFF8000", true, 1, 0xFF8000, true, 1},
        {"FontColour=-1", true, 1, 0xFFFFFFFF, true, 1},
        {"FontColour=blue", true, 1, 0, true, 1},
        {"Visible=0", true, 1, 0, false, 1},
        {"Visible=1", true, 1, 0, true, 1},
        {"Visible=255", true, 1, 0, true, 1},  // not accepted: stays opaque
    };
    for (const LoadCase& c : cases) {
        Loaded l = load(c.line);
        EXPECT_EQ(l.state.Enabled, c.enabled) << c.line;
        EXPECT_EQ(int(l.state.FirstRun), c.firstRun) << c.line;
        EXPECT_EQ(l.appearance.fontColour, c.colour) << c.line;
        EXPECT_EQ(l.appearance.opaque, c.opaque) << c.line;
        EXPECT_EQ(l.look.drawn.size(), c.facesDrawn) << c.line;
    }
    // An unaccepted Visible leaves a transparent mode as it was, too.
    CommandState state;
    CommandAppearance appearance;
    appearance.opaque = false;
    loadProperties(state, appearance, PropertyStore::fromText("Visible=2"), dialogFont());
    EXPECT_FALSE(appearance.opaque);
}

TEST(Load, FirstRunZeroBlackensTheStoredColour) {
    Loaded l = load("FirstRun=0\r\nFontColour=255");
    EXPECT_EQ(l.appearance.fontColour, 0u);
    EXPECT_TRUE(l.look.captionColourReset);
}

TEST(Save, DefaultsAreLeftOut) {
    CommandState state = load("").state;
    CommandAppearance appearance;
    appearance.caption = "Command";
    appearance.font = dialogFont();
    SavedProperties saved = saveProperties(state, appearance, dialogFont());
    EXPECT_EQ(saved.store.toText(), "");
    // Saved as "Command", loaded as "Command1".
    EXPECT_EQ(load(saved.store.toText()).appearance.caption, "Command1");
}

TEST(Save, EveryOtherValueInOrderAndBack) {
    CommandState state;
    state.Enabled = false;
    state.FirstRun = 7;
    CommandAppearance appearance;
    appearance.caption = kSettei;
    appearance.font = otherFont();
    appearance.fontColour = 0x0000FF;
    appearance.opaque = false;
    SavedProperties saved = saveProperties(state, appearance, dialogFont());
    EXPECT_EQ(saved.store.toText(),
              "Enabled=0\r\nCaption=" + kSettei + "\r\nFirstRun=7\r\nFont=Arial,12,700,1,0,1,0\r\n"
              "FontColour=255\r\nVisible=0\r\n");
    Loaded back = load(saved.store.toText());
    EXPECT_FALSE(back.state.Enabled);
    EXPECT_EQ(back.state.FirstRun, 7);
    EXPECT_EQ(back.appearance.caption, kSettei);
    EXPECT_EQ(back.appearance.font, otherFont());
    EXPECT_EQ(back.appearance.fontColour, 0x0000FFu);
    EXPECT_FALSE(back.appearance.opaque);
}

TEST(Save, StoresTheColourBeforeResetNormalLookBlackensIt) {
    CommandState state;
    state.Enabled = true;  // FirstRun 0
    CommandAppearance appearance;
    appearance.font = dialogFont();
    appearance.fontColour = 0x00FF00;
    SavedProperties saved = saveProperties(state, appearance, dialogFont());
    EXPECT_EQ(saved.store.read("FontColour"), std::optional<std::string>("65280"));
    EXPECT_EQ(saved.store.read("FirstRun"), std::optional<std::string>("0"));
    EXPECT_EQ(appearance.fontColour, 0u);
    ASSERT_EQ(saved.look.drawn.size(), 1u);
}

TEST(Visible, ReadsAndWritesTheBackgroundMode) {
    CommandState state = load("").state;
    Initialize(state);
    mouseMoved(state);  // hovered: reading still repaints Normal
    CommandAppearance appearance;

    VisibleReading opaque = readVisible(state, appearance);
    EXPECT_EQ(opaque.value, 255);
    ASSERT_EQ(opaque.look.drawn.size(), 1u);
    EXPECT_EQ(opaque.look.drawn[0].picture, Picture::Normal);
    EXPECT_EQ(int(state.ButtonState), int(kHover));

    struct Case {
        uint8_t written;
        bool opaque;
        size_t facesDrawn;
        uint8_t read;
    } cases[] = {{0, false, 0, 0}, {1, true, 1, 255}, {0, false, 0, 0}, {255, true, 1, 255}, {2, true, 1, 255}};
    for (const Case& c : cases) {
        EXPECT_EQ(writeVisible(state, appearance, c.written).drawn.size(), c.facesDrawn) << int(c.written);
        EXPECT_EQ(appearance.opaque, c.opaque) << int(c.written);
        EXPECT_EQ(readVisible(state, appearance).value, c.read) << int(c.written);
    }
}

TEST(FontColour, ReadingRepaintsNormalAndWritingBeforeFirstRunIsUndone) {
    CommandState state = load("").state;
    Initialize(state);
    focusGained(state);
    CommandAppearance appearance;
    appearance.fontColour = 0x123456;
    ColourReading reading = readFontColour(state, appearance);
    EXPECT_EQ(reading.value, 0x123456u);
    ASSERT_EQ(reading.look.drawn.size(), 1u);
    EXPECT_EQ(reading.look.drawn[0].picture, Picture::Normal);
    EXPECT_EQ(int(state.ButtonState), int(kFocused));

    writeFontColour(state, appearance, 0xFF);
    EXPECT_EQ(appearance.fontColour, 0xFFu);
    state.FirstRun = 0;
    EXPECT_TRUE(writeFontColour(state, appearance, 0xFF).captionColourReset);
    EXPECT_EQ(appearance.fontColour, 0u);
}

}  // namespace
