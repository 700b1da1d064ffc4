#include "settings/settings_file.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "frame/platform_text.h"
#include "frame/messages.h"
#include "frame/program_paths.h"
#include "settings/settings_record.h"

namespace {

const char* SaveFailureText(SaveMode mode) {
    return mode == SaveMode::Create ? TextCreateFailed : TextUpdateFailed;
}

}  // namespace

int SaveSettings(SaveMode mode) {
    char path[SettingsPathBufferSize];
    if (BuildSettingsFilePath(ProgramDirectory, path, sizeof path) != 0) {
        ShowMessage(nullptr, SaveFailureText(mode), nullptr);
        return -1;
    }

    // No _O_TRUNC: bytes past the record belong to whoever wrote them.
    const int file = _open(path, _O_WRONLY | _O_CREAT | _O_BINARY, _S_IWRITE);
    if (file == -1) {
        ShowMessage(nullptr, SaveFailureText(mode), nullptr);
        return -1;
    }
    const int written = _write(file, CurrentSettings, RecordByteCount);
    const int closed = _close(file);
    if (written != static_cast<int>(RecordByteCount) || closed != 0) {
        ShowMessage(nullptr, SaveFailureText(mode), nullptr);
        return -1;
    }
    return 0;
}

int LoadSettings() {
    char path[SettingsPathBufferSize];
    const int file = BuildSettingsFilePath(ProgramDirectory, path, sizeof path) == 0
                         ? _open(path, _O_RDONLY | _O_BINARY)
                         : -1;
    if (file == -1) {
        ApplyDefaultSettings();
        return SaveSettings(SaveMode::Create) == 0 ? 0 : -1;
    }

    // A short file leaves the words it does not cover as they were: zero at
    // start-up. Bytes past the record are never read.
    _read(file, CurrentSettings, RecordByteCount);
    CurrentSettings[Flag1031] = 1;
    _close(file);
    return 0;
}
