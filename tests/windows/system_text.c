// Prints the system's text for a Win32 error code as FormatMessageW gives it in the user's
// language, in UTF-8: the end-to-end test under Wine compares the program's error box with it.
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

int wmain(int argc, wchar_t* argv[])
{
    const DWORD code = argc > 1 ? wcstoul(argv[1], NULL, 10) : 0;
    wchar_t* text = NULL;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        NULL, code, 0, (wchar_t*)&text, 0, NULL);
    if (length == 0)
        return 1;
    char utf8[4096];
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, (int)length, utf8, sizeof utf8, NULL, NULL);
    fwrite(utf8, 1, (size_t)bytes, stdout);
    LocalFree(text);
    return 0;
}
