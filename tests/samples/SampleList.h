#pragma once
#include <string>

// The sample templates the program folder ships, by the names the installer and the help
// use, with the ad format each is made for.
struct ExpectedSample {
    const char *szName;
    int nFormat;
    int nWidth, nHeight;
};

const ExpectedSample kExpectedSamples[] = {
    {"leaderboard", 1, 728, 90},
    {"skyscraper", 5, 160, 600},
    {"rectangle", 8, 300, 250},
    {"button", 12, 125, 125},
};

// The built program folder's "Samples" folder, with its trailing backslash. The test program
// runs from tests/bin/<suite>/ beside the program folder.
std::string SamplesFolder();
