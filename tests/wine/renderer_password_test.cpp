// The password path of the real renderer, in a prefix that reports Windows 98, with a stand-in
// PASSWORD.CPL beside it that refuses or accepts as the test says.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "harness.h"

using namespace harness;

namespace {

constexpr DWORD kStartTimeout = 15000;
constexpr DWORD kEndTimeout = 5000;

std::string readFile(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

int countLines(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

class PasswordRun : public testing::Test {
protected:
    std::string folder;
    Process renderer;
    HWND window = nullptr;

    // A folder holding the renderer and the stand-in library, answering `answers` in turn.
    void start(const char* folderName, const std::string& answers) {
        folder = copyRendererToNewFolder(folderName);
        ASSERT_TRUE(CopyFileA((ownFolder() + "password-stub\\PASSWORD.CPL").c_str(),
                              (folder + "PASSWORD.CPL").c_str(), FALSE));
        DeleteFileA((folder + "password-calls.txt").c_str());
        std::ofstream(folder + "password-answers.txt") << answers << "\n";
        moveCursorTo(300, 300);
        ASSERT_TRUE(startRenderer(renderer, "", folder));
        window = waitForWindowTitled(kRunningTitle, kStartTimeout);
        ASSERT_NE(window, nullptr);
        settle(500);
    }
    std::string calls() { return readFile(folder + "password-calls.txt"); }
    void expectStillRunning(const char* after) {
        Sleep(300);
        EXPECT_TRUE(IsWindowVisible(window)) << "closed after " << after;
        EXPECT_EQ(renderer.waitForExit(0), -1) << "ended after " << after;
    }
};

TEST(Windows98Prefix, ReportsTheWindows95Platform) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwPlatformId, DWORD(VER_PLATFORM_WIN32_WINDOWS));
}

TEST_F(PasswordRun, RefusedKeepsRunningAndRereadsTheCursorThenAcceptedEnds) {
    start("password-refused-then-accepted", "01");
    moveCursorBy(2, 1);              // activity, within the threshold
    moveCursorBy(30, 20);            // beyond it: the password is asked, and refused
    expectStillRunning("a refused password");
    EXPECT_EQ(countLines(calls()), 1);
    EXPECT_NE(calls().find("parent=1"), std::string::npos) << "the dialog's parent is the saver window";

    // The reference is where the cursor was at the refusal: 4 pixels from there do not ask.
    moveCursorBy(-2, -2);
    expectStillRunning("4 pixels after the refusal");
    EXPECT_EQ(countLines(calls()), 1) << calls();

    pressKey(VK_SPACE);              // asks again, and this time it is accepted
    EXPECT_EQ(renderer.waitForExit(kEndTimeout), 0);
    EXPECT_EQ(countLines(calls()), 2) << calls();
}

TEST_F(PasswordRun, RefusedAgainAndAgainNeverEnds) {
    start("password-always-refused", "0");
    pressKey('A');
    clickButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    expectStillRunning("two refused passwords");
    EXPECT_EQ(countLines(calls()), 2) << calls();
}

TEST_F(PasswordRun, CloseRequestBeforeInputAsksNothing) {
    start("password-before-input", "1");
    PostMessageA(window, WM_CLOSE, 0, 0);
    expectStillRunning("a close request before input");
    EXPECT_EQ(calls(), "");
}

}  // namespace
