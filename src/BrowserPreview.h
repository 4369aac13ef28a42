#pragma once
#include <string>

class AdSenseTemplate;

// The names the preview page and its two pictures take in their folder.
extern const char kPreviewPageName[];
extern const char kPreviewBackgroundName[];
extern const char kPreviewAdsName[];

// Writes a page that shows the template in a browser as the page code would, into
// szFolder (ending in a backslash): the code's table over the exported background picture,
// with a picture of the sample ads, drawn by the ad block in the ad colours, where the ad
// script would place the ad. Answers the page's full path; empty when there is no template,
// no image library or a file could not be written.
std::string WriteBrowserPreview(AdSenseTemplate *pTemplate, const char *szFolder);
