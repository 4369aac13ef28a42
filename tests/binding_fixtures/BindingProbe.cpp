// Runs the binding the way the program does, from whatever folder this file was copied to:
// that folder is then the program folder, with its own Pictra.dll and Temp folder, so a test
// can set up each case without touching the folder of the other test programs.
//
// Usage: binding_probe.exe <picture file> [extension...]
// Each extension is handed to MakeTempFileName.
// Writes key=value lines to probe.txt beside itself, after the binding was destroyed.
#include "PictraUtil.h"

#include <cstdio>
#include <string>

static std::string OwnFolder()
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

static bool LibraryInProcess(const std::string &folder)
{
    return GetModuleHandleA((folder + "Pictra.dll").c_str()) != nullptr;
}

int main(int argc, char **argv)
{
    const std::string folder = OwnFolder();
    const char *picture = argc > 1 ? argv[1] : "";
    std::string out;
    auto put = [&out](const char *key, const std::string &value) {
        out += key;
        out += '=';
        out += value;
        out += '\n';
    };
    auto flag = [](bool b) { return std::string(b ? "1" : "0"); };

    {
        PictraUtil util;
        put("instance", flag(PictraUtil::Get() == &util));
        put("loaded", flag(util.IsLoaded()));
        put("module", flag(LibraryInProcess(folder)));

        int size[2] = {-1, -1};
        bool bSize = util.GetImageSize(picture, size);
        put("size", flag(bSize) + " " + std::to_string(size[0]) + " " + std::to_string(size[1]));

        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bmp = CreateCompatibleBitmap(dc, 64, 64);
        HGDIOBJ old = SelectObject(dc, bmp);
        put("draw", flag(util.DrawImageOnDC(picture, dc, 3, -4)));
        std::string jpeg = folder + "out.jpg";
        put("capture", flag(util.CaptureDCtoJPEG(dc, 1, 2, 30, 40, jpeg.c_str(), 75)));
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);

        // One flag per name: the binding counts it as its own copy.
        std::string own;
        for (int i = 2; i < argc; ++i) {
            const std::string name = util.MakeTempFileName(argv[i]);
            put("name", name);
            own += flag(util.IsOwnTempFile(name.c_str()));
        }
        put("own", own);
        put("picture_own", flag(util.IsOwnTempFile(picture)));

        {
            PictraUtil second;
            put("second_keeps_instance", flag(PictraUtil::Get() == &util));
        }
        put("instance_after_second", flag(PictraUtil::Get() == &util));
    }
    put("instance_after_end", flag(PictraUtil::Get() == nullptr));
    put("module_after_end", flag(LibraryInProcess(folder)));

    FILE *f = fopen((folder + "probe.txt").c_str(), "wb");
    if (!f)
        return 1;
    fwrite(out.data(), 1, out.size(), f);
    fclose(f);
    return 0;
}
