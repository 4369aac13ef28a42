#include "main/EditCommands.h"

// Placeholders until the property dialogs land.
bool EditCommands::InsertObject(int) { return false; }
bool EditCommands::DeleteCurrent() { return false; }
bool EditCommands::EditCurrent() { return false; }
bool EditCommands::ExportTemplateImage() { return false; }
