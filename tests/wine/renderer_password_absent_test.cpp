// On a system that is not Windows 95, 98 or ME the renderer never asks for a password, even
// with a password library beside it that would refuse.
#include <gtest/gtest.h>

#include <fstream>

#include "harness.h"

using namespace harness;

TEST(NotWindows98, ClosesWithoutAskingThePasswordLibrary) {
    std::string folder = copyRendererToNewFolder("password-not-windows98");
    ASSERT_TRUE(CopyFileA((ownFolder() + "password-stub\\PASSWORD.CPL").c_str(),
                          (folder + "PASSWORD.CPL").c_str(), FALSE));
    DeleteFileA((folder + "password-calls.txt").c_str());
    std::ofstream(folder + "password-answers.txt") << "0\n";
    Process renderer;
    ASSERT_TRUE(startRenderer(renderer, "", folder));
    ASSERT_NE(waitForWindowTitled(kRunningTitle, 15000), nullptr);
    settle(500);
    pressKey(VK_SPACE);
    EXPECT_EQ(renderer.waitForExit(5000), 0);
    EXPECT_EQ(GetFileAttributesA((folder + "password-calls.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}
