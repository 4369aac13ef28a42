#pragma once

// Picture types, decided by the file name's extension alone.
enum IMAGE_TYPE {
    PIC_UNKNOWN = 0,
    PIC_BMP = 1,
    PIC_PCX = 2,
    PIC_JPG = 3,
    PIC_GIF = 4,
    PIC_TGA = 5,
    PIC_TIF = 6,
    PIC_PNG = 7,
    PIC_PSD = 8,
    PIC_ICO = 9,
    PIC_XPM = 10,
};
