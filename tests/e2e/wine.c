/* Runs inside Wine for the tests. As clipread.exe, it writes the clipboard's CF_TEXT and
   CF_UNICODETEXT, each with its terminating zero, to the two files it is given. Under any other
   name (Notepad.exe, calc.exe) it stands in for that program: it appends the command line it was
   started with and the window style it was asked to show in to NAME.log beside itself, in UTF-16. */
#include <stdio.h>
#include <windows.h>

static void save(UINT format, const wchar_t* path, size_t unit) {
    const char* text = GlobalLock(GetClipboardData(format));
    FILE* file = _wfopen(path, L"wb");
    size_t length = 0;
    while (text && memcmp(text + length * unit, L"\0\0", unit))
        ++length;
    fwrite(text, unit, text ? length + 1 : 0, file);
    fclose(file);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments, int show) {
    wchar_t self[MAX_PATH], log[64];
    const DWORD length = GetModuleFileNameW(NULL, self, MAX_PATH);
    if (wcsstr(self, L"clipread")) {
        while (!OpenClipboard(NULL))
            Sleep(100);
        save(CF_TEXT, __wargv[1], 1);
        save(CF_UNICODETEXT, __wargv[2], 2);
        return !CloseClipboard();
    }
    STARTUPINFOW startup;
    GetStartupInfoW(&startup);
    wcscpy(self + length - 4, L".log");
    FILE* file = _wfopen(self, L"ab");
    fwrite(GetCommandLineW(), 2, wcslen(GetCommandLineW()), file);
    fwrite(log, 2, swprintf(log, 64, L"\n%u\n", startup.wShowWindow), file);
    return fclose(file);
}
