#pragma once

// Resource and control IDs of the whole program, one range per window family so that each
// family's IDs can grow without meeting another's:
//   100-199    main window menus, accelerators, pictures
//   200-299    main window page templates        1000-1499 their controls
//   300-399    wizard, options, about templates   1500-1999 their controls
//   400-499    property and export dialogs        2000-2999 their controls
//   40000-40999 menu commands

// ---- Main window ----
#define IDR_MAINMENU        100

#define IDM_FILE_EXIT       40001

// ---- Wizard, options, about ----

// ---- Property dialogs and export ----
