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
#define IDD_OPTION              300
#define IDD_WIZARD              301
#define IDD_ABOUT               302

#define IDC_OPTION_LABEL1       1500
#define IDC_OPTION_PUBID        1501
#define IDC_OPTION_LABEL2       1502
#define IDC_OPTION_CHANNELID    1503
#define IDC_OPTION_STARTUP      1504
#define IDC_OPTION_OK           1505
#define IDC_OPTION_CANCEL       1506

#define IDC_WIZARD_LABEL1       1600
#define IDC_WIZARD_SAMPLE       1601
#define IDC_WIZARD_SAMPLEFILE   1602
#define IDC_WIZARD_BROWSESAMPLE 1603
#define IDC_WIZARD_NEW          1604
#define IDC_WIZARD_OPEN         1605
#define IDC_WIZARD_OPENFILE     1606
#define IDC_WIZARD_BROWSEOPEN   1607
#define IDC_WIZARD_STARTUP      1608
#define IDC_WIZARD_OK           1609

#define IDC_ABOUT_LOGOFRAME     1700
#define IDC_ABOUT_LOGO          1701
#define IDC_ABOUT_LABEL1        1702
#define IDC_ABOUT_URLHOME       1703
#define IDC_ABOUT_OK            1704

// ---- Property dialogs and export ----
