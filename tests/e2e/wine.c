/* Runs inside Wine for the tests, standing in for the program it is named after (Notepad.exe,
   Calc.exe): it appends to NAME.log beside itself the command line it was started with and the
   window style it was asked to show in. As clipread.exe it appends the clipboard's CF_TEXT and
   CF_UNICODETEXT instead, each with its terminating zero. */
#include <stdio.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments, int show) {
    wchar_t path[MAX_PATH];
    wcscpy(path + GetModuleFileNameW(NULL, path, MAX_PATH) - 4, L".log");
    FILE* log = _wfopen(path, L"ab");
    if (wcsstr(path, L"clipread")) {
        while (!OpenClipboard(NULL))
            Sleep(100);
        const char* text = GlobalLock(GetClipboardData(CF_TEXT));
        const wchar_t* wide = GlobalLock(GetClipboardData(CF_UNICODETEXT));
        fwrite(text, 1, strlen(text) + 1, log);
        fwrite(wide, 2, wcslen(wide) + 1, log);
        CloseClipboard();
    } else {
        STARTUPINFOW startup;
        GetStartupInfoW(&startup);
        fprintf(log, "%ls\n%u\n", GetCommandLineW(), startup.wShowWindow);
    }
    return fclose(log);
}
