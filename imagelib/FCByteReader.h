#pragma once
#include <windows.h>

// Little-endian fields of a file held in memory. Callers check offsets against the size first.
inline WORD ReadLE16(const BYTE *p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

inline DWORD ReadLE32(const BYTE *p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}
