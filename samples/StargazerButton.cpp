// "Stargazer": a button in the sidebar of an astronomy blog. A night-blue card in a gold
// line: a crescent moon beside the blog's name, the button on night blue, and a hill with a
// telescope under the stars.
#include "ArtCanvas.h"
#include "SampleBuilder.h"
#include "Samples.h"

using art::ArtCanvas;
using art::Rgb;
using art::ToColorRef;

namespace {

const int kWidth = 145;
const int kHeight = 204;
const art::ARGB kNight = Rgb(0x0F, 0x1B, 0x3D);
const art::ARGB kAdNight = Rgb(0x16, 0x24, 0x4F);
const art::ARGB kGold = Rgb(0xC9, 0xA2, 0x27);
const art::ARGB kStar = Rgb(0xF3, 0xE3, 0xA3);

// A crescent: the full moon with the night's disc laid over one side, in a faint glow.
void DrawMoon(ArtCanvas &art)
{
    const float c = art.Width() / 2.0f;
    art.RadialGlow(c, c, c, c, Rgb(0x34, 0x44, 0x78), kNight);
    art.FillEllipse(c, c, 9, 9, kStar);
    art.FillEllipse(c + 5, c - 3, 8, 8, kNight);
    art.Star(c + 8, c + 6, 1.6f, 0.5f, kStar, true);
}

// A hill in the card's night blue against the last light above the horizon, under a few
// stars, with a small telescope on its top.
void DrawHill(ArtCanvas &art)
{
    const float w = float(art.Width()), h = float(art.Height());
    art.VerticalGradient(0, 0, w, h, kNight, Rgb(0x2C, 0x41, 0x7C));
    const struct {
        float x, y, r;
    } stars[] = {{10, 5, 1.6f}, {31, 12, 1.0f}, {54, 4, 1.3f}, {112, 7, 1.8f}, {129, 15, 1.1f}};
    for (const auto &s : stars)
        art.Star(s.x, s.y, s.r * 2, s.r * 0.6f, kStar, true);
    art.FillBlob({{-20, h + 8}, {30, h - 7}, {84, h - 12}, {130, h - 5}, {w + 20, h + 8}},
                 kNight);
    // The telescope: a tube pointing up to the right on a tripod.
    const float x = 86, y = h - 19;
    art.Line(x, y, x - 5, y + 8, 1, kGold);
    art.Line(x, y, x + 5, y + 8, 1, kGold);
    art.Line(x, y, x, y + 8, 1, kGold);
    art.Line(x - 7, y + 3, x + 9, y - 6, 3, kGold);
    art.Line(x + 9, y - 6, x + 11, y - 7, 4, kGold);
}

}  // namespace

void ComposeStargazerButton(SampleBuilder &b)
{
    b.PlaceAdUnit(12, 10, 44,
                  {ToColorRef(kAdNight), ToColorRef(kAdNight), ToColorRef(kStar),
                   RGB(0xD6, 0xDC, 0xEB), RGB(0x8F, 0xB3, 0xE8)});

    b.AddFrame("Card", {0, 0, kWidth, kHeight}, ToColorRef(kNight), ToColorRef(kGold), 1, 14);
    b.AddFrame("Ad Panel", {8, 42, kWidth - 8, 171}, ToColorRef(kAdNight), ToColorRef(kGold));

    ArtCanvas moon(30, 30, kNight);
    DrawMoon(moon);
    b.AddPicture("Moon", moon, "stargazer-moon.png", 7, 6);
    ArtCanvas hill(kWidth - 8, 28, kNight);
    DrawHill(hill);
    b.AddPicture("Hill", hill, "stargazer-hill.png", 4, 173);

    const TextStyle title = {"Georgia", 16, true, false, ToColorRef(kStar), ToColorRef(kNight),
                             ALIGN_LEFT};
    b.AddText("Blog Name", {40, 5, kWidth - 6, 25}, "Stargazer", title);
    const TextStyle subtitle = {"Verdana", 10, false, false, RGB(0xAE, 0xB8, 0xD6),
                                ToColorRef(kNight), ALIGN_LEFT};
    b.AddText("Subtitle", {40, 25, kWidth - 6, 38}, "night sky notes", subtitle);
}
