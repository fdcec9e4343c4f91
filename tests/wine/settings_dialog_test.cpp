// The settings dialog of the real front end, driven as a person does: real pointer and key
// input on its controls, results read from the settings file's bytes and from the screen.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"

using namespace harness;

namespace {

constexpr DWORD kWindowTimeout = 15000;  // ms
constexpr int kTwipsPerPixel = 15;       // the private display's 96 DPI
// Control numbers the dialog gives its windows.
constexpr int kIdCmdBgm = 101, kIdCmdSet = 102, kIdCmdCan = 103, kIdCmdEtc = 104;

// Twips of the layout, relative to the panel.
struct TwipRect {
    int left, top, width, height;
};
constexpr TwipRect kCdLabel = {540, 840, 645, 195}, kNoneLabel = {540, 1140, 345, 195},
                   kFileMark = {300, 1440, 195, 195};

void typeText(const std::string& text) {
    for (char c : text) {
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
        inputs[0].ki.wScan = inputs[1].ki.wScan = WORD(static_cast<unsigned char>(c));
        inputs[0].ki.dwFlags = KEYEVENTF_UNICODE;
        inputs[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
    }
    settle();
}

void pressKeyWith(WORD modifier, WORD key) {
    INPUT inputs[4] = {};
    for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[3].ki.wVk = modifier;
    inputs[1].ki.wVk = inputs[2].ki.wVk = key;
    inputs[2].ki.dwFlags = inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, inputs, sizeof(INPUT));
    settle();
}

void clickAt(POINT screen, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
    moveCursorTo(screen.x, screen.y);
    moveCursorBy(1, 0);  // a move over the target itself, so that it sees the pointer arrive
    clickButton(down, up);
}

POINT centreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SettingsDialog : public testing::Test {
protected:
    Process frontEnd;
    std::string folder;
    HWND dialog = nullptr, panel = nullptr, trackBox = nullptr;

    void TearDown() override { endLeftoverFrontEnds(); }

    // A fresh folder for the front end; files a test puts there go in after this.
    void makeFolder() { folder = makeSaverFolder("settings-dialog", RendererKind::kFake); }
    void open(const std::string& settings) {
        if (folder.empty()) makeFolder();
        writeWholeFile(folder + kSettingsFileName, settings);
        ASSERT_TRUE(startFrontEnd(frontEnd, folder, "/c"));
        dialog = waitForWindowTitled(kSettingsDialogTitle, kWindowTimeout);
        ASSERT_NE(dialog, nullptr);
        settle(800);
        panel = FindWindowExA(dialog, nullptr, "TessellariumPanel", nullptr);
        ASSERT_NE(panel, nullptr);
        trackBox = FindWindowExA(panel, nullptr, "ComboBox", nullptr);
        ASSERT_NE(trackBox, nullptr);
    }
    POINT inPanel(const TwipRect& r) const {
        POINT p = {(r.left + r.width / 2) / kTwipsPerPixel, (r.top + r.height / 2) / kTwipsPerPixel};
        ClientToScreen(panel, &p);
        return p;
    }
    HWND button(int id) const { return GetDlgItem(id == kIdCmdBgm ? panel : dialog, id); }
    void click(int id) { clickAt(centreOf(button(id))); }
    // The "..." button's look: row 1 of its face is the frame line, dark blue 003C74 while it
    // is enabled and grey C9C7BA while it is not (the button window itself stays enabled).
    bool fileButtonLooksEnabled() const {
        RECT r;
        GetWindowRect(button(kIdCmdBgm), &r);
        HDC screen = GetDC(nullptr);
        COLORREF frame = GetPixel(screen, (r.left + r.right) / 2, r.top + 1);
        ReleaseDC(nullptr, screen);
        EXPECT_TRUE(frame == RGB(0x00, 0x3C, 0x74) || frame == RGB(0xC9, 0xC7, 0xBA)) << std::hex << frame;
        return frame == RGB(0x00, 0x3C, 0x74);
    }
    std::string settingsFile() const { return readWholeFile(folder + kSettingsFileName); }
    // Wine stores a value without the leading space the dialog passes (" 2" is kept as "2").
    static std::string line(const char* key, const std::string& value) {
        return std::string(key) + "=" + value + "\r\n";
    }
    void setAndWait() {
        click(kIdCmdSet);
        ASSERT_EQ(frontEnd.waitForExit(8000), 0) << "Set closes the dialog and the program ends";
    }
};

// ---- the source and the track ----

TEST_F(SettingsDialog, RightButtonOnTheCdLabelSelectsTheCd) {
    open(settingsText(" 0", " 0", ""));
    EXPECT_FALSE(IsWindowEnabled(trackBox));
    clickAt(inPanel(kCdLabel), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(IsWindowEnabled(trackBox)) << "the track box belongs to the CD source";
    EXPECT_FALSE(fileButtonLooksEnabled());
    setAndWait();
    EXPECT_NE(settingsFile().find(line(kBgmTypeKey, "1")), std::string::npos) << settingsFile();
}

struct TrackCase {
    const char* typed;
    const char* stored;
};
void PrintTo(const TrackCase& c, std::ostream* out) { *out << '"' << c.typed << '"'; }

class TrackBoxTyping : public SettingsDialog, public testing::WithParamInterface<TrackCase> {};

TEST_P(TrackBoxTyping, StoresTheRoundedNumber) {
    open(settingsText(" 1", " 7", ""));
    char shown[32] = {};  // asked of the box itself: another process's text is not kept in its window
    SendMessageA(trackBox, WM_GETTEXT, sizeof shown, LPARAM(shown));
    EXPECT_STREQ(shown, "7") << "the track as loaded";
    EXPECT_EQ(SendMessageA(trackBox, CB_GETCOUNT, 0, 0), 31) << "an empty entry, then 1 to 30";
    clickAt(centreOf(trackBox));
    pressKey(VK_END);
    for (int i = 0; i < 4; ++i) pressKey(VK_BACK);
    typeText(GetParam().typed);
    setAndWait();
    std::string file = settingsFile();
    EXPECT_NE(file.find(line(kBgmRepeatTrackKey, GetParam().stored)), std::string::npos)
        << "typed \"" << GetParam().typed << "\": " << file;
    // The three keys, in their order.
    size_t type = file.find(kBgmTypeKey), track = file.find(kBgmRepeatTrackKey), path = file.find(kBgmFileKey);
    EXPECT_LT(type, track);
    EXPECT_LT(track, path);
}

INSTANTIATE_TEST_SUITE_P(Typed, TrackBoxTyping,
                         testing::Values(TrackCase{"2.5", "2"}, TrackCase{"3.5", "4"}, TrackCase{"abc", "0"},
                                         TrackCase{"-1", "-1"}, TrackCase{"", "0"}, TrackCase{"99999", "0"}));

struct SourceCase {
    const char* bgmType;
    bool trackBoxEnabled, fileButtonEnabled;
};

class SourceControls : public SettingsDialog, public testing::WithParamInterface<SourceCase> {};

TEST_P(SourceControls, EnableOnlyWhatTheSourceNeeds) {
    makeFolder();
    std::string song = folder + "song.mp3";
    writeWholeFile(song, "not really music");
    open(settingsText(GetParam().bgmType, " 0", song));
    EXPECT_EQ(bool(IsWindowEnabled(trackBox)), GetParam().trackBoxEnabled);
    EXPECT_EQ(fileButtonLooksEnabled(), GetParam().fileButtonEnabled);
}

INSTANTIATE_TEST_SUITE_P(Types, SourceControls,
                         testing::Values(SourceCase{" 0", false, false}, SourceCase{" 1", true, false},
                                         SourceCase{" 2", false, true}, SourceCase{" 7", false, false}));

// The keyboard focus of the dialog's thread, asked of the system (it belongs to another process).
HWND focusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

TEST_F(SettingsDialog, TabGoesThroughTheTrackBoxAndTheButtonsInOrder) {
    open(settingsText(" 1", " 0", ""));  // the track box is enabled for the CD
    clickAt(centreOf(trackBox));          // start in the track box
    std::vector<HWND> expected = {button(kIdCmdBgm), button(kIdCmdSet), button(kIdCmdCan), button(kIdCmdEtc)};
    for (HWND next : expected) {
        pressKey(VK_TAB);
        EXPECT_EQ(focusOf(dialog), next) << "control " << GetDlgCtrlID(next);
    }
    pressKey(VK_TAB);  // round again to the track box, whose edit field takes the focus
    HWND focus = focusOf(dialog);
    EXPECT_TRUE(focus == trackBox || GetParent(focus) == trackBox)
        << windowClassName(focus) << " " << GetDlgCtrlID(focus) << " in " << windowClassName(GetParent(focus));
}

// ---- leaving without saving ----

TEST_F(SettingsDialog, CancelLeavesTheFileAsItWas) {
    const std::string before = settingsText(" 1", " 3", "");
    open(before);
    clickAt(inPanel(kNoneLabel));  // a change in memory only
    click(kIdCmdCan);
    EXPECT_EQ(frontEnd.waitForExit(8000), 0);
    EXPECT_EQ(settingsFile(), before);
}

TEST_F(SettingsDialog, ClosingTheWindowLeavesTheFileAsItWas) {
    const std::string before = settingsText(" 1", " 3", "");
    open(before);
    clickAt(inPanel(kNoneLabel));
    pressKeyWith(VK_MENU, VK_F4);  // the title bar's close
    EXPECT_EQ(frontEnd.waitForExit(8000), 0);
    EXPECT_EQ(settingsFile(), before);
}

// ---- the sound file ----

TEST_F(SettingsDialog, FilePickerTakesATypedPathAndSetWritesIt) {
    open(settingsText(" 0", " 0", ""));
    clickAt(inPanel(kFileMark));
    ASSERT_TRUE(fileButtonLooksEnabled());
    click(kIdCmdBgm);
    HWND picker = waitForWindowTitled("ﾌｧｲﾙを開く", kWindowTimeout);
    ASSERT_NE(picker, nullptr) << "no file-open dialog titled ﾌｧｲﾙを開く";
    settle(500);
    const std::string chosen = "Z:\\no\\such\\tune.mp3";  // need not exist
    typeText(chosen);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitForNoWindowTitled("ﾌｧｲﾙを開く", 5000));
    setAndWait();
    EXPECT_NE(settingsFile().find(line(kBgmFileKey, chosen)), std::string::npos) << settingsFile();
    EXPECT_NE(settingsFile().find(line(kBgmTypeKey, "2")), std::string::npos);
}

TEST_F(SettingsDialog, CancellingThePickerKeepsTheOldPath) {
    makeFolder();
    std::string song = folder + "old song.wav";
    writeWholeFile(song, "RIFF");
    open(settingsText(" 2", " 0", song));
    click(kIdCmdBgm);
    ASSERT_NE(waitForWindowTitled("ﾌｧｲﾙを開く", kWindowTimeout), nullptr);
    settle(500);
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitForNoWindowTitled("ﾌｧｲﾙを開く", 5000));
    setAndWait();
    EXPECT_NE(settingsFile().find(line(kBgmFileKey, song)), std::string::npos) << settingsFile();
}

