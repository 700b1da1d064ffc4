// Every text the tool shows in a message box, as Shift-JIS bytes.
#pragma once

extern const char CaptionError[];
extern const char CaptionInformation[];
extern const char CaptionEngineSettings[];

extern const char TextCreateFailed[];
extern const char TextUpdateFailed[];
extern const char TextInvalidStartPath[];
extern const char TextUnsupportedWindows[];
extern const char TextAlreadyRunning[];
extern const char TextDirectShowNotice[];
