#include "TemplatePicture.h"

#include <windows.h>
#include <string.h>

#include "AdTemplate/TemplateExport.h"
#include "misc/WinUtil.h"

namespace {

// Only the file's own folder is made: a typing slip further up the path should fail, not
// grow a tree of folders.
void MakeFolderOf(const char *szFile)
{
    char szFolder[MAX_PATH];
    CopyText(szFolder, szFile);
    char *pSeparator = strrchr(szFolder, '\\');
    if (char *pSlash = strrchr(szFolder, '/'))
        pSeparator = pSlash > pSeparator ? pSlash : pSeparator;
    if (!pSeparator || pSeparator == szFolder)
        return;
    *pSeparator = '\0';
    if (GetFileAttributesA(szFolder) == INVALID_FILE_ATTRIBUTES)
        CreateDirectoryA(szFolder, nullptr);
}

}  // namespace

bool WriteTemplatePicture(AdSenseTemplate *pTemplate, const char *szFile, int nQuality)
{
    if (!pTemplate || !szFile || !szFile[0] || strlen(szFile) >= MAX_PATH)
        return false;
    MakeFolderOf(szFile);
    return ExportTemplateImage(pTemplate, szFile, nQuality);
}
