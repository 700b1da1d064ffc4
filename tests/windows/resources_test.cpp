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

struct ExpectedControl {
    int id;
    DWORD style;
    short x, y, cx, cy;
    const char16_t* text;
};

constexpr DWORD GroupBox = 0x50000007;
constexpr DWORD FirstRadio = 0x50020009;
constexpr DWORD Radio = 0x50000009;
constexpr DWORD CheckBox = 0x50010003;
constexpr DWORD PushButton = 0x50010000;
constexpr DWORD DefaultPush = 0x50010001;

const ExpectedControl ExpectedControls[] = {
    {-1, GroupBox, 7, 7, 317, 64, u"ゲーム画面の描画方法"},
    {1042, FirstRadio, 14, 19, 302, 9, u"GPU (ﾊﾞｲｷｭｰﾋﾞｯｸ) --- Direct3D を使用して描画します。画質が一番良いですが負荷が高いです。"},
    {1043, Radio, 14, 31, 302, 9, u"GPU (バイリニア) --- Direct3D を使用して描画します。画質が良く負荷は普通です。"},
    {1044, Radio, 14, 43, 302, 9, u"CPU (バイリニア) --- 画質は良いですがスペックによっては負荷が高いです。"},
    {1045, Radio, 14, 55, 302, 9, u"CPU (ﾆｱﾚｽﾄﾈｲﾊﾞｰ) --- 画質は汚いですが負荷は軽いです。"},
    {-1, GroupBox, 7, 78, 317, 132, u"フルスクリーン処理"},
    {-1, GroupBox, 15, 90, 300, 40, u"解像度"},
    {1036, FirstRadio, 21, 102, 285, 9, u"変更する --- 自動的に最適なアスペクト比の解像度に設定します。"},
    {1037, Radio, 21, 114, 285, 9, u"変更しない --- 解像度を変更しません。"},
    {-1, GroupBox, 15, 136, 300, 64, u"拡大方法"},
    {1038, FirstRadio, 21, 148, 285, 9, u"拡大(内接) --- 縦横比を維持して縦横どちらかが画面端に接するまで拡大します。"},
    {1039, Radio, 21, 160, 285, 9, u"拡大(外接) --- 縦横比を維持して画面いっぱいに拡大します。(一部領域が見えなくなります)"},
    {1040, Radio, 21, 172, 285, 9, u"拡大(ﾌｨｯﾄ) --- 縦横比を無視して画面いっぱいに拡大します。"},
    {1041, Radio, 21, 184, 285, 9, u"拡大しない --- 拡大しません。"},
    {-1, GroupBox, 7, 217, 150, 41, u"タイトルバーダブルクリック時の処理"},
    {1046, FirstRadio, 14, 230, 135, 9, u"ウィンドウサイズの最大化"},
    {1047, Radio, 14, 242, 135, 9, u"ウィンドウサイズの初期化"},
    {-1, GroupBox, 164, 217, 160, 41, u"起動時のウィンドウ位置とサイズ"},
    {1048, FirstRadio, 171, 230, 147, 9, u"前回終了時の状態"},
    {1049, Radio, 171, 242, 147, 9, u"常に画面中央、通常サイズ"},
    {-1, GroupBox, 7, 265, 150, 52, u"CPU"},
    {1032, CheckBox, 14, 277, 135, 9, u"SSE 命令が使えれば使用する"},
    {1033, CheckBox, 14, 289, 135, 9, u"SSE2 命令が使えれば使用する"},
    {1034, CheckBox, 14, 301, 135, 9, u"マルチコア機能が使えれば使用する"},
    {1029, GroupBox, 164, 265, 160, 29, u"ムービー再生"},
    {1035, CheckBox, 171, 277, 147, 10, u"ムービー再生に DirectShow を使用する"},
    {1, DefaultPush, 164, 302, 50, 16, u"OK"},
    {2, PushButton, 217, 302, 50, 16, u"キャンセル"},
    {3, DefaultPush, 274, 302, 50, 16, u"初期化"},
};

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
