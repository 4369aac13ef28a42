// PLACEHOLDER: the template file records of every object kind are written by the file code;
// until it lands here every Load and Save fails.
#include "AdTemplate/AdObjects.h"

bool AdSense::Load(CxFile *) { return false; }
bool AdSense::Save(CxFile *) { return false; }
bool Pictra::Load(CxFile *) { return false; }
bool Pictra::Save(CxFile *) { return false; }
bool AdText::Load(CxFile *) { return false; }
bool AdText::Save(CxFile *) { return false; }
bool AdLine::Load(CxFile *) { return false; }
bool AdLine::Save(CxFile *) { return false; }
bool AdShadow::Load(CxFile *) { return false; }
bool AdShadow::Save(CxFile *) { return false; }
bool AdFrame::Load(CxFile *) { return false; }
bool AdFrame::Save(CxFile *) { return false; }
