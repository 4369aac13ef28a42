#include "AdTemplate/AdText.h"
#include "misc/GdiUtil.h"
#include "misc/WinUtil.h"
#include <string.h>

AdText::AdText()
    : AdObj(OBJ_TEXT), m_szText{}, m_lf{}, m_crText(0), m_crBack(0), m_hFont(nullptr),
      m_hBrush(nullptr), m_nAlign(0), m_reserved{}
{
    Reset();
}

AdText::~AdText()
{
    ReleaseGdiObject(m_hFont);
    ReleaseGdiObject(m_hBrush);
}

bool AdText::Reset()
{
    ReleaseGdiObject(m_hFont);
    ReleaseGdiObject(m_hBrush);
    memset(&m_lf, 0, sizeof(m_lf));
    m_lf.lfHeight = -12;
    m_lf.lfWeight = FW_NORMAL;
    SetFaceName("Verdana");
    m_crText = RGB(0, 0, 0);
    m_crBack = RGB(255, 255, 255);
    m_nAlign = 1;
    SetText("New Text");
    m_reserved.Clear();
    return true;
}

void AdText::SetText(const char *szText)
{
    CopyText(m_szText, szText);
}

void AdText::SetFaceName(const char *szFace)
{
    CopyText(m_lf.lfFaceName, szFace);
}

void AdText::UpdateFont()
{
    ReleaseGdiObject(m_hFont);
    m_hFont = CreateFontIndirectA(&m_lf);
}

void AdText::UpdateBrush()
{
    ReleaseGdiObject(m_hBrush);
    m_hBrush = CreateSolidBrush(m_crBack);
}

void AdText::PrepareGdi()
{
    if (!m_hFont)
        UpdateFont();
    if (!m_hBrush)
        UpdateBrush();
}
