#include "TestSupport.h"

#include <shellapi.h>
#include <fstream>
#include <sstream>

namespace testsupport {

std::string ExeFolder()
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

std::string ProgramFolder()
{
    return ExeFolder() + "..\\..\\program\\";
}

static void DeleteTree(const std::string &folder)
{
    std::string from = folder;
    if (!from.empty() && (from.back() == '\\' || from.back() == '/'))
        from.pop_back();
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    SHFileOperationA(&op);
}

std::string MakeScratchFolder(const char *name)
{
    std::string folder = ExeFolder() + "scratch\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += name;
    DeleteTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

std::string ReadFileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool WriteFileBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool FileExists(const std::string &path)
{
    DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::set<std::string> FilesIn(const std::string &folder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.insert(fd.cFileName);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return names;
}

std::string BitmapFile(int nWidth, int nHeight, COLORREF cr)
{
    const int nStride = (nWidth * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    ih.biSize = sizeof(ih);
    ih.biWidth = nWidth;
    ih.biHeight = nHeight;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = nStride * nHeight;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = fh.bfOffBits + ih.biSizeImage;
    std::string bytes(reinterpret_cast<const char *>(&fh), sizeof(fh));
    bytes.append(reinterpret_cast<const char *>(&ih), sizeof(ih));
    std::string row(nStride, '\0');
    for (int x = 0; x < nWidth; x++) {
        row[x * 3] = static_cast<char>(GetBValue(cr));
        row[x * 3 + 1] = static_cast<char>(GetGValue(cr));
        row[x * 3 + 2] = static_cast<char>(GetRValue(cr));
    }
    for (int y = 0; y < nHeight; y++)
        bytes += row;
    return bytes;
}

}  // namespace testsupport
