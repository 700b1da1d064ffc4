#include "settings/settings_record.h"

#include <cstring>

SettingsRecord CurrentSettings;

const SettingsRecord DefaultSettings = {
    1,  // UseDirectShow
    1,  // Flag1031
    1,  // UseSse
    1,  // UseSse2
    1,  // UseMultiCore
    0,  // Word5
    0,  // FullscreenResolution: change the resolution
    0,  // FullscreenScaling: inscribed
    1,  // RenderMethod: GPU, bilinear
    0,  // TitleBarDoubleClick: maximize
    0,  // StartupPlacement: as at the last exit
    // EngineWords 11-18; 19-31 are zero.
    1, 0, 0, 1, 0, 2, 2, 1,
};

void ApplyDefaultSettings() { std::memcpy(CurrentSettings, DefaultSettings, RecordByteCount); }

int BuildSettingsFilePath(const char* directory, char* out, size_t outSize) {
    const size_t directoryLength = std::strlen(directory);
    const size_t nameLength = sizeof SettingsFileName - 1;
    if (outSize == 0) return -1;
    if (directoryLength + nameLength + 1 > outSize) {
        out[0] = 0;
        return -1;
    }
    std::memcpy(out, directory, directoryLength);
    std::memcpy(out + directoryLength, SettingsFileName, nameLength + 1);
    return 0;
}
