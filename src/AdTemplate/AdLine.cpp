#include "AdTemplate/AdLine.h"
#include "misc/GdiUtil.h"

AdLine::AdLine()
    : AdObj(OBJ_LINE), m_nWidth(0), m_nStyle(0), m_crLine(0), m_hPen(nullptr),
      m_ptStart{0, 0}, m_ptEnd{0, 0}, m_reserved{}
{
    Reset();
}

AdLine::~AdLine()
{
    ReleaseGdiObject(m_hPen);
}

bool AdLine::Reset()
{
    ReleaseGdiObject(m_hPen);
    m_nWidth = 1;
    m_nStyle = 1;
    m_crLine = RGB(0, 0, 0);
    SetStart(50, 50);
    SetEnd(200, 200);
    m_rcPos = RECT{50, 50, 200, 200};
    m_reserved.Clear();
    return true;
}

void AdLine::SetStart(int x, int y)
{
    m_ptStart = POINT{x, y};
}

void AdLine::SetEnd(int x, int y)
{
    m_ptEnd = POINT{x, y};
}

void AdLine::UpdatePen()
{
    ReleaseGdiObject(m_hPen);
    m_hPen = CreatePen(PenStyleFromCode(m_nStyle), m_nWidth, m_crLine);
}

void AdLine::PrepareGdi()
{
    if (!m_hPen)
        UpdatePen();
}
