#pragma once

class AdSenseTemplate;

// Writes the template's background picture as a JPEG file: every object but the ad unit,
// without outlines, in the objects' bounds plus the template's margins. A missing folder
// for the file (the "images" folder beside a template saved anywhere) is made first.
// False when no picture was written.
bool WriteTemplatePicture(AdSenseTemplate *pTemplate, const char *szFile, int nQuality);
