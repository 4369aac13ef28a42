#include "FCImageHandleFactory_IPicture.h"
#include "FCImageHandle_Bmp.h"
#include "FCImageHandle_IPicture.h"
#include "FCImageHandle_Tga.h"

#include <new>

FCImageHandle *FCImageHandleFactory_IPicture::CreateHandle(IMAGE_TYPE type) const
{
    switch (type) {
    case PIC_BMP:
        return new (std::nothrow) FCImageHandle_Bmp;
    case PIC_TGA:
        return new (std::nothrow) FCImageHandle_Tga;
    case PIC_JPG:
    case PIC_GIF:
        return new (std::nothrow) FCImageHandle_IPicture;
    default:
        return nullptr;
    }
}
