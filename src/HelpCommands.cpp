#include "HelpCommands.h"

#include <string.h>

#include "misc/WinUtil.h"

const char *const kHomePageAddress = "https://ornamo.example.com/";
const char *const kTutorialsPageAddress = "https://ornamo.example.com/tutorials/";

void OpenHelpContents()
{
    char szHelp[MAX_PATH + 16];
    CopyText(szHelp, GetProgramFolder());
    strncat(szHelp, "ornamo.chm", sizeof(szHelp) - strlen(szHelp) - 1);
    ShellOpen(szHelp);
    ShellOpen(kTutorialsPageAddress);
}

void OpenHomePage()
{
    ShellOpen(kHomePageAddress);
}
