#include <gtest/gtest.h>

#include <set>

#include "dialog/settings_binding.h"
#include "resource.h"
#include "settings/settings_record.h"

namespace {

TEST(SettingsBindings, BindEachShownWordOnceAndNoControlTwice) {
    std::set<int> words;
    std::set<int> controls;
    for (size_t i = 0; i < SettingsBindingCount; ++i) {
        const ControlBinding& b = SettingsBindings[i];
        EXPECT_TRUE(words.insert(b.word).second) << "word " << b.word;
        for (int id = b.firstControl; id <= LastControl(b); ++id) {
            EXPECT_TRUE(controls.insert(id).second) << "control " << id;
        }
        EXPECT_EQ(b.kind == BindingKind::CheckBox, b.controlCount == 1) << "word " << b.word;
    }
    // Word 5 and the engine words are never read from the controls.
    EXPECT_EQ(words, (std::set<int>{0, 1, 2, 3, 4, 6, 7, 8, 9, 10}));
}

TEST(SettingsBindings, RadioGroupsSpanTheirButtons) {
    struct Group {
        int word;
        int first;
        int last;
    };
    const Group groups[] = {
        {FullscreenResolution, IDC_FS_RES_CHANGE, IDC_FS_RES_KEEP},
        {FullscreenScaling, IDC_FS_SCALE_INSCRIBED, IDC_FS_SCALE_NONE},
        {RenderMethod, IDC_RENDER_GPU_BICUBIC, IDC_RENDER_CPU_NEAREST},
        {TitleBarDoubleClick, IDC_DBLCLK_MAXIMIZE, IDC_DBLCLK_RESET},
        {StartupPlacement, IDC_START_LAST, IDC_START_CENTER},
    };
    for (const Group& g : groups) {
        const ControlBinding* found = nullptr;
        for (size_t i = 0; i < SettingsBindingCount; ++i) {
            if (SettingsBindings[i].word == g.word) found = &SettingsBindings[i];
        }
        ASSERT_NE(found, nullptr) << g.word;
        EXPECT_EQ(found->kind, BindingKind::RadioGroup);
        EXPECT_EQ(found->firstControl, g.first);
        EXPECT_EQ(LastControl(*found), g.last);
        EXPECT_FALSE(IsInGroup(*found, -1));
        EXPECT_TRUE(IsInGroup(*found, 0));
        EXPECT_TRUE(IsInGroup(*found, g.last - g.first));
        EXPECT_FALSE(IsInGroup(*found, g.last - g.first + 1));
    }
}

TEST(SettingsBindings, CheckBoxesComeFirstWithDirectShowLeading) {
    // The fill checks 1035 first, then 1031..1034, before any radio group.
    const int order[] = {IDC_MOVIE_DIRECTSHOW, IDC_FLAG1031, IDC_CPU_SSE, IDC_CPU_SSE2, IDC_CPU_MULTICORE};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(SettingsBindings[i].kind, BindingKind::CheckBox);
        EXPECT_EQ(SettingsBindings[i].firstControl, order[i]);
    }
}

}  // namespace
