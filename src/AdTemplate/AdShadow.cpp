#include "AdTemplate/AdShadow.h"

AdShadow::AdShadow() : AdObj(OBJ_SHADOW), m_nValue(0), m_reserved{}
{
    Reset();
}

AdShadow::~AdShadow() = default;

bool AdShadow::Reset()
{
    m_nValue = 6;
    m_rcPos = RECT{0, 0, 0, 0};
    m_reserved.Clear();
    return true;
}
