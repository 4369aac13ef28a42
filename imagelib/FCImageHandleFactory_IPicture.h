#pragma once
#include "FCImageHandleFactory.h"

// The default factory, used until another is installed: own BMP and TGA handles, OLE
// pictures for JPEG and GIF.
class FCImageHandleFactory_IPicture : public FCImageHandleFactory {
public:
    FCImageHandle *CreateHandle(IMAGE_TYPE type) const override;
};
