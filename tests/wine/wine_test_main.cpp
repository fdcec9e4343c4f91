// Entry point of every Windows-side test program: refuses to run unless the ANSI code page
// is 932, since every Japanese text the programs exchange depends on it.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (GetACP() != 932) {
        std::fprintf(stderr, "the ANSI code page is %u, not 932: run under tools/wine-run\n", GetACP());
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
