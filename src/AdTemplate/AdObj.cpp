#include "AdTemplate/AdObj.h"
#include "misc/WinUtil.h"
#include <string.h>

void AdReserved::Clear()
{
    memset(this, 0, sizeof(*this));
}

int PenStyleFromCode(int nStyle)
{
    switch (nStyle) {
    case 2: return PS_DASH;
    case 3: return PS_DOT;
    case 4: return PS_DASHDOT;
    case 5: return PS_DASHDOTDOT;
    default: return PS_SOLID;
    }
}

AdObj::AdObj(int nType)
    : m_nType(nType), m_rcPos{0, 0, 0, 0}, m_bSelected(false), m_szName{},
      m_nOffsetX(0), m_nOffsetY(0)
{
}

AdObj::~AdObj() = default;

bool AdObj::SetPos(const RECT *prc)
{
    if (!prc)
        return false;
    m_rcPos = *prc;
    return true;
}

void AdObj::SetName(const char *szName)
{
    if (szName)
        CopyText(m_szName, szName);
}

void AdObj::SetOffset(int nOffsetX, int nOffsetY)
{
    m_nOffsetX = nOffsetX;
    m_nOffsetY = nOffsetY;
}
