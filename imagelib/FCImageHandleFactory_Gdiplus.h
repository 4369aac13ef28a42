#pragma once
#include "FCImageHandleFactory.h"

// The factory in force in Pictra.dll: own BMP and TGA handles, GDI+ for the rest.
class FCImageHandleFactory_Gdiplus : public FCImageHandleFactory {
public:
    FCImageHandle *CreateHandle(IMAGE_TYPE type) const override;
};
