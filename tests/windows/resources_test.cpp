// Reads the resources back out of the built vlcfg.exe through the real
// resource API and compares every field with what the tool must carry.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "expected_texts.h"
#include "tool_process.h"

namespace {

constexpr WORD Japanese = 0x0411;

class Resources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        module_ = LoadLibraryExA(BuiltToolPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << BuiltToolPath(); }

    // The bytes of one resource in Japanese; empty when there is none.
    static std::vector<unsigned char> Data(LPCSTR type, LPCSTR name) {
        HRSRC found = FindResourceExA(module_, type, name, Japanese);
        if (found == nullptr) return {};
        const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module_, found)));
        return std::vector<unsigned char>(bytes, bytes + SizeofResource(module_, found));
    }

    static HMODULE module_;
};

HMODULE Resources::module_ = nullptr;

// Walks a classic dialog template.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<unsigned char>& data) : data_(data) {}
    WORD Word() {
        WORD value = 0;
        if (offset_ + 2 <= data_.size()) std::memcpy(&value, &data_[offset_], 2);
        offset_ += 2;
        return value;
    }
    DWORD Dword() {
        const DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    std::u16string String() {
        std::u16string text;
        while (WORD c = Word()) text += static_cast<char16_t>(c);
        return text;
    }
    void AlignDword() { offset_ = (offset_ + 3) & ~size_t{3}; }
    size_t Offset() const { return offset_; }

private:
    const std::vector<unsigned char>& data_;
    size_t offset_ = 0;
};

using expected::ExpectedControl;
using expected::ExpectedControls;

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

TEST_F(Resources, DialogTemplateIsExactlyTheSettingsDialog) {
    const std::vector<unsigned char> data = Data(RT_DIALOG, "IDD_DIALOG1");
    ASSERT_FALSE(data.empty()) << "no Japanese dialog named IDD_DIALOG1";
    TemplateReader r(data);
    // An extended template would begin with 0001 FFFF.
    EXPECT_EQ(Hex(r.Dword()), Hex(0x90C808C0)) << "dialog style";
    EXPECT_EQ(r.Dword(), 0u) << "extended style";
    const WORD count = r.Word();
    EXPECT_EQ(r.Word(), 0) << "x";
    EXPECT_EQ(r.Word(), 0) << "y";
    EXPECT_EQ(r.Word(), 331) << "width";
    EXPECT_EQ(r.Word(), 325) << "height";
    EXPECT_EQ(r.Word(), 0) << "no menu";
    EXPECT_EQ(r.Word(), 0) << "default dialog class";
    EXPECT_EQ(r.String(), u"エンジン設定");
    EXPECT_EQ(r.Word(), 9) << "point size";
    EXPECT_EQ(r.String(), u"ＭＳ Ｐゴシック");

    ASSERT_EQ(count, std::size(ExpectedControls));
    for (const ExpectedControl& want : ExpectedControls) {
        SCOPED_TRACE("control " + std::to_string(want.id) + " at offset " + std::to_string(r.Offset()));
        r.AlignDword();
        EXPECT_EQ(Hex(r.Dword()), Hex(want.style));
        EXPECT_EQ(r.Dword(), 0u) << "extended style";
        EXPECT_EQ(static_cast<short>(r.Word()), want.x);
        EXPECT_EQ(static_cast<short>(r.Word()), want.y);
        EXPECT_EQ(static_cast<short>(r.Word()), want.cx);
        EXPECT_EQ(static_cast<short>(r.Word()), want.cy);
        EXPECT_EQ(r.Word(), static_cast<WORD>(want.id));
        EXPECT_EQ(r.Word(), 0xFFFF) << "class by atom";
        EXPECT_EQ(r.Word(), 0x0080) << "BUTTON class";
        EXPECT_EQ(r.String(), want.text);
        EXPECT_EQ(r.Word(), 0) << "no creation data";
    }
    EXPECT_LE(r.Offset(), data.size());
    EXPECT_GE(r.Offset() + 3, data.size()) << "nothing after the last control";
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
    EnumResourceLanguagesA(module, type, name, CollectLanguage, param);
    return TRUE;
}

BOOL CALLBACK CollectType(HMODULE module, LPSTR type, LONG_PTR param) {
    EnumResourceNamesA(module, type, CollectName, param);
    return TRUE;
}

