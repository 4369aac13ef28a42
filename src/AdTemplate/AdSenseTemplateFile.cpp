// PLACEHOLDER: opening and saving whole templates belongs to the file code; until it lands
// here there is no file object and every operation fails.
#include "AdTemplate/AdSenseTemplate.h"

CxFile *AdSenseTemplate::NewFileObject() { return nullptr; }
void AdSenseTemplate::FreeFileObject(CxFile *) {}
bool AdSenseTemplate::Open(const char *) { return false; }
bool AdSenseTemplate::SaveAs(const char *) { return false; }
bool AdSenseTemplate::Save() { return false; }
bool IsTemplateFile(const char *) { return false; }
