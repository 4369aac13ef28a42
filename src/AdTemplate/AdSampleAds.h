#pragma once
#include "AdTemplate/AdSense.h"

// The built-in sample ads of each format, in format order (4, 2, 1, 4, 5, 2, 4, 4, 3, 2, 1, 1).
extern const SampleAd g_sampleAdsLeaderboard[4];
extern const SampleAd g_sampleAdsBanner[2];
extern const SampleAd g_sampleAdsHalfBanner[1];
extern const SampleAd g_sampleAdsSkyscraper[4];
extern const SampleAd g_sampleAdsWideSkyscraper[5];
extern const SampleAd g_sampleAdsVerticalBanner[2];
extern const SampleAd g_sampleAdsLargeRectangle[4];
extern const SampleAd g_sampleAdsMediumRectangle[4];
extern const SampleAd g_sampleAdsSquare[3];
extern const SampleAd g_sampleAdsSmallSquare[2];
extern const SampleAd g_sampleAdsSmallRectangle[1];
extern const SampleAd g_sampleAdsButton[1];
