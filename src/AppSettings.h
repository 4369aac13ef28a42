#pragma once

// The user settings kept between runs in "ornamo.ini" beside the program.
struct AppSettings {
    char PubID[32];
    char ChannelID[32];
    bool Startup;
    // The code page shows the asynchronous ad code instead of the classic one.
    bool AsyncCode;
    // Seconds between recovery copies of a modified template, 1 to 30; read only, from
    // "RecoveryInterval", for a setup that wants copies more often than every 30 seconds.
    int RecoveryInterval;
};

// The publisher ID used when the settings name none.
extern const char kDefaultSettingsPubID[];

// Clears the record, then reads section "Common" of the settings file at its full path,
// with the defaults for whatever is missing.
void LoadSettings(AppSettings &settings, const char *szIniPath);
// Writes "PubID", "ChannelID", "Startup" and "AsyncCode" of section "Common"; other keys and sections
// stay. False when the file could not be written.
bool SaveSettings(const AppSettings &settings, const char *szIniPath);
// "<program folder>ornamo.ini".
const char *GetSettingsPath();
