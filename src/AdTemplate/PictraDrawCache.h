#pragma once
#include <windows.h>

class AdSenseTemplate;

// Pictures drawn through the image library, remembered as ready bitmaps. The library
// decodes the file on every call and keeps nothing, which makes a repaint of a few pictures
// take tens of milliseconds; so the program keeps what the library drew, one bitmap per
// picture file, and copies it on later paints. A picture is decoded once on its first paint
// (see PictureRecording). An entry is rebuilt when its file's size or write time changes,
// released when no picture of the template names its file any more, and the least recently
// drawn ones go when the cache is full.

// Draws a picture file at its natural size with its top-left corner at (x, y), through the
// run's binding; nothing without one, or when the file cannot be drawn. A file that cannot
// be read at the moment (another program holds it) is tried again at the next call; one the
// library cannot draw is not decoded again until it changes.
bool DrawPictureFile(const char *szFile, HDC hDC, int x, int y);

// Releases the remembered pictures whose files no picture object of the template names:
// deleted pictures, pictures given another file, the pictures of a template replaced by New
// or Open. The canvases call it on every paint of the whole template.
void ReleaseUnusedPictures(AdSenseTemplate *pTemplate);

// Releases every remembered bitmap.
void ClearPictureCache();
// How many pictures are remembered (files the library cannot draw count too).
int GetPictureCacheCount();
