// Times, under the real window manager, how long a program takes from
// CreateProcess until its settings dialog is visible and answers messages,
// and reads its peak working set while the dialog is up. The programs take
// turns, in an order that rotates and reverses from round to round (ABBA for
// two), so the machine's drift falls on all of them alike.
//
//   time_to_dialog.exe [--runs N] [--warmup W] NAME=PATH\A.exe NAME=PATH\B.exe ...
//
// Each run prints one line:
//   run NAME INDEX MILLISECONDS PEAK_WORKING_SET_BYTES INIT_US
// INIT_US is the time the program's dialog procedure took over
// WM_INITDIALOG, for programs that leave it in a property of the dialog,
// else -1.
// Exit code 0 when every run ended cleanly, 1 otherwise.
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench_names.h"
#include "frame/messages.h"
#include "resource.h"

namespace {

constexpr DWORD DialogTimeoutMs = 20000;
constexpr DWORD ExitTimeoutMs = 10000;
// The working set is read once the dialog has had time to paint itself.
constexpr DWORD SettleMs = 250;
constexpr int MaxPrograms = 4;

struct Program {
    char name[32];
    char path[MAX_PATH];
    char folder[MAX_PATH];
};

struct RunResult {
    double milliseconds;
    SIZE_T peakWorkingSet;
    long initMicroseconds;
};

bool ParseProgram(const char* argument, Program* program) {
    const char* equals = std::strchr(argument, '=');
    if (equals == nullptr || equals == argument || static_cast<size_t>(equals - argument) >= sizeof program->name)
        return false;
    const size_t nameLength = static_cast<size_t>(equals - argument);
    std::memcpy(program->name, argument, nameLength);
    program->name[nameLength] = '\0';
    if (std::strlen(equals + 1) >= sizeof program->path) return false;
    std::strcpy(program->path, equals + 1);
    std::strcpy(program->folder, program->path);
    char* lastSeparator = std::strrchr(program->folder, '\\');
    if (lastSeparator == nullptr) return false;
    lastSeparator[1] = '\0';
    return true;
}

// The visible settings dialog of process pid, or null.
HWND FindSettingsDialog(DWORD pid) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32770", CaptionEngineSettings)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == pid && IsWindowVisible(window) && GetDlgItem(window, IDC_RENDER_GPU_BICUBIC) != nullptr)
            return window;
    }
    return nullptr;
}

double Elapsed(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool RunOnce(const Program& program, RunResult* result) {
    LARGE_INTEGER frequency, started, ready;
    QueryPerformanceFrequency(&frequency);

    char commandLine[MAX_PATH + 2];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", program.path);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};

    QueryPerformanceCounter(&started);
    if (!CreateProcessA(program.path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, program.folder, &startup,
                        &process)) {
        std::fprintf(stderr, "time_to_dialog: cannot start %s (error %lu)\n", program.path, GetLastError());
        return false;
    }

    // Visible, and its thread takes messages: the modal loop is running.
    HWND dialog = nullptr;
    const DWORD deadline = GetTickCount() + DialogTimeoutMs;
    for (;;) {
        dialog = FindSettingsDialog(process.dwProcessId);
        DWORD_PTR answer = 0;
        if (dialog != nullptr &&
            SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, DialogTimeoutMs, &answer) != 0)
            break;
        if (static_cast<LONG>(GetTickCount() - deadline) >= 0) {
            dialog = nullptr;
            break;
        }
        Sleep(1);
    }
    QueryPerformanceCounter(&ready);

    bool clean = dialog != nullptr;
    if (clean) {
        result->milliseconds = Elapsed(started, ready, frequency);
        // A property that is not there reads as null, and so does zero.
        const HANDLE init = GetPropA(dialog, InitDialogTimeProperty);
        result->initMicroseconds = init != nullptr ? static_cast<long>(reinterpret_cast<uintptr_t>(init)) : -1;
        Sleep(SettleMs);
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
            result->peakWorkingSet = memory.PeakWorkingSetSize;
        } else {
            std::fprintf(stderr, "time_to_dialog: no memory counters for %s (error %lu)\n", program.name,
                         GetLastError());
            clean = false;
        }
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    } else {
        std::fprintf(stderr, "time_to_dialog: %s showed no dialog within %lu ms\n", program.name, DialogTimeoutMs);
    }

    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, ExitTimeoutMs) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "time_to_dialog: %s did not end after Cancel\n", program.name);
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, ExitTimeoutMs);
        clean = false;
    } else if (!GetExitCodeProcess(process.hProcess, &exitCode) || exitCode != 0) {
        std::fprintf(stderr, "time_to_dialog: %s ended with code %lu\n", program.name, exitCode);
        clean = false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return clean;
}

// Which program takes turn step of round: even rounds go round the list from
// a start that moves on every two rounds, odd rounds repeat the round before
// backwards.
int RunOrder(int round, int step, int count) {
    const int start = (round / 2) % count;
    const int position = round % 2 == 0 ? step : count - 1 - step;
    return (start + position) % count;
}

int Usage() {
    std::fprintf(stderr, "usage: time_to_dialog [--runs N] [--warmup W] NAME=PATH\\A.exe NAME=PATH\\B.exe ...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 25;
    int warmup = 2;
    Program programs[MaxPrograms] = {};
    int programCount = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--warmup") == 0 && i + 1 < argc) {
            warmup = std::atoi(argv[++i]);
        } else if (programCount < MaxPrograms && ParseProgram(argv[i], &programs[programCount])) {
            ++programCount;
        } else {
            return Usage();
        }
    }
    if (programCount < 2 || runs < 1 || warmup < 0) return Usage();

    // Warm-up runs fill the file cache and are not reported.
    for (int i = 0; i < warmup; ++i) {
        for (int p = 0; p < programCount; ++p) {
            const Program& program = programs[p];
            RunResult ignored = {};
            if (!RunOnce(program, &ignored)) return 1;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (int step = 0; step < programCount; ++step) {
            const Program& program = programs[RunOrder(i, step, programCount)];
            RunResult result = {};
            if (!RunOnce(program, &result)) return 1;
            std::printf("run %s %d %.3f %lu %ld\n", program.name, i, result.milliseconds,
                        static_cast<unsigned long>(result.peakWorkingSet), result.initMicroseconds);
            std::fflush(stdout);
        }
    }
    return 0;
}
