#pragma once
#include "AdTemplate/AdObj.h"

// A one-line caption on a filled background.
class AdText : public AdObj {
public:
    AdText();
    ~AdText() override;
    bool Load(CxFile *pFile) override;
    bool Save(CxFile *pFile) override;
    bool Reset() override;
    bool Draw(HDC hDC, bool bNoOutline) override;

    // Copies the caption, cut to 255 characters; null gives an empty caption.
    void SetText(const char *szText);
    // Copies a face name into m_lf, cut to its capacity.
    void SetFaceName(const char *szFace);
    // Rebuild the caches after m_lf or m_crBack changed (the old object is deleted).
    void UpdateFont();
    void UpdateBrush();
    // Creates the caches that do not exist yet and never rebuilds one; used by Draw.
    void PrepareGdi();

    char m_szText[AD_CAPTION_SIZE];
    LOGFONTA m_lf;
    COLORREF m_crText;
    COLORREF m_crBack;
    HFONT m_hFont;
    HBRUSH m_hBrush;
    int m_nAlign;
    AdReserved m_reserved;
};
