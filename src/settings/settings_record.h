// The settings record: the in-memory image of vlcfg.dat, which the game's
// engine reads. 32 little-endian signed 32-bit words, no header.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int RecordWordCount = 32;
constexpr size_t RecordByteCount = RecordWordCount * sizeof(int32_t);

typedef int32_t SettingsRecord[RecordWordCount];

// Word positions. Words from EngineWords on belong to the engine: the tool
// carries them from load to save and never interprets them.
enum SettingsWord {
    UseDirectShow = 0,
    Flag1031 = 1,
    UseSse = 2,
    UseSse2 = 3,
    UseMultiCore = 4,
    Word5 = 5,
    FullscreenResolution = 6,
    FullscreenScaling = 7,
    RenderMethod = 8,
    TitleBarDoubleClick = 9,
    StartupPlacement = 10,
    EngineWords = 11,
};

// The record of this run: zero until the load, then changed by the dialog.
extern SettingsRecord CurrentSettings;

// The words a new settings file gets, and the dialog's reset button restores.
extern const SettingsRecord DefaultSettings;

// Sets all 32 words of CurrentSettings to DefaultSettings.
void ApplyDefaultSettings();

constexpr char SettingsFileName[] = "vlcfg.dat";

// The platform's path size, terminator included.
constexpr size_t SettingsPathBufferSize = 261;

// Writes directory followed by the settings file name into out (outSize
// bytes). 0 on success; -1, with out empty, when the path would not fit.
int BuildSettingsFilePath(const char* directory, char* out, size_t outSize);
