#pragma once
// The GDI+ flat API without the C++ wrapper classes of the SDK header.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

using Gdiplus::GpBitmap;
using Gdiplus::GpImage;
using Gdiplus::GpStatus;
using Gdiplus::PixelFormat;
using namespace Gdiplus::DllExports;
