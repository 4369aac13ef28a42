#pragma once
#include <windows.h>

class PictraUtil;

// One drawing of a picture file by the image library, recorded in an enhanced metafile. The
// library decodes the whole file on every call, and asking it for the size first would
// decode it twice; the recording gives the size (the bounds of what was drawn) and the
// pixels from that one call, to be played as often as needed.
class PictureRecording {
public:
    PictureRecording(PictraUtil *pUtil, const char *szFile);
    ~PictureRecording();
    PictureRecording(const PictureRecording &) = delete;
    PictureRecording &operator=(const PictureRecording &) = delete;

    // The library drew something, with its top-left corner where it was asked to.
    bool IsDrawn() const { return m_hMeta != nullptr; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    // Draws what the library drew, at 1:1 with its top-left corner at (x, y).
    bool PlayAt(HDC hDC, int x, int y) const;
    // A bitmap of the picture's own size holding what the library drew; null when none can
    // be made. The caller owns it.
    HBITMAP MakeBitmap(HDC hLike) const;

private:
    HENHMETAFILE m_hMeta = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
