// The built Morvatek.exe read back as Windows reads it: its version record, its icon and its
// manifest. MORVATEK_EXE names the executable.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::wstring exePath() {
    const wchar_t* path = _wgetenv(L"MORVATEK_EXE");
    return path != nullptr ? path : L"";
}

class Module {
public:
    Module()
        : handle_(LoadLibraryExW(exePath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~Module() {
        if (handle_ != nullptr) {
            FreeLibrary(handle_);
        }
    }
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    HMODULE get() const { return handle_; }
    std::string resource(LPCWSTR type, LPCWSTR name) const {
        HRSRC found = FindResourceW(handle_, name, type);
        if (found == nullptr) {
            return {};
        }
        const auto* data = static_cast<const char*>(LockResource(LoadResource(handle_, found)));
        return {data, SizeofResource(handle_, found)};
    }

private:
    HMODULE handle_;
};

std::wstring versionString(const std::vector<char>& record, const wchar_t* field) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040204B0\\") + field;
    if (VerQueryValueW(record.data(), path.c_str(), &value, &length) == FALSE || length == 0) {
        return L"(missing)";
    }
    return static_cast<const wchar_t*>(value);
}

// The version of the changelog's top entry, as CMake read it (MORVATEK_VERSION, "1.0.0.0"): the
// fixed record's two halves and the texts' major.minor with two digits.
struct Version {
    DWORD high;
    DWORD low;
    std::wstring text;
};

Version releaseVersion() {
    unsigned parts[4] = {};
    const wchar_t* given = _wgetenv(L"MORVATEK_VERSION");
    if (given == nullptr ||
        swscanf(given, L"%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]) != 4) {
        return {0, 0, L"(MORVATEK_VERSION is not set)"};
    }
    wchar_t text[16] = {};
    swprintf(text, 16, L"%u.%02u", parts[0], parts[1]);
    return {(parts[0] << 16U) | parts[1], (parts[2] << 16U) | parts[3], text};
}

TEST(VersionRecord, FileAndProductVersionOfTheReleaseAndTheDesignedStrings) {
    const Version version = releaseVersion();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exePath().c_str(), &ignored);
    ASSERT_GT(size, 0U) << "no version record";
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(exePath().c_str(), 0, size, record.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, version.high);
    EXPECT_EQ(fixed->dwFileVersionLS, version.low);
    EXPECT_EQ(fixed->dwProductVersionMS, version.high);
    EXPECT_EQ(fixed->dwProductVersionLS, version.low);
    EXPECT_EQ(versionString(record, L"FileVersion"), version.text);
    EXPECT_EQ(versionString(record, L"ProductVersion"), version.text);
    EXPECT_EQ(versionString(record, L"InternalName"), L"Morvatek");
    EXPECT_EQ(versionString(record, L"OriginalFilename"), L"Morvatek.exe");
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount; // 0 stands for 256
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// Drawn at 16 and 24 pixels for the title bar and small views, 32 as designed, 48 for large
// views; each image is as large as its entry says.
TEST(Icon, ImagesOf16To48PixelsWith256ColoursEachOfItsStatedSize) {
    Module exe;
    ASSERT_NE(exe.get(), nullptr);
    const std::string group = exe.resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    ASSERT_GE(group.size(), 6U);
    const auto* header = reinterpret_cast<const WORD*>(group.data());
    EXPECT_EQ(header[1], 1); // icons, not cursors
    ASSERT_EQ(group.size(), 6 + header[2] * sizeof(IconGroupEntry));
    std::vector<int> sizes;
    for (WORD i = 0; i < header[2]; ++i) {
        const auto* entry =
            reinterpret_cast<const IconGroupEntry*>(group.data() + 6 + i * sizeof(IconGroupEntry));
        sizes.push_back(entry->width);
        EXPECT_EQ(entry->height, entry->width);
        EXPECT_EQ(entry->colourCount, 0);
        EXPECT_EQ(entry->bitCount, 8);
        const std::string image = exe.resource(RT_ICON, MAKEINTRESOURCEW(entry->id));
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
        const auto* bitmap = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
        EXPECT_EQ(bitmap->biWidth, entry->width);
        EXPECT_EQ(bitmap->biHeight, 2 * entry->height); // the colours, then the mask
        EXPECT_EQ(image.size(), entry->bytes);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48}));
    EXPECT_NE(LoadImageW(exe.get(), MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0), nullptr);
}

TEST(Manifest, CommonControls6PerMonitorDpiAndAsInvoker) {
    Module exe;
    const std::string manifest = exe.resource(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
                             "PerMonitorV2", "level=\"asInvoker\""}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

} // namespace
