#pragma once
// Builds one sample template through the program's own model, the way a user builds it in the
// main window: the ad unit moved and given its format and ad colours, pictures inserted as the
// image dialog inserts them (a private copy in the Temp folder, sized as the file), texts and
// frames with their property fields set; then saved, opened again and exported as the export
// dialog proposes.
#include <windows.h>

#include <string>

#include "AdTemplate/AdSenseTemplate.h"

namespace art {
class ArtCanvas;
}

struct AdColors {
    COLORREF crBorder;
    COLORREF crBackground;
    COLORREF crTitle;
    COLORREF crText;
    COLORREF crURL;
};

// What the text dialog sets: the font, its colour, the background and the alignment.
struct TextStyle {
    const char *szFace;
    int nHeight;  // character height in pixels, as the font dialog stores it
    bool bBold;
    bool bItalic;
    COLORREF crText;
    COLORREF crBack;
    int nAlign;  // 1 left, 2 centred, 3 right
};

enum { ALIGN_LEFT = 1, ALIGN_CENTER = 2, ALIGN_RIGHT = 3 };

class SampleBuilder {
public:
    // Pictures are written into szArtFolder (with its trailing backslash) before they are
    // inserted, as a user's picture files lie somewhere before they choose them.
    explicit SampleBuilder(const std::string &artFolder);

    // The ad unit of a format code (1 to 12) with its top-left corner at (x, y).
    void PlaceAdUnit(int nFormat, int x, int y, const AdColors &colors);
    // Saves the drawing as szFileName in the art folder and inserts it at (x, y).
    void AddPicture(const char *szName, art::ArtCanvas &picture, const char *szFileName, int x,
                    int y);
    void AddText(const char *szName, const RECT &rc, const char *szText, const TextStyle &style);
    // A filled rectangle with a solid border; rounded when nRound (the corner's diameter) > 0.
    void AddFrame(const char *szName, const RECT &rc, COLORREF crFill, COLORREF crLine,
                  int nLineWidth = 1, int nRound = 0);

    // Writes <folder><name>.atp, then opens it again as the main window opens a template and
    // exports the background picture to <folder>images\<name>.jpg, where the page code looks
    // for it. With a preview folder, also a picture of the template with its sample ads, as
    // the preview page shows it, as <preview folder><name>.jpg: for looking at the samples.
    // False when anything failed on the way (see GetError).
    bool Write(const std::string &samplesFolder, const char *szName,
               const std::string &previewFolder = std::string());

    // The first failure, empty while everything worked.
    const std::string &GetError() const { return m_error; }

private:
    void Fail(const std::string &what);

    std::string m_artFolder;
    AdSenseTemplate m_template;
    std::string m_error;
};
