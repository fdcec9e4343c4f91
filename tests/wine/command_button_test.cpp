// The Command button in a window of the test's own under Wine, driven by real mouse and
// keyboard input: its looks read back from the screen, its clicks counted.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "command_win32.h"

namespace {

// ---- the message loop and real input ----

HWND gHost = nullptr;

// Runs the test's message loop, as a dialog does (Tab moves the focus), for a while.
void pump(DWORD milliseconds) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (gHost && IsDialogMessageA(gHost, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

// Long enough for the message to arrive and for TmrMouse (100 ms) to tick twice.
constexpr DWORD kSettle = 300;

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    pump(kSettle);
}

void moveTo(POINT p) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, LONG((p.x * 65536 + width / 2) / width),
              LONG((p.y * 65536 + height / 2) / height));
}

void pressKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    pump(kSettle);
}

// ---- reading the face from the screen ----

struct Face {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0xRRGGBB
    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

Face faceOnScreen(HWND button) {
    Face face;
    RECT client;
    GetClientRect(button, &client);
    face.width = client.right;
    face.height = client.bottom;
    POINT origin = {0, 0};
    ClientToScreen(button, &origin);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = face.width;
    info.bmiHeader.biHeight = -face.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, face.width, face.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    face.pixels.assign(p, p + size_t(face.width) * face.height);
    for (uint32_t& pixel : face.pixels) pixel &= 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return face;
}

// Rows 1, 2, 3 and 21 across the middle of the frame tell the six pictures apart.
struct Look {
    const char* name;
    uint32_t row1, row2, row3, row21;
};
constexpr Look kNormal{"Normal", 0x003C74, 0xF3F3EE, 0xF3F3EE, 0xE2DFD6};
constexpr Look kHighLight{"HighLight", 0x003C74, 0xFFF0CF, 0xFDD889, 0xF8B330};  // and HighLightSelect
constexpr Look kPressed{"Pressed", 0xE0DCC9, 0x003C74, 0xD1CCC1, 0xF2F1EE};
constexpr Look kSelected{"Selected", 0x003C74, 0xCEE7FF, 0xB1CCF2, 0x6982EE};
constexpr Look kDisable{"Disable", 0xC9C7BA, 0xF5F4EA, 0xF5F4EA, 0xF5F4EA};

std::string hex(uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", unsigned(colour));
    return text;
}

bool matches(const Face& face, const Look& look) {
    int x = face.width / 2;
    return face.at(x, 1) == look.row1 && face.at(x, 2) == look.row2 && face.at(x, 3) == look.row3 &&
           face.at(x, 21) == look.row21;
}

// Waits for the screen to show the look (Wine shows drawing a little later).
testing::AssertionResult shows(HWND button, const Look& look) {
    Face face;
    for (int attempt = 0; attempt < 20; ++attempt) {
        face = faceOnScreen(button);
        if (matches(face, look)) return testing::AssertionSuccess();
        pump(50);
    }
    int x = face.width / 2;
    return testing::AssertionFailure() << "not " << look.name << ": rows 1, 2, 3, 21 are " << hex(face.at(x, 1))
                                       << " " << hex(face.at(x, 2)) << " " << hex(face.at(x, 3)) << " "
                                       << hex(face.at(x, 21));
}

int channel(uint32_t colour, int shift) { return int((colour >> shift) & 0xFF); }

// The gradient in the middle column: light (white) rows near the top edge and lavender grey
// (red C6, green C5, blue D7) near the bottom, or the reverse.
std::string gradient(const Face& face) {
    uint32_t top = face.at(face.width / 2, 4), bottom = face.at(face.width / 2, 20);
    auto white = [](uint32_t c) { return channel(c, 16) >= 0xF0 && channel(c, 8) >= 0xF0 && channel(c, 0) >= 0xF0; };
    auto lavender = [](uint32_t c) {
        return channel(c, 16) >= 0xC6 && channel(c, 16) <= 0xD8 && channel(c, 0) - channel(c, 16) >= 8;
    };
    if (white(top) && lavender(bottom)) return "upright";
    if (lavender(top) && white(bottom)) return "reversed";
    return "neither: " + hex(top) + " over " + hex(bottom);
}

// Caption pixels in the caption box (rows 5 to 17 of a 25-pixel face).
int captionPixels(const Face& face, bool (*test)(uint32_t)) {
    int count = 0;
    for (int y = 5; y <= 17; ++y)
        for (int x = 4; x < face.width - 4; ++x) count += test(face.at(x, y));
    return count;
}
bool dark(uint32_t c) { return channel(c, 16) < 0x60 && channel(c, 8) < 0x60 && channel(c, 0) < 0x60; }
bool grayText(uint32_t c) {
    COLORREF g = GetSysColor(COLOR_GRAYTEXT);
    return c == ((uint32_t(GetRValue(g)) << 16) | (uint32_t(GetGValue(g)) << 8) | GetBValue(g));
}

// ---- the host: a window with three buttons, as the settings dialog places them ----

enum { kSet, kCancel, kOther, kButtons };

class CommandButtonTest : public testing::Test {
protected:
    static CommandButton* buttons[kButtons];
    static int clicks[kButtons];

