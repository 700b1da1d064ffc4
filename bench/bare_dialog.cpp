// The yardstick for vlcfg.exe: the same template and resources, built the
// same way, with nothing but DialogBoxParamA. Its dialog procedure keeps the
// tool's convention (FALSE for every message, so the platform sets no focus)
// and only ends the dialog on OK, Cancel or the close box.
#include <windows.h>

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, "IDD_DIALOG1", nullptr, BareDialogProc, 0);
    return 0;
}
