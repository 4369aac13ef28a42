#include "AdTemplate/AdSampleAds.h"

// Made-up gardening advertisements, shaped like the ads Google serves in each format.
// Host names use the reserved .example domain so that none of them points anywhere.

const SampleAd g_sampleAdsLeaderboard[4] = {
    {{"Heirloom Tomato Seeds"},
     {"Over 200 rare varieties in stock.", "Free shipping on your first order."}, ""},
    {{"Raised Garden Beds"},
     {"Cedar kits that snap together fast.", "No tools needed, ready in an hour.",
      "Sizes for patios and backyards."}, ""},
    {{"Drip Irrigation Kits"},
     {"Water every plant at its roots.", "Save up to half of your water bill.",
      "Timers and hoses included in kit."}, ""},
    {{"Organic Compost Bins"},
     {"Turn kitchen scraps into rich soil.", "Rotating drums finish in 4 weeks.",
      "Odour-free design for small yards."}, ""},
};

const SampleAd g_sampleAdsBanner[2] = {
    {{"Spring Bulb Sale"},
     {"Tulips, daffodils and crocus bulbs.", "Order now and plant before frost."}, ""},
    {{"Pruning Shears Pro"},
     {"Forged steel blades stay sharp.", "Lifetime warranty on every pair."}, ""},
};

const SampleAd g_sampleAdsHalfBanner[1] = {
    {{"Garden Gloves Outlet"},
     {"Thorn-proof leather for rose lovers.", "Every size from kids up to XXL, too."}, ""},
};

const SampleAd g_sampleAdsSkyscraper[4] = {
    {{"Heirloom Seeds", "Rare Varieties"},
     {"Tomatoes, beans and", "squash from old farms.", "Packed fresh each season", "for home gardeners."},
     "www.seedvault.example"},
    {{"Cedar Garden", "Beds in a Box"},
     {"Snap-together kits", "for patios and yards.", "No tools required.",
      "Ships flat to your", "door in two days."},
     "www.cedarbeds.example"},
    {{"Drip Watering", "Made Simple"},
     {"Roots get the water,", "weeds stay thirsty.", "Timer included in kit.",
      "Fits any garden hose.", "Set up in minutes."},
     "www.driplines.example"},
    {{"Compost Tumblers"},
     {"Rich soil in a month.", "Odour-free design.", "Fits balconies too.",
      "Free shipping today."},
     "www.compostco.example"},
};

const SampleAd g_sampleAdsWideSkyscraper[5] = {
    {{"Spring Bulbs", "Half Price Now"},
     {"Tulips, daffodils and", "crocus for every bed.", "Plant before frost."},
     "www.bulbmarket.example"},
    {{"Pruning Tools", "Forged to Last"},
     {"Steel blades that stay", "sharp year after year.", "Lifetime warranty on",
      "every single pair."},
     "www.pruneright.example"},
    {{"Rose Garden Club"},
     {"Monthly tips from our", "master rosarians.", "Join free for a year."},
     "www.rosehill.example"},
    {{"Garden Gloves", "Thorn-Proof"},
     {"Soft leather that keeps", "prickles out of hands.", "Sizes kids to XXL."},
     "www.glovebarn.example"},
    {{"Herb Planters"},
     {"Grow basil and mint on", "any sunny windowsill.", "Self-watering pots."},
     "www.herbsill.example"},
};

const SampleAd g_sampleAdsVerticalBanner[2] = {
    {{"Lawn Care Kits", "Greener Grass"},
     {"Seed, feed and weed", "in one handy bag that", "covers 500 square feet", "of tired, patchy lawn."},
     "www.lawnpal.example"},
    {{"Garden Lights", "Solar Powered"},
     {"Charge by day, glow", "all night long by paths.", "No wiring is needed.", "Weatherproof all year."},
     "www.sunpath.example"},
};

const SampleAd g_sampleAdsLargeRectangle[4] = {
    {{"Heirloom Tomato Seeds"},
     {"Over 200 rare tomato varieties from old family farms,",
      "packed fresh every season and shipped free on first orders."},
     "www.seedvault.example"},
    {{"Raised Cedar Garden Beds"},
     {"Snap-together cedar kits for patios, balconies and backyards."},
     "www.cedarbeds.example"},
    {{"Drip Irrigation Kits"},
     {"Water every plant right at its roots and save half your water.",
      "Timers, hoses and fittings come in one complete starter kit."},
     "www.driplines.example"},
    {{"Organic Compost Tumblers"},
     {"Turn kitchen scraps into rich dark soil in only four weeks."},
     "www.compostco.example"},
};

const SampleAd g_sampleAdsMediumRectangle[4] = {
    {{"Spring Bulb Sale"},
     {"Tulips, daffodils and crocus bulbs at half price",
      "this week only. Order now and plant before frost."},
     "www.bulbmarket.example"},
    {{"Pruning Shears Pro"},
     {"Forged steel blades that stay sharp for years, with a warranty."},
     "www.pruneright.example"},
    {{"Rose Garden Club"},
     {"Monthly growing tips from master rosarians, free for a year."},
     "www.rosehill.example"},
    {{"Thorn-Proof Gloves"},
     {"Soft goatskin leather that keeps every prickle out of",
      "your hands, in all sizes from kids to extra large."},
     "www.glovebarn.example"},
};

const SampleAd g_sampleAdsSquare[3] = {
    {{"Self-Watering Herb Pots"},
     {"Grow basil, mint and parsley on any windowsill,",
      "with a reservoir that waters them for two weeks."},
     "www.herbsill.example"},
    {{"Solar Garden Lights"},
     {"Charge in the sun all day and glow along your path",
      "all night, with no wiring and no electricity bill."},
     "www.sunpath.example"},
    {{"Greener Lawn in 30 Days"},
     {"Seed, feed and weed in a single bag that covers",
      "five hundred square feet of tired, patchy lawn."},
     "www.lawnpal.example"},
};

const SampleAd g_sampleAdsSmallSquare[2] = {
    {{"Heirloom Seeds"},
     {"Rare tomatoes and beans."},
     "www.seedvault.example"},
    {{"Cedar Garden Beds"},
     {"Snap-together kits for", "patios and backyards."},
     "www.cedarbeds.example"},
};

const SampleAd g_sampleAdsSmallRectangle[1] = {
    {{"Drip Irrigation Kits"},
     {"Water plants at the roots", "and save half your water.", "Timer and hoses included."},
     "www.driplines.example"},
};

const SampleAd g_sampleAdsButton[1] = {
    {{"Compost Bins", "Rich Soil Fast"},
     {"Kitchen scraps become", "dark garden soil in", "only four weeks with", "no smell in the kitchen."},
     "www.compostco.example"},
};