    static void SetUpTestSuite() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = CreateSolidBrush(RGB(0, 0, 30));  // the dialog's navy
        wc.lpszClassName = "CommandButtonTestHost";
        RegisterClassA(&wc);
        gHost = CreateWindowExA(0, wc.lpszClassName, "CommandButtonTest", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                100, 100, 420, 200, nullptr, nullptr, wc.hInstance, nullptr);
        SetForegroundWindow(gHost);
        CaptionFont font;
        font.faceName = "ＭＳ Ｐゴシック";
        font.points = 9.75;
        font.charset = SHIFTJIS_CHARSET;
        const RECT bounds[kButtons] = {{20, 20, 145, 45}, {170, 20, 243, 45}, {20, 80, 145, 105}};
        const char* captions[kButtons] = {"設定", "ｷｬﾝｾﾙ", "その他の作品"};
        for (int i = 0; i < kButtons; ++i) {
            buttons[i] = new CommandButton;
            buttons[i]->create(gHost, 100 + i, bounds[i], std::string("Caption=") + captions[i] + "\r\n", font);
            buttons[i]->Click = [i] { ++clicks[i]; };
            buttons[i]->Initialize();
        }
        pump(kSettle);
    }

    static void TearDownTestSuite() {
        for (CommandButton*& button : buttons) {
            delete button;
            button = nullptr;
        }
        DestroyWindow(gHost);
        gHost = nullptr;
    }

    // Every test starts with the pointer on the host, the focus on the host, nothing clicked.
    void SetUp() override {
        ASSERT_TRUE(gHost);
        moveTo(neutral());
        SetFocus(gHost);
        pump(kSettle);
        for (int& count : clicks) count = 0;
    }

    static POINT over(int i) {
        RECT r;
        GetWindowRect(buttons[i]->window(), &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    static POINT neutral() { return {100 + 350, 100 + 150}; }
    static HWND window(int i) { return buttons[i]->window(); }
};

CommandButton* CommandButtonTest::buttons[kButtons] = {};
int CommandButtonTest::clicks[kButtons] = {};

TEST_F(CommandButtonTest, IdleFaceIsNormalOverAnUprightGradientWithABlackCaption) {
    EXPECT_TRUE(shows(window(kSet), kNormal));
    Face face = faceOnScreen(window(kSet));
    EXPECT_EQ(gradient(face), "upright");
    EXPECT_GT(captionPixels(face, dark), 10);
    EXPECT_EQ(buttons[kSet]->Caption(), "設定");
}

TEST_F(CommandButtonTest, HoverShowsHighLightOverAReversedGradientUntilThePointerLeaves) {
    moveTo(over(kSet));
    EXPECT_TRUE(shows(window(kSet), kHighLight));
    EXPECT_EQ(gradient(faceOnScreen(window(kSet))), "reversed");
    moveTo(neutral());
    EXPECT_TRUE(shows(window(kSet), kNormal));
    EXPECT_EQ(gradient(faceOnScreen(window(kSet))), "upright");
}

TEST_F(CommandButtonTest, PressShowsPressedAndTakesFocusReleaseClicksOnce) {
    moveTo(over(kSet));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(shows(window(kSet), kPressed));
    EXPECT_EQ(GetFocus(), window(kSet));
    EXPECT_EQ(clicks[kSet], 0);
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(clicks[kSet], 1);
    EXPECT_TRUE(shows(window(kSet), kHighLight));  // HighLightSelect
    EXPECT_EQ(clicks[kCancel] + clicks[kOther], 0);
}

TEST_F(CommandButtonTest, DraggingOffBeforeTheReleaseRaisesNoClick) {
    moveTo(over(kSet));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    moveTo(neutral());
    EXPECT_TRUE(shows(window(kSet), kSelected));
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(clicks[kSet], 0);
    EXPECT_TRUE(shows(window(kSet), kSelected));
    // The release off the button reached it: the button is no longer held, so hovering over
    // the focused button shows HighLightSelect again.
    moveTo(over(kSet));
    EXPECT_TRUE(shows(window(kSet), kHighLight));

    // Off and back on while held: still nothing.
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    moveTo(neutral());
    moveTo(over(kSet));
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(clicks[kSet], 0);
}

TEST_F(CommandButtonTest, RightReleaseOverAHoveredButtonClicks) {
    moveTo(over(kCancel));
    sendMouse(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_TRUE(shows(window(kCancel), kHighLight));  // the press changes nothing
    sendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(clicks[kCancel], 1);
    EXPECT_NE(GetFocus(), window(kCancel));
}

TEST_F(CommandButtonTest, TabMovesTheSelectedLookAndKeysClickNothing) {
    SetFocus(window(kSet));
    EXPECT_TRUE(shows(window(kSet), kSelected));
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), window(kCancel));
    EXPECT_TRUE(shows(window(kCancel), kSelected));
    EXPECT_TRUE(shows(window(kSet), kNormal));
    pressKey(VK_SPACE);
    pressKey(VK_RETURN);
    EXPECT_EQ(clicks[kCancel], 0);
    EXPECT_TRUE(shows(window(kCancel), kSelected));
}

TEST_F(CommandButtonTest, DisabledShowsDisableWithAGreyCaptionAndIgnoresInput) {
    CommandButton& other = *buttons[kOther];
    other.setEnabled(false);
    EXPECT_FALSE(other.Enabled());
    EXPECT_TRUE(shows(window(kOther), kDisable));
    Face face = faceOnScreen(window(kOther));
    EXPECT_EQ(captionPixels(face, dark), 0);
    EXPECT_GT(captionPixels(face, grayText), 10);

    moveTo(over(kOther));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(clicks[kOther], 0);
    EXPECT_TRUE(shows(window(kOther), kDisable));

    other.setEnabled(true);
    EXPECT_TRUE(shows(window(kOther), kNormal));
    EXPECT_GT(captionPixels(faceOnScreen(window(kOther)), dark), 10);
}

}  // namespace
