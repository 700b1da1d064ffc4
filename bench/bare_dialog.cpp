// The yardstick for vlcfg.exe: the same template and resources, built the
// same way, with nothing but DialogBoxParamA. OK, Cancel and the close box
// end it; nothing is read or written.
#include <windows.h>

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, "IDD_DIALOG1", nullptr, BareDialogProc, 0);
    return 0;
}
