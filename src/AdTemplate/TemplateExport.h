#pragma once

#include <windows.h>

#include <functional>

class AdSenseTemplate;

// Runs draw(hDC) on an off-screen bitmap of nWidth x nHeight and writes the bitmap as a JPEG
// file through the image library. False when there is no library, no bitmap of that size can
// be made, draw answers false, or the library writes no file.
bool WriteDrawingAsJpeg(int nWidth, int nHeight, const std::function<bool(HDC)> &draw,
                        const char *szFile, int nQuality);

// Writes the template's background picture (DrawTemplatePicture, the size of
// AdSenseTemplate::GetPictureRect) as a JPEG file through the image library. nQuality is
// handed on to the library. False when there is no template or no library, when no bitmap
// of that size can be made, or when the library writes no file.
bool ExportTemplateImage(AdSenseTemplate *pTemplate, const char *szFile, int nQuality);
