#include "AppSettings.h"

#include <string.h>

#include "misc/WinUtil.h"

namespace {

const char kSection[] = "Common";

}  // namespace

const char kDefaultSettingsPubID[] = "pub-1234567890123456";

void LoadSettings(AppSettings &settings, const char *szIniPath)
{
    memset(&settings, 0, sizeof(settings));
    CopyText(settings.PubID, kDefaultSettingsPubID);
    settings.Startup = true;
    settings.RecoveryInterval = 30;
    // Without a path the profile functions would read the system folder's win.ini.
    if (!szIniPath || !szIniPath[0])
        return;
    // The buffer sizes keep at most 31 characters of each ID.
    GetPrivateProfileStringA(kSection, "PubID", kDefaultSettingsPubID, settings.PubID,
                             sizeof(settings.PubID), szIniPath);
    GetPrivateProfileStringA(kSection, "ChannelID", "", settings.ChannelID,
                             sizeof(settings.ChannelID), szIniPath);
    settings.Startup = GetPrivateProfileIntA(kSection, "Startup", 1, szIniPath) != 0;
    settings.AsyncCode = GetPrivateProfileIntA(kSection, "AsyncCode", 0, szIniPath) != 0;
    const int nInterval = static_cast<int>(GetPrivateProfileIntA(kSection, "RecoveryInterval", 30, szIniPath));
    settings.RecoveryInterval = nInterval < 1 ? 1 : nInterval > 30 ? 30 : nInterval;
}

bool SaveSettings(const AppSettings &settings, const char *szIniPath)
{
    if (!szIniPath || !szIniPath[0])
        return false;
    char szPubID[sizeof(settings.PubID)], szChannelID[sizeof(settings.ChannelID)];
    // The record may come from anywhere: never trust it to be terminated.
    CopyText(szPubID, settings.PubID);
    CopyText(szChannelID, settings.ChannelID);
    bool bOk = WritePrivateProfileStringA(kSection, "PubID", szPubID, szIniPath) != FALSE;
    bOk = WritePrivateProfileStringA(kSection, "ChannelID", szChannelID, szIniPath) != FALSE && bOk;
    bOk = WritePrivateProfileStringA(kSection, "Startup", settings.Startup ? "1" : "0",
                                     szIniPath) != FALSE && bOk;
    bOk = WritePrivateProfileStringA(kSection, "AsyncCode", settings.AsyncCode ? "1" : "0",
                                     szIniPath) != FALSE && bOk;
    return bOk;
}

const char *GetSettingsPath()
{
    static char szPath[MAX_PATH + 16];
    if (!szPath[0]) {
        CopyText(szPath, GetProgramFolder());
        strncat(szPath, "ornamo.ini", sizeof(szPath) - strlen(szPath) - 1);
    }
    return szPath;
}