// ---- what it looks like ----

// Half a sine wave over the height, divisor 3.142, halves to even.
int level(int y, int height) { return int(std::nearbyint(std::fabs(std::sin(y / (height / 3.142)) * 220.0))); }

TEST_F(SettingsDialog, GradientsFollowTheirFormulaAndStayAcrossRepaints) {
    open(settingsText(" 0", " 0", ""));
    RECT client, panelRect;
    GetClientRect(dialog, &client);
    GetClientRect(panel, &panelRect);
    // Cover the dialog with another window and take it away again: the backgrounds come back.
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 720, nullptr,
                                 nullptr, nullptr, nullptr);
    settle(300);
    DestroyWindow(cover);
    settle(800);

    HDC screen = GetDC(nullptr);
    for (int y : {0, 40, 126, 200, 251}) {
        POINT at = {client.right - 4, y};  // right of the panel: nothing but the background
        ClientToScreen(dialog, &at);
        int v = level(y, client.bottom);
        EXPECT_EQ(GetPixel(screen, at.x, at.y), RGB(v, v, v + 30)) << "dialog row " << y;
    }
    for (int y : {0, 30, 84, 140, int(panelRect.bottom) - 1}) {
        POINT at = {panelRect.right - 8, y};
        ClientToScreen(panel, &at);
        int v = level(y, panelRect.bottom) + 30;
        EXPECT_EQ(GetPixel(screen, at.x, at.y), RGB(v, v, v)) << "panel row " << y;
    }
    ReleaseDC(nullptr, screen);
}

// ---- the home page ----

TEST_F(SettingsDialog, HomePageGoesToTheShellAndTheDialogStays) {
    char log[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableA("TESSELLARIUM_BROWSER_LOG", log, sizeof log)) << "no stand-in browser";
    open(settingsText(" 0", " 0", ""));
    click(kIdCmdEtc);
    std::string calls;
    for (int i = 0; i < 100 && calls.empty(); ++i) {
        Sleep(100);
        calls = readWholeFile(log);
    }
    EXPECT_NE(calls.find("https://tessellarium.example.org/"), std::string::npos) << calls;
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(frontEnd.waitForExit(0), -1) << "the dialog stays open";
}

}  // namespace
