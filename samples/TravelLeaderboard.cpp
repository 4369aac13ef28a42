// "Island Hopper": the header of a travel blog. A navy title bar with a sunset badge, a
// sunset-coloured rule, the leaderboard on a sand panel, and the sea along the bottom.
#include <cmath>

#include "ArtCanvas.h"
#include "SampleBuilder.h"
#include "Samples.h"

using art::ArtCanvas;
using art::Rgb;
using art::ToColorRef;

namespace {

const int kWidth = 760;
const art::ARGB kNavy = Rgb(0x16, 0x42, 0x5B);
const art::ARGB kSand = Rgb(0xF3, 0xEA, 0xD7);
const art::ARGB kPaper = Rgb(0xFF, 0xFD, 0xF8);
const art::ARGB kSandLine = Rgb(0xE0, 0xCF, 0xA8);
const art::ARGB kGold = Rgb(0xF4, 0xA2, 0x59);
const art::ARGB kCoral = Rgb(0xE7, 0x6F, 0x51);
const art::ARGB kTeal = Rgb(0x1F, 0x7A, 0x8C);

// The area under a wave: y = base + amplitude * sin(...) from the left edge to the right,
// closed along the bottom.
std::vector<art::GpPointF> WaveArea(float width, float base, float amplitude, float wavelength,
                                    float phase, float bottom)
{
    std::vector<art::GpPointF> points;
    for (float x = -2; x <= width + 2; x += 2)
        points.push_back({x, base + amplitude * std::sin(x * 6.2831853f / wavelength + phase)});
    points.push_back({width + 2, bottom});
    points.push_back({-2, bottom});
    return points;
}

// The blog's badge: a sunset over the sea in a circle, on the title bar's navy.
void DrawBadge(ArtCanvas &art)
{
    const float c = 18, r = 16;
    art.ClipEllipse(c, c, r, r);
    art.VerticalGradient(0, 0, 36, 24, Rgb(0xFF, 0xD9, 0x8A), Rgb(0xF2, 0x8A, 0x5C));
    art.RadialGlow(c, 22, 11, 11, Rgb(0xFF, 0xF6, 0xDC), Rgb(0xFF, 0xC8, 0x7A, 0));
    art.FillEllipse(c, 22, 6.5f, 6.5f, Rgb(0xFF, 0xF4, 0xD6));
    art.FillPolygon(WaveArea(36, 23, 1.2f, 12, 0, 36), kTeal);
    art.FillPolygon(WaveArea(36, 28, 1.2f, 10, 2, 36), Rgb(0x15, 0x5E, 0x6E));
    art.Line(12, 25.5f, 24, 25.5f, 1, Rgb(0xFF, 0xE3, 0xB0));
    art.Line(14, 28, 22, 28, 1, Rgb(0xF8, 0xC9, 0x90));
    art.ResetClip();
    art.DrawEllipse(c, c, r, r, 1.5f, kSand);
}

// A thin rule from gold to coral and back, under the title bar.
void DrawSunsetRule(ArtCanvas &art)
{
    const float half = art.Width() / 2.0f;
    art.HorizontalGradient(0, 0, half, float(art.Height()), kGold, kCoral);
    art.HorizontalGradient(half, 0, half, float(art.Height()), kCoral, kGold);
}

// Three layers of sea below the sand panel.
void DrawSea(ArtCanvas &art)
{
    const float w = float(art.Width()), h = float(art.Height());
    art.FillPolygon(WaveArea(w, 7, 2.5f, 90, 0.0f, h), Rgb(0xA8, 0xD5, 0xD8));
    art.FillPolygon(WaveArea(w, 11, 2.5f, 70, 1.3f, h), Rgb(0x4F, 0xA8, 0xB2));
    art.FillPolygon(WaveArea(w, 15, 2.0f, 55, 2.6f, h), kTeal);
}

}  // namespace

void ComposeTravelLeaderboard(SampleBuilder &b)
{
    b.PlaceAdUnit(1, 16, 56,
                  {ToColorRef(kPaper), ToColorRef(kPaper), RGB(0x0E, 0x6E, 0x80),
                   RGB(0x4A, 0x4A, 0x4A), RGB(0xC8, 0x55, 0x3D)});

    b.AddFrame("Title Bar", {0, 0, kWidth, 44}, ToColorRef(kNavy), ToColorRef(kNavy));
    b.AddFrame("Sand Panel", {0, 48, kWidth, 154}, ToColorRef(kSand), ToColorRef(kSand));
    b.AddFrame("Ad Panel", {11, 51, kWidth - 11, 151}, ToColorRef(kPaper), ToColorRef(kSandLine),
               1, 10);

    ArtCanvas badge(36, 36, kNavy);
    DrawBadge(badge);
    b.AddPicture("Sunset Badge", badge, "travel-badge.png", 12, 4);
    ArtCanvas rule(kWidth, 4, kGold);
    DrawSunsetRule(rule);
    b.AddPicture("Sunset Rule", rule, "travel-rule.png", 0, 44);
    ArtCanvas sea(kWidth, 22, kSand);
    DrawSea(sea);
    b.AddPicture("Sea", sea, "travel-sea.png", 0, 154);

    const TextStyle title = {"Georgia", 22, true, false, RGB(0xFF, 0xFF, 0xFF), ToColorRef(kNavy),
                             ALIGN_LEFT};
    b.AddText("Blog Title", {58, 7, 260, 37}, "Island Hopper", title);
    const TextStyle tagline = {"Georgia", 14, false, true, RGB(0xE9, 0xD8, 0xB4),
                               ToColorRef(kNavy), ALIGN_RIGHT};
    b.AddText("Tagline", {360, 10, kWidth - 16, 34},
              "slow travel \xB7 ferry routes \xB7 quiet beaches", tagline);
}
