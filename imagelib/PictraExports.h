#pragma once
#include <windows.h>

// The five functions of Pictra.dll, exported by their undecorated names. Results are one
// byte: 1 for success, 0 for failure; nothing else crosses the boundary. The caller owns
// every name and device context; the library keeps nothing between calls.
#ifdef PICTRA_BUILDING_DLL
#define PICTRA_API extern "C" __declspec(dllexport)
#else
#define PICTRA_API extern "C" __declspec(dllimport)
#endif

PICTRA_API unsigned char Pictra_IsValidImage(const char *fileName);
// size: two integers, width then height; untouched when the result is 0.
PICTRA_API unsigned char Pictra_GetImageSize(const char *fileName, int *size);
PICTRA_API unsigned char Pictra_DrawImageOnDC(const char *fileName, HDC dc, int x, int y);
// Blends a 32-bit picture scaled into the rectangle; opacity is a percentage, clamped to 0..100.
// 1 whenever the picture loaded, whether or not anything could be blended.
PICTRA_API unsigned char Pictra_AlphaImageOnDC(const char *fileName, HDC dc, int left, int top, int right,
                                               int bottom, int opacity);
// Writes what the DC shows in the rectangle to a file whose format follows the extension;
// quality is the JPEG quality (0..100) or, for TGA, 1 for run-length encoding.
PICTRA_API unsigned char Pictra_CaptureDCtoJPEG(HDC dc, int left, int top, int right, int bottom,
                                                const char *fileName, int quality);
