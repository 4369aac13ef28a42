#pragma once
#include <windows.h>

// The text dialog's working font: what the font dialog edits before OK stores it into the
// object's LOGFONT. Only face, height, character set, the four styles and the colour are
// its own; every other LOGFONT member stays as the object has it.
struct TextFont {
    char szFace[LF_FACESIZE];
    LONG nHeight;
    BYTE nCharSet;
    // The weight as read: a weight that is neither normal nor bold (a semibold 600 from a
    // file) is kept unless the user changes the bold style.
    LONG nWeight;
    bool bBold;
    bool bItalic;
    bool bUnderline;
    bool bStrikeOut;
    COLORREF crColor;

    void FromLogFont(const LOGFONTA &lf, COLORREF cr);
    // Writes the working font's members into a LOGFONT the caller filled beforehand.
    void ToLogFont(LOGFONTA *plf) const;
    // A font the user confirmed in the font dialog, with the colour chosen there.
    void TakeChoice(const LOGFONTA &lf, COLORREF cr);
};

// The extent of one line of text in a font, measured on the screen's device context as
// DrawText lays it out. False, with the outputs untouched, when something is missing or the
// font cannot be made.
bool MeasureText(const LOGFONTA *plf, const char *szText, int *pnWidth, int *pnHeight);
