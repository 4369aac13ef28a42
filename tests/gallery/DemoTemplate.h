#pragma once

// Writes the template the help file's pictures of the main window show: a garden shop's
// leaderboard with a leaf picture, a headline and a rounded frame around the ad unit.
// The leaf is drawn here and embedded through the Temp folder of the running program.
bool WriteDemoTemplate(const char *szFile);
