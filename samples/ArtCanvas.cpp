#include "ArtCanvas.h"

#include <cmath>
#include <memory>
#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace art {

namespace {

// Every GDI+ object made here has one owner that deletes it.
struct BrushDeleter {
    void operator()(GpBrush *p) const { GdipDeleteBrush(p); }
};
struct PenDeleter {
    void operator()(GpPen *p) const { GdipDeletePen(p); }
};
struct PathDeleter {
    void operator()(GpPath *p) const { GdipDeletePath(p); }
};
using Brush = std::unique_ptr<GpBrush, BrushDeleter>;
using Pen = std::unique_ptr<GpPen, PenDeleter>;
using Path = std::unique_ptr<GpPath, PathDeleter>;

Brush SolidBrush(ARGB color)
{
    GpSolidFill *pFill = nullptr;
    GdipCreateSolidFill(color, &pFill);
    return Brush(pFill);
}

// Round ends and joins: the sample pictures have no hard line ends anywhere. The width is in
// picture pixels: world units grow with the drawing's scale.
Pen RoundPen(ARGB color, float width)
{
    GpPen *pPen = nullptr;
    if (GdipCreatePen1(color, width, UnitWorld, &pPen) == Ok) {
        GdipSetPenStartCap(pPen, LineCapRound);
        GdipSetPenEndCap(pPen, LineCapRound);
        GdipSetPenLineJoin(pPen, LineJoinRound);
    }
    return Pen(pPen);
}

Path NewPath()
{
    GpPath *pPath = nullptr;
    GdipCreatePath(FillModeAlternate, &pPath);
    return Path(pPath);
}

// A gradient brush between two points. The points lie half a pixel outside the area, and
// the pattern mirrors beyond them: GDI+ would otherwise wrap the far colour onto the first row.
Brush LinearBrush(GpPointF from, GpPointF to, ARGB first, ARGB second)
{
    GpLineGradient *pBrush = nullptr;
    GdipCreateLineBrush(&from, &to, first, second, WrapModeTileFlipXY, &pBrush);
    return Brush(pBrush);
}

void AddRoundRect(GpPath *pPath, float x, float y, float w, float h, float r)
{
    const float d = 2 * r;
    GdipAddPathArc(pPath, x, y, d, d, 180, 90);
    GdipAddPathArc(pPath, x + w - d, y, d, d, 270, 90);
    GdipAddPathArc(pPath, x + w - d, y + h - d, d, d, 0, 90);
    GdipAddPathArc(pPath, x, y + h - d, d, d, 90, 90);
    GdipClosePathFigure(pPath);
}

}  // namespace

GdiplusSession::GdiplusSession()
{
    GdiplusStartupInput input;
    if (GdiplusStartup(&m_token, &input, nullptr) != Ok)
        m_token = 0;
}

GdiplusSession::~GdiplusSession()
{
    if (m_token)
        GdiplusShutdown(m_token);
}

ArtCanvas::ArtCanvas(int nWidth, int nHeight, ARGB background)
    : m_nWidth(nWidth), m_nHeight(nHeight)
{
    if (nWidth <= 0 || nHeight <= 0 ||
        GdipCreateBitmapFromScan0(nWidth * kDrawingScale, nHeight * kDrawingScale, 0,
                                  PixelFormat24bppRGB,
                                  nullptr, &m_pBitmap) != Ok ||
        GdipGetImageGraphicsContext(m_pBitmap, &m_pGraphics) != Ok) {
        m_pGraphics = nullptr;
        return;
    }
    // Callers draw in picture pixels.
    GdipScaleWorldTransform(m_pGraphics, float(kDrawingScale), float(kDrawingScale),
                            MatrixOrderPrepend);
    GdipSetSmoothingMode(m_pGraphics, SmoothingModeAntiAlias);
    FillRect(0, 0, float(nWidth), float(nHeight), background);
}

ArtCanvas::~ArtCanvas()
{
    if (m_pGraphics)
        GdipDeleteGraphics(m_pGraphics);
    if (m_pBitmap)
        GdipDisposeImage(m_pBitmap);
}

void ArtCanvas::FillRect(float x, float y, float w, float h, ARGB color)
{
    Brush brush = SolidBrush(color);
    if (m_pGraphics && brush)
        GdipFillRectangle(m_pGraphics, brush.get(), x, y, w, h);
}

void ArtCanvas::VerticalGradient(float x, float y, float w, float h, ARGB top, ARGB bottom)
{
    Brush brush = LinearBrush({x, y - 0.5f}, {x, y + h + 0.5f}, top, bottom);
    if (m_pGraphics && brush)
        GdipFillRectangle(m_pGraphics, brush.get(), x, y, w, h);
}

void ArtCanvas::HorizontalGradient(float x, float y, float w, float h, ARGB left, ARGB right)
{
    Brush brush = LinearBrush({x - 0.5f, y}, {x + w + 0.5f, y}, left, right);
    if (m_pGraphics && brush)
        GdipFillRectangle(m_pGraphics, brush.get(), x, y, w, h);
}

