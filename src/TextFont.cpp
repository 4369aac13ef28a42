#include "TextFont.h"

#include <string.h>

#include "canvas/GdiScope.h"
#include "misc/WinUtil.h"

void TextFont::FromLogFont(const LOGFONTA &lf, COLORREF cr)
{
    CopyText(szFace, lf.lfFaceName);
    nHeight = lf.lfHeight;
    nCharSet = lf.lfCharSet;
    nWeight = lf.lfWeight;
    bBold = lf.lfWeight == FW_BOLD;
    bItalic = lf.lfItalic != 0;
    bUnderline = lf.lfUnderline != 0;
    bStrikeOut = lf.lfStrikeOut != 0;
    crColor = cr;
}

void TextFont::ToLogFont(LOGFONTA *plf) const
{
    plf->lfHeight = nHeight;
    CopyText(plf->lfFaceName, szFace);
    plf->lfCharSet = nCharSet;
    const bool bBoldAsRead = nWeight == FW_BOLD;
    plf->lfWeight = bBold == bBoldAsRead ? nWeight : bBold ? FW_BOLD : FW_NORMAL;
    plf->lfItalic = bItalic ? 1 : 0;
    plf->lfUnderline = bUnderline ? 1 : 0;
    plf->lfStrikeOut = bStrikeOut ? 1 : 0;
}

void TextFont::TakeChoice(const LOGFONTA &lf, COLORREF cr)
{
    char szChosen[LF_FACESIZE];
    CopyText(szChosen, lf.lfFaceName);
    // A face keeps its own character set; the same face keeps the one the text had.
    if (strcmp(szChosen, szFace) != 0)
        nCharSet = lf.lfCharSet;
    CopyText(szFace, szChosen);
    nHeight = lf.lfHeight;
    bBold = lf.lfWeight > FW_NORMAL;
    bItalic = lf.lfItalic != 0;
    bUnderline = lf.lfUnderline != 0;
    bStrikeOut = lf.lfStrikeOut != 0;
    crColor = cr;
}

bool MeasureText(const LOGFONTA *plf, const char *szText, int *pnWidth, int *pnHeight)
{
    if (!plf || !szText || !pnWidth || !pnHeight)
        return false;
    canvas::GdiObject<HFONT> font(CreateFontIndirectA(plf));
    if (!font.Get())
        return false;
    canvas::WindowDC screen(nullptr);
    if (!screen.Get())
        return false;
    RECT rc = {0, 0, 0, 0};
    {
        canvas::SelectScope select(screen.Get(), font.Get());
        DrawTextA(screen.Get(), szText, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
    }
    *pnWidth = rc.right - rc.left;
    *pnHeight = rc.bottom - rc.top;
    return true;
}
