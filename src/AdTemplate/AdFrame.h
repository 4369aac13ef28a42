#pragma once
#include "AdTemplate/AdObj.h"

// A filled rectangle or rounded rectangle with a border.
class AdFrame : public AdObj {
public:
    AdFrame();
    ~AdFrame() override;
    bool Load(CxFile *pFile) override;
    bool Save(CxFile *pFile) override;
    bool Reset() override;
    bool Draw(HDC hDC, bool bNoOutline) override;

    // Rebuild the caches after the border or fill fields changed (old objects are deleted).
    void UpdatePen();
    void UpdateBrush();
    // Creates the pen, then the brush, when they do not exist yet; used by Draw.
    void PrepareGdi();

    int m_nFrameType;
    COLORREF m_crBack;
    int m_nLineWidth;
    int m_nLineStyle;
    int m_nRoundCorner;
    COLORREF m_crLine;
    char m_szExtra[AD_PATH_SIZE];
    COLORREF m_crExtra1;
    COLORREF m_crExtra2;
    DWORD m_nExtra;
    HPEN m_hPen;
    HBRUSH m_hBrush;
    AdReserved m_reserved;
};
