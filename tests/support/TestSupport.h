#pragma once
#include <windows.h>
#include <set>
#include <string>

// Small helpers shared by every test program.
namespace testsupport {

// Folder of the running test program, with a trailing backslash.
std::string ExeFolder();
// The built program folder (tests/bin/../program/), with a trailing backslash.
std::string ProgramFolder();
// A fresh empty folder below the test program's folder, with a trailing backslash.
std::string MakeScratchFolder(const char *name);

std::string ReadFileBytes(const std::string &path);
bool WriteFileBytes(const std::string &path, const std::string &bytes);
bool FileExists(const std::string &path);
// Names of the files (not folders) in a folder given with its trailing backslash.
std::set<std::string> FilesIn(const std::string &folder);
// The bytes of a bottom-up 24-bit BMP file whose every pixel is one colour.
std::string BitmapFile(int nWidth, int nHeight, COLORREF cr);

// Pumps the thread's message queue until it is empty.
void PumpMessages();

}  // namespace testsupport
