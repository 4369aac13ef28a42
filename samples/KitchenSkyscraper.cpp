// "Thyme Kitchen": the sidebar of a cooking site. A cream card with a plate of herbs and
// tomatoes, the site's name, a leafy divider, the wide skyscraper on white and a footer line.
#include <cmath>

#include "ArtCanvas.h"
#include "SampleBuilder.h"
#include "Samples.h"

using art::ArtCanvas;
using art::Rgb;
using art::ToColorRef;

namespace {

const int kWidth = 184;
const int kHeight = 832;
const art::ARGB kCream = Rgb(0xFB, 0xF7, 0xEE);
const art::ARGB kSage = Rgb(0xA9, 0xBC, 0x98);
const art::ARGB kSagePanel = Rgb(0xE4, 0xEC, 0xDA);
const art::ARGB kHerb = Rgb(0x5E, 0x8C, 0x4A);
const art::ARGB kHerbLight = Rgb(0x85, 0xAE, 0x68);
const art::ARGB kHerbDark = Rgb(0x3F, 0x5A, 0x32);
const art::ARGB kTomato = Rgb(0xD9, 0x48, 0x3B);

void DrawTomato(ArtCanvas &art, float x, float y, float r)
{
    art.FillEllipse(x, y, r, r, kTomato);
    art.FillEllipse(x - r * 0.35f, y - r * 0.35f, r * 0.3f, r * 0.25f, Rgb(0xF2, 0x8B, 0x7D));
    art.Star(x, y - r * 0.8f, r * 0.45f, r * 0.15f, kHerbDark);
}

// A sprig of thyme: a thin curved stem with pairs of small leaves.
void DrawSprig(ArtCanvas &art, float x, float y)
{
    art.Curve({{x, y}, {x + 4, y - 30}, {x + 14, y - 62}}, 1.2f, kHerbDark);
    for (int i = 0; i < 7; ++i) {
        const float t = i / 7.0f;
        const float sx = x + 1 + 12 * t * t, sy = y - 8 - 52 * t;
        art.Leaf(sx, sy, 7 - 3 * t, 3.5f, -150 + 10 * t, kHerb);
        art.Leaf(sx, sy, 7 - 3 * t, 3.5f, -40 + 10 * t, kHerbLight);
    }
}

// The header picture: a plate of basil, tomatoes and a lemon slice on a sage panel, with a
// sprig of thyme and a wooden spoon beside it.
void DrawHerbPlate(ArtCanvas &art)
{
    const float w = float(art.Width()), h = float(art.Height());
    art.FillRoundRect(0, 0, w, h, 10, kSagePanel);
    const float cx = 88, cy = 57;
    art.FillEllipse(cx + 2, cy + 3, 44, 44, Rgb(0xCF, 0xD9, 0xC2));  // the plate's shadow
    art.FillEllipse(cx, cy, 44, 44, Rgb(0xFF, 0xFF, 0xFF));
    art.DrawEllipse(cx, cy, 35, 35, 1.2f, Rgb(0xE8, 0xE2, 0xD4));
    const float angles[] = {-110, -50, 10, 70, 130, 190};
    for (int i = 0; i < 6; ++i)
        art.Leaf(cx, cy, 31, 17, angles[i], i % 2 ? kHerbLight : kHerb);
    art.FillEllipse(cx + 12, cy + 10, 9, 9, Rgb(0xF6, 0xD5, 0x5C));  // lemon slice
    art.FillEllipse(cx + 12, cy + 10, 7, 7, Rgb(0xFB, 0xE8, 0x96));
    for (int i = 0; i < 4; ++i) {
        const float a = i * 3.14159265f / 4;
        art.Line(cx + 12 - 6 * std::cos(a), cy + 10 - 6 * std::sin(a),
                 cx + 12 + 6 * std::cos(a), cy + 10 + 6 * std::sin(a), 0.8f,
                 Rgb(0xF6, 0xD5, 0x5C));
    }
    DrawTomato(art, cx - 13, cy + 6, 8);
    DrawTomato(art, cx + 4, cy - 14, 7);
    DrawTomato(art, cx - 4, cy + 22, 6);
    DrawSprig(art, 18, 100);
    // The spoon: a tapering handle and an oval bowl, lying on the right.
    art.FillPolygon({{147, 100}, {151, 100}, {160, 42}, {157, 42}}, Rgb(0xB5, 0x83, 0x5A));
    art.FillEllipse(159.5f, 30, 7, 12, Rgb(0xC8, 0x95, 0x6A));
    art.FillEllipse(159.5f, 31, 4.5f, 8.5f, Rgb(0xB5, 0x83, 0x5A));
}

// A rule with a pair of leaves in its middle.
void DrawLeafRule(ArtCanvas &art)
{
    const float w = float(art.Width()), cy = art.Height() / 2.0f, cx = w / 2;
    art.Line(14, cy, cx - 14, cy, 1, kSage);
    art.Line(cx + 14, cy, w - 14, cy, 1, kSage);
    art.Leaf(cx, cy + 1, 11, 6, -160, kHerb);
    art.Leaf(cx, cy + 1, 11, 6, -20, kHerbLight);
    art.FillEllipse(cx, cy + 1, 1.5f, 1.5f, kHerbDark);
}

}  // namespace

void ComposeKitchenSkyscraper(SampleBuilder &b)
{
    b.PlaceAdUnit(5, 12, 196,
                  {RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF), RGB(0x4E, 0x7A, 0x3A),
                   RGB(0x55, 0x55, 0x55), RGB(0xA0, 0x52, 0x2D)});

    b.AddFrame("Card", {0, 0, kWidth, kHeight}, ToColorRef(kCream), ToColorRef(kSage), 1, 16);
    b.AddFrame("Ad Panel", {8, 192, kWidth - 8, 800}, RGB(0xFF, 0xFF, 0xFF),
               RGB(0xD8, 0xCD, 0xB5), 1, 10);

    ArtCanvas plate(168, 112, kCream);
    DrawHerbPlate(plate);
    b.AddPicture("Herb Plate", plate, "kitchen-plate.png", 8, 8);
    ArtCanvas rule(168, 14, kCream);
    DrawLeafRule(rule);
    b.AddPicture("Leaf Rule", rule, "kitchen-rule.png", 8, 172);

    const TextStyle title = {"Georgia", 19, true, false, ToColorRef(kHerbDark), ToColorRef(kCream),
                             ALIGN_CENTER};
    b.AddText("Site Name", {8, 124, kWidth - 8, 152}, "Thyme Kitchen", title);
    const TextStyle subtitle = {"Georgia", 13, false, true, RGB(0x8A, 0x6D, 0x4B),
                                ToColorRef(kCream), ALIGN_CENTER};
    b.AddText("Motto", {8, 152, kWidth - 8, 170}, "seasonal home cooking", subtitle);
    const TextStyle footer = {"Verdana", 11, false, false, RGB(0x6B, 0x8E, 0x5A),
                              ToColorRef(kCream), ALIGN_CENTER};
    b.AddText("Footer", {8, 806, kWidth - 8, 824}, "New recipes every Friday", footer);
}
