// "The Reading Nook": a medium rectangle inside the posts of a book blog. A burgundy band
// with a shelf of books and the blog's name, a gold rule, the ad on white in a gold line, and
// a thank-you line on parchment.
#include "ArtCanvas.h"
#include "SampleBuilder.h"
#include "Samples.h"

using art::ArtCanvas;
using art::Rgb;
using art::ToColorRef;

namespace {

const int kWidth = 324;
const int kHeight = 350;
const art::ARGB kBurgundy = Rgb(0x7A, 0x2E, 0x3A);
const art::ARGB kParchment = Rgb(0xFA, 0xF3, 0xE6);
const art::ARGB kGold = Rgb(0xC9, 0xA1, 0x4A);

// One upright book: a rounded spine with two bands across it.
void DrawBook(ArtCanvas &art, float x, float w, float h, art::ARGB cover, art::ARGB band)
{
    const float bottom = float(art.Height()) - 5;
    art.FillRoundRect(x, bottom - h, w, h, 1.5f, cover);
    art.FillRect(x, bottom - h + 4, w, 1.5f, band);
    art.FillRect(x, bottom - 6, w, 1.5f, band);
}

// A short shelf of books on the band's burgundy: four upright, one leaning against them.
void DrawBookshelf(ArtCanvas &art)
{
    DrawBook(art, 6, 8, 28, kGold, Rgb(0x8F, 0x6B, 0x22));
    DrawBook(art, 15, 7, 31, Rgb(0x2F, 0x6F, 0x73), Rgb(0xC9, 0xA1, 0x4A));
    DrawBook(art, 23, 9, 25, Rgb(0xEA, 0xDB, 0xC0), kBurgundy);
    DrawBook(art, 33, 6, 29, Rgb(0x3E, 0x5B, 0x3A), Rgb(0xC9, 0xA1, 0x4A));
    const float bottom = float(art.Height()) - 5;
    art.FillPolygon({{45, bottom}, {51.5f, bottom}, {45.5f, bottom - 26}, {39.2f, bottom - 24.5f}},
                    Rgb(0xB8, 0x7A, 0x5E));
    art.FillPolygon({{42.4f, bottom - 10.5f}, {49, bottom - 12}, {48.7f, bottom - 13.5f},
                     {42.1f, bottom - 12}},
                    Rgb(0xEA, 0xDB, 0xC0));
    art.FillRect(3, bottom, float(art.Width()) - 6, 2, Rgb(0x5A, 0x1F, 0x29));
}

// A gold rule with a diamond in its middle and a dot on either side.
void DrawGoldRule(ArtCanvas &art)
{
    const float w = float(art.Width()), cy = art.Height() / 2.0f, cx = w / 2;
    art.Line(6, cy, cx - 16, cy, 1, kGold);
    art.Line(cx + 16, cy, w - 6, cy, 1, kGold);
    art.FillPolygon({{cx, cy - 4}, {cx + 6, cy}, {cx, cy + 4}, {cx - 6, cy}}, kGold);
    art.FillEllipse(cx - 11, cy, 1.6f, 1.6f, kGold);
    art.FillEllipse(cx + 11, cy, 1.6f, 1.6f, kGold);
}

}  // namespace

void ComposeReadingRectangle(SampleBuilder &b)
{
    b.PlaceAdUnit(8, 12, 68,
                  {RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF), ToColorRef(kBurgundy),
                   RGB(0x4A, 0x40, 0x38), RGB(0x9C, 0x7A, 0x2F)});

    b.AddFrame("Page", {0, 0, kWidth, kHeight}, ToColorRef(kParchment), ToColorRef(kBurgundy));
    b.AddFrame("Title Band", {0, 0, kWidth, 48}, ToColorRef(kBurgundy), ToColorRef(kBurgundy));
    b.AddFrame("Ad Panel", {9, 65, kWidth - 9, 321}, RGB(0xFF, 0xFF, 0xFF), ToColorRef(kGold));

    ArtCanvas shelf(56, 44, kBurgundy);
    DrawBookshelf(shelf);
    b.AddPicture("Bookshelf", shelf, "reading-shelf.png", 6, 2);
    ArtCanvas rule(300, 11, kParchment);
    DrawGoldRule(rule);
    b.AddPicture("Gold Rule", rule, "reading-rule.png", 12, 51);

    const TextStyle title = {"Georgia", 20, true, false, ToColorRef(kParchment),
                             ToColorRef(kBurgundy), ALIGN_LEFT};
    b.AddText("Blog Name", {68, 4, kWidth - 8, 28}, "The Reading Nook", title);
    const TextStyle subtitle = {"Georgia", 12, false, true, RGB(0xE8, 0xC9, 0xA0),
                                ToColorRef(kBurgundy), ALIGN_LEFT};
    b.AddText("Subtitle", {68, 28, kWidth - 8, 44}, "book reviews and reading lists", subtitle);
    const TextStyle thanks = {"Georgia", 12, false, true, ToColorRef(kBurgundy),
                              ToColorRef(kParchment), ALIGN_CENTER};
    b.AddText("Thanks", {8, 326, kWidth - 8, 344}, "Sponsored links keep the Nook open",
              thanks);
}
