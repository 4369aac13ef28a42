#pragma once
#include <windows.h>

// Pictures drawn through the image library, remembered as ready bitmaps. The library
// decodes the file on every call and keeps nothing, which makes a repaint of a few pictures
// take tens of milliseconds; so the program keeps what the library drew, one bitmap per
// picture file, and copies it on later paints. An entry is rebuilt when its file's size or
// write time changes, and the least recently drawn ones go when the cache is full.

// Draws a picture file at its natural size with its top-left corner at (x, y), through the
// run's binding; nothing without one, or when the file cannot be drawn.
bool DrawPictureFile(const char *szFile, HDC hDC, int x, int y);

// Releases every remembered bitmap.
void ClearPictureCache();
// How many pictures are remembered (failed files count too: they are not retried until
// they change).
int GetPictureCacheCount();
