#pragma once
#include "FCImageType.h"

class FCImageHandle;

// Maps a picture type to a new reader/writer. Factories keep no state.
class FCImageHandleFactory {
public:
    // The type named by the text after the last dot of the name, compared in lower case.
    virtual IMAGE_TYPE QueryFileType(const char *fileName) const;
    // A new handle the caller deletes, or null when the type has no reader/writer here.
    virtual FCImageHandle *CreateHandle(IMAGE_TYPE type) const = 0;
    virtual ~FCImageHandleFactory() {}
};

// The process-wide factory. When none was ever installed, the default is created first.
FCImageHandleFactory *GetHandleFactory();
// Installs pFactory (owned from now on); the factory it replaces is destroyed.
void SetHandleFactory(FCImageHandleFactory *pFactory);
