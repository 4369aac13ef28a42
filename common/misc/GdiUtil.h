#pragma once
#include <windows.h>

// Hands a cached GDI handle its new value and deletes the one it held, so an owner never
// leaks the old object when it rebuilds a cache. Pass null to just release it.
template <class THandle>
void ReplaceGdiObject(THandle &hCache, THandle hNew)
{
    if (hCache && hCache != hNew)
        DeleteObject(hCache);
    hCache = hNew;
}

// Deletes a cached GDI handle, if any, and leaves the cache empty.
template <class THandle>
void ReleaseGdiObject(THandle &hCache)
{
    ReplaceGdiObject(hCache, static_cast<THandle>(nullptr));
}
