#pragma once
// The drawing surface of the sample pictures: an opaque 24-bit GDI+ bitmap of shapes and
// gradients, saved as PNG or JPEG. Opaque on purpose: the image library draws a picture's
// colour channels as they are, so a transparent pixel would show as black.
//
// Everything is drawn at four times the size and averaged down when saved: smooth edges
// that do not depend on how well a GDI+ smooths them (Wine's draws small curves as jagged
// polygons).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace art {

using Gdiplus::ARGB;
using Gdiplus::GpPointF;

constexpr ARGB Rgb(int r, int g, int b, int a = 255)
{
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
}

// The same colour as a GDI COLORREF, for the template objects drawn beside the pictures.
constexpr COLORREF ToColorRef(ARGB c)
{
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

// GDI+ for the whole run of the tool: nothing can be drawn before it starts.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession &) = delete;
    GdiplusSession &operator=(const GdiplusSession &) = delete;
    bool IsStarted() const { return m_token != 0; }

private:
    ULONG_PTR m_token = 0;
};

// Drawing pixels per picture pixel, in each direction.
const int kDrawingScale = 4;

class ArtCanvas {
public:
    ArtCanvas(int nWidth, int nHeight, ARGB background);
    ~ArtCanvas();
    ArtCanvas(const ArtCanvas &) = delete;
    ArtCanvas &operator=(const ArtCanvas &) = delete;

    bool IsValid() const { return m_pGraphics != nullptr; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    void FillRect(float x, float y, float w, float h, ARGB color);
    // A gradient from the first colour at the top (or left) edge to the second at the other.
    void VerticalGradient(float x, float y, float w, float h, ARGB top, ARGB bottom);
    void HorizontalGradient(float x, float y, float w, float h, ARGB left, ARGB right);
    // A disc whose colour fades from the centre to the rim: glows, suns, highlights.
    void RadialGlow(float cx, float cy, float rx, float ry, ARGB centre, ARGB rim);
    void FillEllipse(float cx, float cy, float rx, float ry, ARGB color);
    void DrawEllipse(float cx, float cy, float rx, float ry, float width, ARGB color);
    void FillPolygon(std::initializer_list<GpPointF> points, ARGB color);
    void FillPolygon(const std::vector<GpPointF> &points, ARGB color);
    // A smooth closed shape through the points (a cardinal spline).
    void FillBlob(std::initializer_list<GpPointF> points, ARGB color);
    void FillRoundRect(float x, float y, float w, float h, float radius, ARGB color);
    void Line(float x1, float y1, float x2, float y2, float width, ARGB color);
    // A smooth open line through the points, with round ends.
    void Curve(std::initializer_list<GpPointF> points, float width, ARGB color);
    // A pointed leaf of the given length along the angle (degrees, 0 = right, clockwise),
    // starting at its stalk.
    void Leaf(float x, float y, float length, float width, float angleDeg, ARGB color);
    // A five-pointed star, or a four-pointed twinkle when bTwinkle.
    void Star(float cx, float cy, float outer, float inner, ARGB color, bool bTwinkle = false);

    // Drawing stays inside the ellipse until ResetClip.
    void ClipEllipse(float cx, float cy, float rx, float ry);
    void ResetClip();

    // Writes the picture; the format follows the extension (.png or .jpg). False, with the
    // reason in GetError, when it could not be written.
    bool Save(const std::string &path);
    const std::string &GetError() const { return m_error; }

private:
    void FillPath(Gdiplus::GpPath *pPath, ARGB color);
    // The picture at its own size, each pixel the average of its block of the drawing; the
    // caller disposes of it. Null when it cannot be made.
    Gdiplus::GpBitmap *Reduce();

    int m_nWidth;
    int m_nHeight;
    Gdiplus::GpBitmap *m_pBitmap = nullptr;
    Gdiplus::GpGraphics *m_pGraphics = nullptr;
    std::string m_error;
};

}  // namespace art
