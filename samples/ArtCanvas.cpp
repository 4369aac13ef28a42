#include "ArtCanvas.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace art {

namespace {

// Drawing pixels per picture pixel, in each direction.
const int kScale = 4;

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

// One channel of a picture pixel: the average of its block of the 24-bit drawing.
BYTE BlockAverage(const BitmapData &drawing, int x, int y, int nChannel)
{
    int nSum = 0;
    for (int dy = 0; dy < kScale; ++dy) {
        const BYTE *pRow = static_cast<const BYTE *>(drawing.Scan0) + (y * kScale + dy) * drawing.Stride;
        for (int dx = 0; dx < kScale; ++dx)
            nSum += pRow[(x * kScale + dx) * 3 + nChannel];
    }
    const int nCount = kScale * kScale;
    return BYTE((nSum + nCount / 2) / nCount);
}

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

bool FindEncoder(const wchar_t *szMimeType, CLSID *pClsid)
{
    UINT nCount = 0, nSize = 0;
    if (GdipGetImageEncodersSize(&nCount, &nSize) != Ok || nSize == 0)
        return false;
    std::vector<BYTE> buffer(nSize);
    auto *pCodecs = reinterpret_cast<ImageCodecInfo *>(buffer.data());
    if (GdipGetImageEncoders(nCount, nSize, pCodecs) != Ok)
        return false;
    for (UINT i = 0; i < nCount; ++i) {
        if (pCodecs[i].MimeType && wcscmp(pCodecs[i].MimeType, szMimeType) == 0) {
            *pClsid = pCodecs[i].Clsid;
            return true;
        }
    }
    return false;
}

bool EndsWith(const std::string &text, const char *szTail)
{
    const size_t n = strlen(szTail);
    return text.size() >= n && _stricmp(text.c_str() + text.size() - n, szTail) == 0;
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
        GdipCreateBitmapFromScan0(nWidth * kScale, nHeight * kScale, 0, PixelFormat24bppRGB,
                                  nullptr, &m_pBitmap) != Ok ||
        GdipGetImageGraphicsContext(m_pBitmap, &m_pGraphics) != Ok) {
        m_pGraphics = nullptr;
        return;
    }
    // Callers draw in picture pixels.
    GdipScaleWorldTransform(m_pGraphics, float(kScale), float(kScale), MatrixOrderPrepend);
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

void ArtCanvas::DrawRoundRect(float x, float y, float w, float h, float radius, float width,
                              ARGB color)
{
    Path path = NewPath();
    Pen pen = RoundPen(color, width);
    if (!m_pGraphics || !path || !pen)
        return;
    AddRoundRect(path.get(), x, y, w, h, radius);
    GdipDrawPath(m_pGraphics, pen.get(), path.get());
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

void ArtCanvas::Arc(float cx, float cy, float rx, float ry, float startDeg, float sweepDeg,
                    float width, ARGB color)
{
    Pen pen = RoundPen(color, width);
    if (m_pGraphics && pen)
        GdipDrawArc(m_pGraphics, pen.get(), cx - rx, cy - ry, 2 * rx, 2 * ry, startDeg, sweepDeg);
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

GpBitmap *ArtCanvas::Reduce()
{
    GdipFlush(m_pGraphics, FlushIntentionSync);
    GpBitmap *pSmall = nullptr;
    if (GdipCreateBitmapFromScan0(m_nWidth, m_nHeight, 0, PixelFormat24bppRGB, nullptr,
                                  &pSmall) != Ok)
        return nullptr;
    const GpRect rcBig = {0, 0, m_nWidth * kScale, m_nHeight * kScale};
    const GpRect rcSmall = {0, 0, m_nWidth, m_nHeight};
    BitmapData big = {}, small = {};
    bool bDone = false;
    if (GdipBitmapLockBits(m_pBitmap, &rcBig, ImageLockModeRead, PixelFormat24bppRGB, &big) ==
        Ok) {
        if (GdipBitmapLockBits(pSmall, &rcSmall, ImageLockModeWrite, PixelFormat24bppRGB,
                               &small) == Ok) {
            for (int y = 0; y < m_nHeight; ++y) {
                BYTE *pOut = static_cast<BYTE *>(small.Scan0) + y * small.Stride;
                for (int n = 0; n < m_nWidth * 3; ++n)
                    pOut[n] = BlockAverage(big, n / 3, y, n % 3);
            }
            GdipBitmapUnlockBits(pSmall, &small);
            bDone = true;
        }
        GdipBitmapUnlockBits(m_pBitmap, &big);
    }
    if (!bDone) {
        GdipDisposeImage(pSmall);
        return nullptr;
    }
    return pSmall;
}

bool ArtCanvas::Save(const std::string &path)
{
    if (!m_pGraphics) {
        m_error = "no bitmap could be made";
        return false;
    }
    const wchar_t *szMime = EndsWith(path, ".png")   ? L"image/png"
                            : EndsWith(path, ".jpg") ? L"image/jpeg"
                                                     : nullptr;
    CLSID clsid;
    if (!szMime || !FindEncoder(szMime, &clsid)) {
        m_error = "no encoder for " + path;
        return false;
    }
    wchar_t szPath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, szPath, MAX_PATH)) {
        m_error = "path too long: " + path;
        return false;
    }
    GpBitmap *pPicture = Reduce();
    if (!pPicture) {
        m_error = "no bitmap of the picture's size could be made";
        return false;
    }
    const bool bSaved = GdipSaveImageToFile(pPicture, szPath, &clsid, nullptr) == Ok;
    GdipDisposeImage(pPicture);
    if (!bSaved)
        m_error = "GDI+ could not write " + path;
    return bSaved;
}

}  // namespace art