TEST_F(Resources, EveryResourceIsJapanese) {
    std::vector<WORD> languages;
    EnumResourceTypesA(module_, CollectType, reinterpret_cast<LONG_PTR>(&languages));
    // Dialog, icon group, four icons, version, manifest.
    EXPECT_EQ(languages.size(), 8u);
    for (WORD language : languages) EXPECT_EQ(language, Japanese);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(Resources, IconGroupHasFourUncompressed32BitImages) {
    const std::vector<unsigned char> group = Data(RT_GROUP_ICON, MAKEINTRESOURCEA(10001));
    ASSERT_GE(group.size(), 6u) << "no icon group 10001";
    WORD header[3];
    std::memcpy(header, group.data(), sizeof header);
    EXPECT_EQ(header[1], 1) << "icon type";
    ASSERT_EQ(header[2], 4) << "image count";
    ASSERT_EQ(group.size(), 6 + 4 * sizeof(GroupIconEntry));

    const int sizes[] = {256, 48, 32, 16};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(sizes[i]);
        GroupIconEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        EXPECT_EQ(entry.width, sizes[i] == 256 ? 0 : sizes[i]);
        EXPECT_EQ(entry.height, entry.width);
        EXPECT_EQ(entry.bitCount, 32);
        const std::vector<unsigned char> image = Data(RT_ICON, MAKEINTRESOURCEA(entry.id));
        ASSERT_EQ(image.size(), entry.bytes);
        BITMAPINFOHEADER bitmap;
        ASSERT_GE(image.size(), sizeof bitmap);
        std::memcpy(&bitmap, image.data(), sizeof bitmap);
        EXPECT_EQ(bitmap.biWidth, sizes[i]);
        EXPECT_EQ(bitmap.biHeight, 2 * sizes[i]) << "colour and mask";
        EXPECT_EQ(bitmap.biBitCount, 32);
        EXPECT_EQ(bitmap.biCompression, static_cast<DWORD>(BI_RGB));
        const size_t pixels = static_cast<size_t>(sizes[i]) * sizes[i];
        const size_t maskRow = ((sizes[i] + 31) / 32) * 4;
        EXPECT_EQ(image.size(), sizeof bitmap + pixels * 4 + maskRow * sizes[i]);

        // Artwork, not a flat square: both transparent and opaque pixels,
        // and more than a few colours.
        size_t transparent = 0;
        std::vector<DWORD> colours;
        for (size_t p = 0; p < pixels; ++p) {
            DWORD bgra;
            std::memcpy(&bgra, image.data() + sizeof bitmap + p * 4, 4);
            if ((bgra >> 24) == 0) ++transparent;
            if (colours.size() < 64 && std::find(colours.begin(), colours.end(), bgra) == colours.end()) {
                colours.push_back(bgra);
            }
        }
        EXPECT_GT(transparent, pixels / 20);
        EXPECT_LT(transparent, pixels / 2);
        EXPECT_GE(colours.size(), 16u);
    }
}

std::wstring VersionString(const std::vector<char>& info, const wchar_t* key, bool* present) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + key;
    void* value = nullptr;
    UINT length = 0;
    *present = VerQueryValueW(info.data(), path.c_str(), &value, &length) != 0;
    if (!*present || value == nullptr || length == 0) return L"";
    return static_cast<const wchar_t*>(value);
}

TEST_F(Resources, VersionInformationNamesTheProduct) {
    const std::string toolPath = BuiltToolPath();
    const std::wstring path(toolPath.begin(), toolPath.end());
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x000001E1u) << "0.481";
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x000001E1u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 0x40004u);
    EXPECT_EQ(fixed->dwFileType, 1u);

    struct Key {
        const wchar_t* name;
        const wchar_t* value;
    };
    const Key keys[] = {
        {L"Comments", L""},         {L"CompanyName", L""},       {L"FileDescription", L""},
        {L"FileVersion", L"0, 481, 0, 0"}, {L"InternalName", L""}, {L"LegalCopyright", L""},
        {L"LegalTrademarks", L""},  {L"OriginalFilename", L""},  {L"PrivateBuild", L""},
        {L"ProductName", L"VORLAN Configuration"}, {L"ProductVersion", L"0, 481, 0, 0"},
        {L"SpecialBuild", L""},
    };
    for (const Key& key : keys) {
        bool present = false;
        EXPECT_EQ(VersionString(info, key.name, &present), key.value) << std::string(key.name, key.name + wcslen(key.name));
        EXPECT_TRUE(present) << std::string(key.name, key.name + wcslen(key.name));
    }

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);
}

TEST_F(Resources, ManifestAsksForCommonControls6AndNothingElse) {
    const std::vector<unsigned char> data = Data(RT_MANIFEST, MAKEINTRESOURCEA(1));
    ASSERT_GT(data.size(), 3u) << "no manifest resource 1";
    EXPECT_EQ(data[0], 0xEF);
    EXPECT_EQ(data[1], 0xBB);
    EXPECT_EQ(data[2], 0xBF) << "UTF-8 with a byte-order mark";
    const std::string text(data.begin() + 3, data.end());

    const char* const expectedParts[] = {
        "<assemblyIdentity version=\"1.0.0.0\" processorArchitecture=\"*\" name=\"vlcfg.exe\" type=\"win32\"/>",
        "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">",
        "<requestedExecutionLevel level=\"asInvoker\"/>",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"*\" "
        "publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>",
    };
    for (const char* part : expectedParts) EXPECT_NE(text.find(part), std::string::npos) << part;
    // One identity of its own and one dependency; no other elements.
    size_t elements = 0;
    for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
        if (text[at + 1] != '/' && text[at + 1] != '?') ++elements;
    }
    EXPECT_EQ(elements, 9u) << text;
}

}  // namespace
