#pragma once
#include <windows.h>

class AdObj;
class ObjectDialog;
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
    // True when the current object was deleted.
    bool DeleteCurrent();
    // The current object's property dialog; true when it ended with OK.
    bool EditCurrent();
    // True when the picture was written.
    bool ExportTemplateImage();

    // The property dialog of a kind (0 ad unit .. 5 frame), made for one use; null for an
    // unknown kind.
    static ObjectDialog *NewPropertyDialog(int nType, TemplateHost *pHost);

private:
    // A new object of a kind with its defaults, its automatic name and its place beside
    // the ad unit; null for a kind that cannot be inserted.
    AdObj *NewPlacedObject(int nType);
    // Creates the dialog for an object, hands it the object and shows it; IDOK or IDCANCEL.
    int RunPropertyDialog(ObjectDialog *pDialog, AdObj *pObj);

    TemplateHost *m_pHost;
};
