// The release zip under Wine: its three entries and their names, the unpacked programs
// stripped and carrying their version and name resources, and a saver run from the unpacked folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "harness.h"

using namespace harness;

namespace {

const std::string kPackageFolder = ownFolder() + "release-package\\";
const std::string kUnpacked = kPackageFolder + "unpacked\\";

// The names inside the zip, as UTF-8 bytes (escapes: the compiler turns literals into code page 932).
const std::string kZipFrontEndName = "\xE3\x83\x86\xE3\x82\xBB\xE3\x83\xA9\xE3\x83\xAA\xE3\x82\xA6\xE3\x83\xA0.scr";
const std::string kZipRendererName = "\xE3\x83\x86\xE3\x82\xBB\xE3\x83\xA9\xE3\x83\xAA\xE3\x82\xA6\xE3\x83\xA0.dll";
// テセラリウム in code page 932.
const std::string kNameCp932 = "\x83\x65\x83\x5A\x83\x89\x83\x8A\x83\x45\x83\x80";

uint32_t little(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | uint8_t(bytes[at + i]);
    return value;
}

struct ZipEntry {
    std::string name;
    bool utf8Flag;
};

// The central directory's entries; empty if it cannot be read.
std::vector<ZipEntry> zipEntries(const std::string& zip) {
    size_t end = zip.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos || end + 22 > zip.size()) return {};
    std::vector<ZipEntry> entries;
    size_t at = little(zip, end + 16, 4);
    for (uint32_t i = 0, count = little(zip, end + 10, 2); i < count; ++i) {
        if (at + 46 > zip.size() || little(zip, at, 4) != 0x02014B50) return {};
        uint32_t nameLength = little(zip, at + 28, 2);
        entries.push_back({zip.substr(at + 46, nameLength), (little(zip, at + 8, 2) & 0x800) != 0});
        at += 46 + nameLength + little(zip, at + 30, 2) + little(zip, at + 32, 2);
    }
    return entries;
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..") names.insert(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

TEST(ReleasePackage, HoldsExactlyTheTwoProgramsAndTheReadmeUnderUtf8Names) {
    std::vector<ZipEntry> entries = zipEntries(readWholeFile(kPackageFolder + TESSELLARIUM_PACKAGE_FILE));
    std::set<std::string> names;
    for (const ZipEntry& entry : entries) {
        names.insert(entry.name);
        if (entry.name != "README.txt") {
            EXPECT_TRUE(entry.utf8Flag) << "no UTF-8 flag on " << entry.name;
        }
    }
    EXPECT_EQ(entries.size(), 3u);
    EXPECT_EQ(names, (std::set<std::string>{kZipFrontEndName, kZipRendererName, "README.txt"}));
    // Unpacked, the names are the ones Windows uses.
    EXPECT_EQ(filesIn(kUnpacked), (std::set<std::string>{kFrontEndFileName, kRendererFileName, "README.txt"}));
}

TEST(ReleasePackage, ReadmeIsCodePage932WithCrLfLines) {
    std::string readme = readWholeFile(kUnpacked + "README.txt");
    ASSERT_FALSE(readme.empty());
    EXPECT_NE(readme.compare(0, 3, "\xEF\xBB\xBF"), 0) << "no byte order mark";
    EXPECT_NE(readme.find("右クリックし、「インストール」"), std::string::npos);
    EXPECT_NE(readme.find("Right-click " + std::string(kFrontEndFileName) + " and choose \"Install\""),
              std::string::npos);
    for (size_t at = readme.find('\n'); at != std::string::npos; at = readme.find('\n', at + 1))
        ASSERT_TRUE(at > 0 && readme[at - 1] == '\r') << "a bare line feed at byte " << at;
}

class ShippedProgram : public testing::TestWithParam<const char*> {
protected:
    std::string path() const { return kUnpacked + GetParam(); }

    std::string versionText(const std::vector<char>& block, const std::string& key) {
        char* value = nullptr;
        UINT length = 0;
        std::string query = "\\StringFileInfo\\041103a4\\" + key;
        if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return "(none)";
        return value;
    }
};

TEST_P(ShippedProgram, IsStripped) {
    std::string image = readWholeFile(path());
    ASSERT_GT(image.size(), 0x400u);
    size_t header = little(image, 0x3C, 4);
    ASSERT_EQ(image.compare(header, 4, std::string("PE\0\0", 4)), 0);
    EXPECT_EQ(little(image, header + 12, 4), 0u) << "a symbol table is left";
    EXPECT_EQ(little(image, header + 16, 4), 0u) << "symbols are left";
}

TEST_P(ShippedProgram, CarriesItsVersionInJapanese) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path().c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path().c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 932);

    EXPECT_EQ(versionText(block, "ProductName"), kNameCp932 + " (ScreenSaver)");
    EXPECT_EQ(versionText(block, "FileVersion"), "1.0.0.0");
    EXPECT_EQ(versionText(block, "ProductVersion"), "1.0.0.0");
    EXPECT_EQ(versionText(block, "CompanyName"), "Tessellarium developers");
    EXPECT_NE(versionText(block, "LegalCopyright").find("Tessellarium developers"), std::string::npos);
    EXPECT_EQ(versionText(block, "OriginalFilename"), GetParam());
    EXPECT_EQ(versionText(block, "FileDescription").compare(0, kNameCp932.size(), kNameCp932), 0);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ShippedProgram, testing::Values(kFrontEndFileName, kRendererFileName));

TEST(ReleasePackage, FrontEndNamesTheSaverForTheSystemList) {
    HMODULE module = LoadLibraryExA((kUnpacked + kFrontEndFileName).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    char text[64] = {};
    int length = LoadStringA(module, 1, text, sizeof text);
    FreeLibrary(module);
    EXPECT_EQ(std::string(text, length > 0 ? length : 0), kNameCp932);
}

TEST(ReleasePackage, SaverRunsFromTheUnpackedFolderAndEndsOnAKey) {
    Process frontEnd;
    ASSERT_TRUE(startFrontEnd(frontEnd, kUnpacked, "/s"));
    HWND renderer = waitForWindowTitled(kRunningTitle, 15000);
    ASSERT_NE(renderer, nullptr) << "the unpacked renderer did not start";
    DWORD rendererId = 0;
    GetWindowThreadProcessId(renderer, &rendererId);
    HANDLE rendererProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, rendererId);
    ASSERT_NE(rendererProcess, nullptr);
    // A key goes to the active window: wait until the saver has taken the foreground.
    for (int i = 0; i < 100 && GetForegroundWindow() != renderer; ++i) Sleep(50);
    ASSERT_EQ(GetForegroundWindow(), renderer) << "the saver window never became the active one";
    settle(1000);
    pressKey(VK_SPACE);
    EXPECT_EQ(WaitForSingleObject(rendererProcess, 10000), WAIT_OBJECT_0);
    DWORD rendererExit = 99;
    GetExitCodeProcess(rendererProcess, &rendererExit);
    CloseHandle(rendererProcess);
    EXPECT_EQ(rendererExit, 0u);
    EXPECT_EQ(frontEnd.waitForExit(10000), 0);
}

}  // namespace
