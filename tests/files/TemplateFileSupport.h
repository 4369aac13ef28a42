#pragma once
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"

#include <windows.h>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// Helpers of the template file tests. The test program holds one binding for its whole run
// (so pictures unpack into tests/bin/Temp, as they would into the program's Temp folder).

std::string TempFolder();  // with a trailing backslash
// A picture copy made as the program makes them: a Temp name claimed through the binding,
// holding these bytes. Only such copies are embedded when a template is saved.
std::string OwnPictureCopy(const std::string &ext, const std::string &bytes);

// Encoded file values, to spell expected bytes out in a test.
std::string Int32(long long nValue);
std::string Text(const std::string &text);

std::vector<AdObj *> Objects(AdSenseTemplate &t);

// Everything a failed Open or SaveAs must leave exactly as it was.
struct TemplateState {
    std::string path;
    bool modified = false;
    int margins[4] = {};
    std::vector<AdObj *> objects;
    AdObj *current = nullptr;
    AdSense *adSense = nullptr;
    std::vector<std::string> heads;  // type, name and rectangle of each object

    bool operator==(const TemplateState &other) const;
};
TemplateState Snapshot(AdSenseTemplate &t);
void PrintTo(const TemplateState &state, std::ostream *os);

// Adds one object of each ornamental kind, every field (reserved ones included) set to
// something other than its default, and changes the placeholder and the margins likewise.
// The picture object reads its bytes from picturePath.
void FillEveryKind(AdSenseTemplate &t, const std::string &picturePath);

// Expects two objects of the same kind to hold the same stored fields. A picture's file path
// is not compared: reading a file gives the object a fresh copy.
void ExpectSameStoredFields(const AdObj &expected, const AdObj &actual);
