#pragma once
#include <windows.h>

// The template objects are plain data: their fields are public so that the drawing, the
// template file and the property dialogs read and write them directly. The classes only
// guard what must stay consistent: type codes, bounded text copies and the ownership of
// their cached GDI objects (fonts, brushes, pens), which only the update operations,
// Reset and the destructors create or delete.

class CxFile;

enum AdObjType {
    OBJ_ADSENSE = 0,
    OBJ_IMAGE = 1,
    OBJ_TEXT = 2,
    OBJ_LINE = 3,
    OBJ_SHADOW = 4,
    OBJ_FRAME = 5
};

// Capacities of the fixed text fields, terminator included.
enum {
    AD_NAME_SIZE = 32,
    AD_CAPTION_SIZE = 256,
    AD_PATH_SIZE = 260,
    AD_EXT_SIZE = 32,
    AD_RESERVED_VALUES = 8,
    AD_RESERVED_TEXTS = 4,
    AD_RESERVED_TEXT_SIZE = 2
};

// Values every kind carries after its own fields: stored with the object, used for
// nothing else.
struct AdReserved {
    DWORD dwValue[AD_RESERVED_VALUES];
    char szText[AD_RESERVED_TEXTS][AD_RESERVED_TEXT_SIZE];

    void Clear();
};

// Line style code (1 Solid .. 5 Dash Dot Dot) to a CreatePen style; unknown codes are solid.
int PenStyleFromCode(int nStyle);

class AdObj {
public:
    virtual ~AdObj();
    virtual bool Load(CxFile *pFile) = 0;
    virtual bool Save(CxFile *pFile) = 0;
    virtual bool Reset() = 0;
    virtual bool Draw(HDC hDC, bool bNoOutline) = 0;

    AdObj(const AdObj &) = delete;
    AdObj &operator=(const AdObj &) = delete;

    int GetType() const { return m_nType; }
    RECT *GetPos() { return &m_rcPos; }
    const RECT *GetPos() const { return &m_rcPos; }
    // Copies the rectangle; false and no change when given none.
    bool SetPos(const RECT *prc);
    const char *GetName() const { return m_szName; }
    // Copies the name, cut to 31 characters; a null name is ignored.
    void SetName(const char *szName);
    bool IsSelected() const { return m_bSelected; }
    void SetSelected(bool bSelected) { m_bSelected = bSelected; }
    void SetOffset(int nOffsetX, int nOffsetY);
    // The editing outline: dotted, or solid with eight handles when selected.
    bool DrawOutline(HDC hDC, bool bSelected);

    int m_nType;
    RECT m_rcPos;
    bool m_bSelected;
    char m_szName[AD_NAME_SIZE];
    int m_nOffsetX;
    int m_nOffsetY;

protected:
    explicit AdObj(int nType);
};
