#include "AppSettings.h"

#include <string.h>

#include "misc/WinUtil.h"

// Placeholder until the settings file code lands.
void LoadSettings(AppSettings &settings, const char *)
{
    memset(&settings, 0, sizeof(settings));
    CopyText(settings.PubID, "pub-1234567890123456");
    settings.Startup = true;
}

bool SaveSettings(const AppSettings &, const char *) { return false; }

const char *GetSettingsPath()
{
    static char szPath[MAX_PATH + 16];
    if (!szPath[0]) {
        CopyText(szPath, GetProgramFolder());
        strncat(szPath, "ornamo.ini", sizeof(szPath) - strlen(szPath) - 1);
    }
    return szPath;
}
