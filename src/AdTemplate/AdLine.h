#pragma once
#include "AdTemplate/AdObj.h"

// A straight line between two points; m_rcPos is only its selection and hit area.
class AdLine : public AdObj {
public:
    AdLine();
    ~AdLine() override;
    bool Load(CxFile *pFile) override;
    bool Save(CxFile *pFile) override;
    bool Reset() override;
    bool Draw(HDC hDC, bool bNoOutline) override;

    void SetStart(int x, int y);
    void SetEnd(int x, int y);
    // Rebuilds the pen from style, width and colour (the old pen is deleted).
    void UpdatePen();
    // Creates the pen when it does not exist yet; used by Draw.
    void PrepareGdi();

    int m_nWidth;
    int m_nStyle;
    COLORREF m_crLine;
    HPEN m_hPen;
    POINT m_ptStart;
    POINT m_ptEnd;
    AdReserved m_reserved;
};