void ArtCanvas::RadialGlow(float cx, float cy, float rx, float ry, ARGB centre, ARGB rim)
{
    Path path = NewPath();
    if (!m_pGraphics || !path)
        return;
    GdipAddPathEllipse(path.get(), cx - rx, cy - ry, 2 * rx, 2 * ry);
    GpPathGradient *pGradient = nullptr;
    if (GdipCreatePathGradientFromPath(path.get(), &pGradient) != Ok)
        return;
    Brush brush(pGradient);
    GdipSetPathGradientCenterColor(pGradient, centre);
    INT nCount = 1;
    GdipSetPathGradientSurroundColorsWithCount(pGradient, &rim, &nCount);
    GdipFillPath(m_pGraphics, brush.get(), path.get());
}

void ArtCanvas::FillEllipse(float cx, float cy, float rx, float ry, ARGB color)
{
    Brush brush = SolidBrush(color);
    if (m_pGraphics && brush)
        GdipFillEllipse(m_pGraphics, brush.get(), cx - rx, cy - ry, 2 * rx, 2 * ry);
}

void ArtCanvas::DrawEllipse(float cx, float cy, float rx, float ry, float width, ARGB color)
{
    Pen pen = RoundPen(color, width);
    if (m_pGraphics && pen)
        GdipDrawEllipse(m_pGraphics, pen.get(), cx - rx, cy - ry, 2 * rx, 2 * ry);
}

void ArtCanvas::FillPolygon(std::initializer_list<GpPointF> points, ARGB color)
{
    Brush brush = SolidBrush(color);
    if (m_pGraphics && brush)
        GdipFillPolygon(m_pGraphics, brush.get(), points.begin(), INT(points.size()),
                        FillModeAlternate);
}

void ArtCanvas::FillPolygon(const std::vector<GpPointF> &points, ARGB color)
{
    Brush brush = SolidBrush(color);
    if (m_pGraphics && brush && !points.empty())
        GdipFillPolygon(m_pGraphics, brush.get(), points.data(), INT(points.size()),
                        FillModeAlternate);
}

void ArtCanvas::FillBlob(std::initializer_list<GpPointF> points, ARGB color)
{
    Brush brush = SolidBrush(color);
    if (m_pGraphics && brush)
        GdipFillClosedCurve(m_pGraphics, brush.get(), points.begin(), INT(points.size()));
}

void ArtCanvas::FillRoundRect(float x, float y, float w, float h, float radius, ARGB color)
{
    Path path = NewPath();
    if (!path)
        return;
    AddRoundRect(path.get(), x, y, w, h, radius);
    FillPath(path.get(), color);
}

void ArtCanvas::Line(float x1, float y1, float x2, float y2, float width, ARGB color)
{
    Pen pen = RoundPen(color, width);
    if (m_pGraphics && pen)
        GdipDrawLine(m_pGraphics, pen.get(), x1, y1, x2, y2);
}

void ArtCanvas::Curve(std::initializer_list<GpPointF> points, float width, ARGB color)
{
    Pen pen = RoundPen(color, width);
    if (m_pGraphics && pen)
        GdipDrawCurve2(m_pGraphics, pen.get(), points.begin(), INT(points.size()), 0.5f);
}

void ArtCanvas::Leaf(float x, float y, float length, float width, float angleDeg, ARGB color)
{
    // The outline along the x axis from the stalk (0, 0) to the tip (length, 0), turned.
    const float half = width / 2;
    const GpPointF local[] = {{0, 0},
                              {length * 0.25f, -half * 1.3f},
                              {length * 0.7f, -half * 1.1f},
                              {length, 0},
                              {length * 0.7f, half * 1.1f},
                              {length * 0.25f, half * 1.3f},
                              {0, 0}};
    const float a = angleDeg * 3.14159265f / 180;
    const float c = std::cos(a), s = std::sin(a);
    GpPointF turned[7];
    for (int i = 0; i < 7; ++i)
        turned[i] = {x + local[i].X * c - local[i].Y * s, y + local[i].X * s + local[i].Y * c};
    Path path = NewPath();
    if (!path)
        return;
    GdipAddPathBeziers(path.get(), turned, 7);
    GdipClosePathFigure(path.get());
    FillPath(path.get(), color);
}

void ArtCanvas::Star(float cx, float cy, float outer, float inner, ARGB color, bool bTwinkle)
{
    const int nPoints = bTwinkle ? 4 : 5;
    std::vector<GpPointF> points;
    for (int i = 0; i < 2 * nPoints; ++i) {
        const float r = i % 2 ? inner : outer;
        const float a = -3.14159265f / 2 + i * 3.14159265f / nPoints;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    Brush brush = SolidBrush(color);
    if (m_pGraphics && brush)
        GdipFillPolygon(m_pGraphics, brush.get(), points.data(), INT(points.size()),
                        FillModeWinding);
}

void ArtCanvas::ClipEllipse(float cx, float cy, float rx, float ry)
{
    Path path = NewPath();
    if (!m_pGraphics || !path)
        return;
    GdipAddPathEllipse(path.get(), cx - rx, cy - ry, 2 * rx, 2 * ry);
    GdipSetClipPath(m_pGraphics, path.get(), CombineModeReplace);
}

void ArtCanvas::ResetClip()
{
    if (m_pGraphics)
        GdipResetClip(m_pGraphics);
}

void ArtCanvas::FillPath(GpPath *pPath, ARGB color)
{
    Brush brush = SolidBrush(color);
    if (m_pGraphics && brush)
        GdipFillPath(m_pGraphics, brush.get(), pPath);
}

}  // namespace art
