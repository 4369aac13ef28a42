#pragma once
#include <windows.h>

class TemplateHost;

// The edit page's commands: insert an object of a kind through its property dialog, delete
// the current object, open the current object's dialog, export the template's picture.
// They work on whatever template host they are given.
class EditCommands {
public:
    explicit EditCommands(TemplateHost *pHost) : m_pHost(pHost) {}

    // nType is an object type code 1..5 (OBJ_IMAGE ... OBJ_FRAME). True when an object was
    // added.
    bool InsertObject(int nType);
    bool DeleteCurrent();
    // The current object's property dialog; true when it ended with OK.
    bool EditCurrent();
    bool ExportTemplateImage();

private:
    TemplateHost *m_pHost;
};
