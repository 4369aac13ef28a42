// make_samples: writes the sample templates and their exported background pictures into a
// program folder's "Samples" folder. The build runs it (under Wine when cross-building)
// whenever it changes, so the samples are always in the file format of the program built
// beside them.
//
// Usage: make_samples <Samples folder> [<preview folder>]
//   With a preview folder, each sample is also drawn there with its sample ads, as the
//   preview page shows it (<name>.jpg): a quick look at the samples after changing them,
//   for example with
//   tools/wine-build-step.sh $PWD/build $PWD/build/samples/bin/make_samples.exe /tmp/s /tmp/p
//
// It runs as the program does: the image library and a Temp folder beside it, and the
// pictures drawn into an "Art" folder beside it before they are inserted.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "ArtCanvas.h"
#include "PictraUtil.h"
#include "SampleBuilder.h"
#include "Samples.h"
#include "misc/WinUtil.h"

namespace {

// The names the installer and the help know the samples by.
const SampleDesign kSamples[] = {
    {"leaderboard", ComposeTravelLeaderboard},
    {"skyscraper", ComposeKitchenSkyscraper},
    {"rectangle", ComposeReadingRectangle},
    {"button", ComposeStargazerButton},
};

std::string WithSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

// A folder and its parents; true when it exists afterwards.
bool MakeFolder(const std::string &folder)
{
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    const DWORD dwAttributes = GetFileAttributesA(folder.c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

int Fail(const std::string &what)
{
    fprintf(stderr, "make_samples: %s\n", what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3)
        return Fail("usage: make_samples <Samples folder> [<preview folder>]");
    const std::string samples = WithSeparator(argv[1]);
    const std::string preview = argc > 2 ? WithSeparator(argv[2]) : std::string();
    const std::string tool = GetProgramFolder();
    const std::string artFolder = tool + "Art\\";
    for (const std::string &folder : {tool + "Temp", artFolder, samples, samples + "images", preview})
        if (!folder.empty() && !MakeFolder(folder))
            return Fail("cannot make the folder " + folder);

    art::GdiplusSession gdiplus;
    if (!gdiplus.IsStarted())
        return Fail("GDI+ does not start");
    // Pictures go through the image library exactly as in the program: without it they would
    // be neither embedded nor exported.
    PictraUtil pictra;
    if (!pictra.IsLoaded())
        return Fail("Pictra.dll is missing or incomplete in " + tool);

    int nFailed = 0;
    for (const SampleDesign &design : kSamples) {
        SampleBuilder builder(artFolder);
        design.pfnCompose(builder);
        if (!builder.Write(samples, design.szName, preview)) {
            Fail(std::string(design.szName) + ".atp: " + builder.GetError());
            ++nFailed;
        }
    }
    return nFailed == 0 ? 0 : 1;
}
