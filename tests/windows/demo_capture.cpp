// Starts vlcfg.exe, waits for its dialog, saves a picture of it as a BMP and
// closes it with Cancel: the demo's screenshot where there is no display.
//
//   demo_capture.exe PATH\vlcfg.exe OUT.bmp
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "tool_process.h"
#include "window_probe.h"

namespace {

bool SaveScreenArea(const RECT& area, const char* path) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    const DWORD stride = (width * 3 + 3) & ~3u;
    std::vector<char> pixels(stride * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: demo_capture PATH\\vlcfg.exe OUT.bmp\n");
        return 2;
    }
    ToolRun run;
    if (!run.Start(argv[1])) {
        std::fprintf(stderr, "demo_capture: cannot start %s\n", argv[1]);
        return 1;
    }
    HWND dialog = run.WaitForSettingsDialog();
    if (dialog == nullptr) {
        std::fprintf(stderr, "demo_capture: no settings dialog appeared\n");
        return 1;
    }
    Sleep(1000);  // let it paint
    RECT area;
    GetWindowRect(dialog, &area);
    InflateRect(&area, 12, 12);
    const bool saved = SaveScreenArea(area, argv[2]);
    ClickDialogButton(dialog, IDCANCEL);
    DWORD code = 1;
    if (!run.WaitForExit(&code)) {
        std::fprintf(stderr, "demo_capture: the tool did not end after Cancel\n");
        return 1;
    }
    return saved && code == 0 ? 0 : 1;
}
