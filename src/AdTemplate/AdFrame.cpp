#include "AdTemplate/AdFrame.h"
#include "misc/GdiUtil.h"

AdFrame::AdFrame()
    : AdObj(OBJ_FRAME), m_nFrameType(0), m_crBack(0), m_nLineWidth(0), m_nLineStyle(0),
      m_nRoundCorner(0), m_crLine(0), m_szExtra{}, m_crExtra1(0), m_crExtra2(0), m_nExtra(0),
      m_hPen(nullptr), m_hBrush(nullptr), m_reserved{}
{
    SetName("Frame1");
    Reset();
}

AdFrame::~AdFrame()
{
    ReleaseGdiObject(m_hPen);
    ReleaseGdiObject(m_hBrush);
}

bool AdFrame::Reset()
{
    ReleaseGdiObject(m_hPen);
    ReleaseGdiObject(m_hBrush);
    m_nLineWidth = 1;
    m_nRoundCorner = 0;
    m_nLineStyle = 1;
    m_crLine = RGB(0, 0, 0);
    m_crBack = RGB(255, 255, 255);
    m_nFrameType = 1;
    m_szExtra[0] = 0;
    m_crExtra1 = RGB(0, 0, 0);
    m_crExtra2 = RGB(255, 255, 255);
    m_nExtra = 32;
    m_rcPos = RECT{0, 0, 0, 0};
    m_reserved.Clear();
    return true;
}

void AdFrame::UpdatePen()
{
    ReleaseGdiObject(m_hPen);
    m_hPen = CreatePen(PenStyleFromCode(m_nLineStyle), m_nLineWidth, m_crLine);
}

void AdFrame::UpdateBrush()
{
    ReleaseGdiObject(m_hBrush);
    m_hBrush = CreateSolidBrush(m_crBack);
}

void AdFrame::PrepareGdi()
{
    if (!m_hPen)
        UpdatePen();
    if (!m_hBrush)
        UpdateBrush();
}
