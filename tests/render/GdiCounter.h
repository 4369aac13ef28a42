#pragma once
#include <windows.h>

// Counts the GDI objects this test program holds. GetGuiResources answers 0 under Wine, so
// the program's own calls into gdi32 are routed through counting wrappers (by patching its
// import table): every pen, brush, font, bitmap, region and memory DC created is remembered
// until it is deleted. Objects made inside system DLLs or the picture library are not seen.
namespace gdicount {

// Patches the import table once; false when gdi32's imports could not be found.
bool Install();
// Objects created through the program and not deleted yet.
long LiveObjects();
// What the system itself reports (0 under Wine).
DWORD SystemCount();

}  // namespace gdicount
