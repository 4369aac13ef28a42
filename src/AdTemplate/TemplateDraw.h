#pragma once
#include <windows.h>

class AdSenseTemplate;

// Every object but the ad unit in list order with the current one last, each at the given
// drawing offset. The ad unit is left to the caller: the canvases put it above everything,
// the background picture leaves it out.
void DrawTemplateOrnaments(AdSenseTemplate *pTemplate, HDC hDC, int nOffsetX, int nOffsetY,
                           bool bNoOutline);

// The template's background picture with the top-left corner of its picture rectangle
// (AdSenseTemplate::GetPictureRect) at (0, 0) of hDC: white, then every object but the ad
// unit without outlines. The ad unit's place stays white unless ornaments cover it; the
// page puts the live ad there.
void DrawTemplatePicture(AdSenseTemplate *pTemplate, HDC hDC);
