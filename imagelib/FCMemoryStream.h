#pragma once
#include <windows.h>
#include <objidl.h>

// A COM stream over a private copy of the bytes; the stream owns the copy and frees it
// when released. Null when no memory could be had.
IStream *CreateMemoryStreamCopy(const BYTE *pData, int nSize);
