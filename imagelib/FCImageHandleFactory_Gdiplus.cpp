#include "FCImageHandleFactory_Gdiplus.h"
#include "FCImageHandle_Bmp.h"
#include "FCImageHandle_Gdiplus.h"
#include "FCImageHandle_Tga.h"

#include <new>

FCImageHandle *FCImageHandleFactory_Gdiplus::CreateHandle(IMAGE_TYPE type) const
{
    switch (type) {
    case PIC_BMP:
        return new (std::nothrow) FCImageHandle_Bmp;
    case PIC_TGA:
        return new (std::nothrow) FCImageHandle_Tga;
    case PIC_JPG:
    case PIC_GIF:
    case PIC_TIF:
    case PIC_PNG:
        return new (std::nothrow) FCImageHandle_Gdiplus;
    default:
        return nullptr;
    }
}
