#pragma once
#include <windows.h>
#include "AdTemplate/AdObj.h"

class AdSense;
class CxFile;
class CxList;

enum {
    TEMPLATE_RESERVED_VALUES = 8,
    TEMPLATE_RESERVED_TEXTS = 8,
    TEMPLATE_RESERVED_TEXT_SIZE = 2,
    TEMPLATE_CODE_SIZE = 8192,
    // Margins the setters accept: well above the export dialog's 0 to 10 pixels, yet small
    // enough that a picture stays a reasonable size.
    TEMPLATE_MAX_MARGIN = 100
};

// The two forms of the ad script the page code can carry: the classic show_ads.js, which
// writes the ad where it stands, and adsbygoogle.js, loaded asynchronously, which fills an
// ins element holding the ad's place.
enum AdCodeStyle { AD_CODE_SHOW_ADS, AD_CODE_ASYNC };

// The document: an ordered list of objects that always holds one ad-unit placeholder,
// the current object, the file path, four picture margins and the modified flag.
// It owns every object in its list.
class AdSenseTemplate {
public:
    AdSenseTemplate();
    virtual ~AdSenseTemplate();
    AdSenseTemplate(const AdSenseTemplate &) = delete;
    AdSenseTemplate &operator=(const AdSenseTemplate &) = delete;

    // A fresh template: only a format-1 placeholder at (10, 10), path "<program>output\noname.atp".
    void New();
    // Replace the template with a file's contents; on failure nothing changes.
    bool Open(const char *szFile);
    // Write the template and make the path its own; on failure nothing changes.
    bool SaveAs(const char *szFile);
    bool Save();
    // Writes the template to a file without making it the template's own: path and
    // modified flag stay (a recovery copy).
    bool SaveCopy(const char *szFile);
    // A template restored from a copy belongs to its original file.
    void SetFilePath(const char *szFile);

    // Appends an object made by the caller and takes ownership; it becomes current.
    // Null when given no object (or one already held).
    AdObj *Add(AdObj *pObj);
    // Removes and destroys an object; the last remaining object becomes current.
    bool Delete(AdObj *pObj);
    // Destroys every object; no current object and no placeholder afterwards.
    void Clear();
    // Destroys every object and takes the given ones in their order (an undo step coming
    // back): the ad unit among them becomes the placeholder, the one at nCurrent the current
    // object. Path, margins and the modified flag stay.
    void ReplaceObjects(AdObj *const *ppObjects, unsigned nCount, int nCurrent);

    // Walks in list order through the list's cursor; start with GetFirst or GetLast.
    AdObj *GetFirst();
    AdObj *GetNext();
    AdObj *GetLast();
    AdObj *GetPrev();
    unsigned GetCount() const;

    // "<Kind> <n>" for a new object of type 1 to 5; valid until the next call.
    const char *MakeName(int nType);
    // Union rectangle of all objects. Every output is optional.
    bool GetBounds(int *pLeft, int *pTop, int *pRight, int *pBottom);
    // Width and height of the union, or its right and bottom edges when bAbsolute.
    bool GetSize(int *pWidth, int *pHeight, bool bAbsolute);
    // Where the background picture lies on the template plane: the union grown by the
    // margins. Left and top margins stop at 0, but objects beyond 0 are never cut. The
    // exported picture covers exactly this rectangle and the page code sizes and pads its
    // table by it, so the ad lands on the placeholder. False only for a null output.
    bool GetPictureRect(RECT *prcPicture);
    // Width and height of GetPictureRect.
    bool GetPictureSize(int *pWidth, int *pHeight);
    // The HTML and script text of the ad, in the classic or the asynchronous form of
    // AdSense's script; valid until the next call.
    const char *GetCode(AdCodeStyle nStyle = AD_CODE_SHOW_ADS);

    // Makes an object of the template current and selected; none is ignored.
    void SetCurrent(AdObj *pObj);
    AdObj *GetCurrent() const { return m_pCurrent; }
    AdSense *GetAdSense() const { return m_pAdSense; }
    const char *GetFilePath() const { return m_szFile; }

    bool IsModified() const { return m_bModified; }
    void SetModified(bool bModified) { m_bModified = bModified; }

    int GetMarginLeft() const { return m_nMarginLeft; }
    int GetMarginRight() const { return m_nMarginRight; }
    int GetMarginTop() const { return m_nMarginTop; }
    int GetMarginBottom() const { return m_nMarginBottom; }
    // Each setter keeps the margin within 0 to m_nMaxMargin; the modified flag stays.
    void SetMarginLeft(int nMargin);
    void SetMarginRight(int nMargin);
    void SetMarginTop(int nMargin);
    void SetMarginBottom(int nMargin);
    int GetMaxMargin() const { return m_nMaxMargin; }

private:
    int ClampMargin(int nMargin) const;
    // The binary file object is made and destroyed beside the file code that knows it.
    static CxFile *NewFileObject();
    static void FreeFileObject(CxFile *pFile);

    char m_szFile[AD_PATH_SIZE];
    DWORD m_dwReserved[TEMPLATE_RESERVED_VALUES];
    char m_szReserved[TEMPLATE_RESERVED_TEXTS][TEMPLATE_RESERVED_TEXT_SIZE];
    int m_nMarginLeft;
    int m_nMarginRight;
    int m_nMarginTop;
    int m_nMarginBottom;
    int m_nMaxMargin;
    CxList *m_pList;
    AdObj *m_pCurrent;
    AdSense *m_pAdSense;
    CxFile *m_pFile;
    bool m_bModified;
    // Result buffers of MakeName and GetCode, one per template.
    char m_szMadeName[AD_NAME_SIZE + 16];
    char m_szCode[TEMPLATE_CODE_SIZE];
};

// True only for a readable file whose first stored text is "AdTemplate".
bool IsTemplateFile(const char *szFile);

// Six lowercase hex digits in red, green, blue order; valid until the next call.
const char *ColorToHex(COLORREF cr);
