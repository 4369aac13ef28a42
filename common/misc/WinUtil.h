#pragma once
#include <windows.h>
#include <stddef.h>

// Drive and directory of the running program file, with a trailing backslash.
// The text is computed once and stays valid for the whole run.
const char *GetProgramFolder();

// "pub-" followed by exactly 16 ASCII digits.
bool IsValidPubID(const char *szText);
// Empty, or exactly 11 ASCII digits.
bool IsValidChannelID(const char *szText);

// The file name of a path without its folder and its extension, cut to the capacity.
void GetFileBaseName(const char *szPath, char *szName, size_t nCapacity);

// Hands a file path or web address to the shell ("open", SW_SHOW). False, and nothing
// happens, for a missing or empty target; true otherwise, whatever the shell reports: a
// missing viewer or browser is the shell's to report.
bool ShellOpen(const char *szTarget);

// The shell call behind ShellOpen, replaceable so tests can see what would be opened
// without starting a browser. Answers the previous function; null restores ShellExecuteA.
typedef HINSTANCE(WINAPI *ShellExecuteFn)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
ShellExecuteFn SetShellExecuteFunction(ShellExecuteFn pfn);

// Copies a text into a fixed-capacity field, cutting it so the terminator always fits.
// A null source gives an empty field. nCapacity counts the terminator.
void CopyText(char *szDest, size_t nCapacity, const char *szSrc);

template <size_t N>
void CopyText(char (&szDest)[N], const char *szSrc)
{
    CopyText(szDest, N, szSrc);
}
