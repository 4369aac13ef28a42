#pragma once

class AdSenseTemplate;

// Writes the template's background picture (DrawTemplatePicture, the size of
// AdSenseTemplate::GetPictureRect) as a JPEG file through the image library. nQuality is
// handed on to the library. False when there is no template or no library, when no bitmap
// of that size can be made, or when the library writes no file.
bool ExportTemplateImage(AdSenseTemplate *pTemplate, const char *szFile, int nQuality);
