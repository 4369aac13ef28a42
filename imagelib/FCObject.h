#pragma once
#include <windows.h>

// Root of the library's class tree. Serialisation writes into or reads out of a caller's
// memory block; the result is the number of bytes used, 0 when nothing could be done.
class FCObject {
public:
    virtual ~FCObject() {}
    // bSave: write into pBlock (nBlockSize bytes; a null block asks for the size needed),
    // otherwise read from it.
    virtual int Serialize(bool bSave, BYTE *pBlock, int nBlockSize) { return 0; }
};

// A graphic with a position. The position travels with copies; drawing never uses it.
class FCObjGraph : public FCObject {
public:
    int m_x = 0;
    int m_y = 0;
};
