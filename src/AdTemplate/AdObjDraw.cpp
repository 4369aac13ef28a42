// PLACEHOLDER: the drawing of every object kind belongs to the rendering code; until it
// lands here nothing is drawn.
#include "AdTemplate/AdObjects.h"

bool AdObj::DrawOutline(HDC, bool) { return false; }
bool AdSense::Draw(HDC, bool) { return false; }
bool Pictra::Draw(HDC, bool) { return false; }
bool AdText::Draw(HDC, bool) { return false; }
bool AdLine::Draw(HDC, bool) { return false; }
bool AdShadow::Draw(HDC, bool) { return false; }
bool AdFrame::Draw(HDC, bool) { return false; }
