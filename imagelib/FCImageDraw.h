#pragma once
#include <windows.h>

class FCObjImage;

// Unscaled draw with the top-left corner at (x, y). A 32-bit image shows its colour bytes only.
void DrawImageAt(const FCObjImage &img, HDC hdc, int x, int y);
// Draws rcSrc of the image (pixels, y from the top) stretched into rcDest of the DC.
void StretchImageTo(const FCObjImage &img, HDC hdc, const RECT &rcDest, const RECT &rcSrc);
// Fills img with a 24-bit copy of what the DC shows in rc; true when img then holds pixels.
// The image is untouched for an empty rectangle or a DC of 8 or fewer bits per pixel.
bool CaptureRect(FCObjImage &img, HDC hdc, const RECT &rc);
// Blends a 32-bit image, scaled into rc, over what the DC shows there.
void AlphaDrawImage(const FCObjImage &img, HDC hdc, const RECT &rc, int nPercent);
// Blends the blue, green and red bytes of pSrc into pDest with alpha 0..255.
void BlendPixel(BYTE *pDest, const BYTE *pSrc, int nAlpha);
