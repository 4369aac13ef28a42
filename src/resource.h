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
#define IDR_ACCELERATORS    101
#define IDI_ORNAMO          102
#define IDI_TEMPLATE        103

#define IDD_PAGE_EDIT       200
#define IDD_PAGE_PREVIEW    201
#define IDD_PAGE_CODE       202

// Frame of the main window
#define IDC_TOPPANEL        1000
#define IDC_LOGO            1001
#define IDC_BTNHELP         1002
#define IDC_BTNEXIT         1003
#define IDC_PAGES           1004
#define IDC_STATUSBAR       1005

// Page "Edit Template"
#define IDC_LBLADTYPE       1100
#define IDC_CBADTYPE        1101
#define IDC_LBLCURROBJ      1102
#define IDC_CBCURROBJ       1103
#define IDC_BTNDETAIL       1104
#define IDC_BTNDEL          1105
#define IDC_PNLEDIT         1106
#define IDC_GROUPINSERT     1107
#define IDC_BTNIMAGE        1108
#define IDC_BTNTEXT         1109
#define IDC_BTNFRAME        1110
#define IDC_BTNLINE         1111
#define IDC_BTNSHADOW       1112

// Page "Preview Google AdSense": five buttons, then their five swatches, in kind order
#define IDC_PNLPREVIEW      1200
#define IDC_BTNBORDERCOLOR  1201
#define IDC_BTNBGCOLOR      1202
#define IDC_BTNTITLECOLOR   1203
#define IDC_BTNTEXTCOLOR    1204
#define IDC_BTNURLCOLOR     1205
#define IDC_PNLBORDERCOLOR  1211
#define IDC_PNLBGCOLOR      1212
#define IDC_PNLTITLECOLOR   1213
#define IDC_PNLTEXTCOLOR    1214
#define IDC_PNLURLCOLOR     1215
#define IDC_BTNBROWSER      1220

// Page "Google AdSense Code"
#define IDC_MEMCODE         1300
#define IDC_LBLPUBID        1301
#define IDC_EDTPUBID        1302
#define IDC_LBLCHANNELID    1303
#define IDC_EDTCHANNELID    1304
#define IDC_BTNCOPY         1305
#define IDC_BTNSAVE         1306
#define IDC_CHKASYNC        1307
#define IDC_LBLASYNCNOTE    1308

// Menu commands
#define IDM_FILE_NEW        40001
#define IDM_FILE_OPEN       40002
#define IDM_FILE_SAVE       40003
#define IDM_FILE_SAVEAS     40004
#define IDM_FILE_EXPORT     40005
#define IDM_FILE_HTML       40006
#define IDM_FILE_EXIT       40007
#define IDM_EDIT_NEWIMAGE   40010
#define IDM_EDIT_NEWTEXT    40011
#define IDM_EDIT_NEWLINE    40012
#define IDM_EDIT_NEWSHADOW  40013
#define IDM_EDIT_NEWFRAME   40014
#define IDM_VIEW_EDITOR     40020
#define IDM_VIEW_PREVIEW    40021
#define IDM_VIEW_CODE       40022
#define IDM_VIEW_BROWSER    40023
#define IDM_TOOL_OPTION     40030
#define IDM_HELP_CONTENT    40040
#define IDM_HELP_WEB        40041
#define IDM_HELP_ABOUT      40042
#define IDM_EDIT_UNDO       40015
#define IDM_EDIT_REDO       40016
// The recent templates take eight IDs in a row, the most recent first.
#define IDM_FILE_RECENT     40050
#define IDM_PAGE_NEXT       40060
#define IDM_PAGE_PREV       40061

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
#define IDD_IMAGEPROP           400
#define IDD_TEXTPROP            401
#define IDD_LINEPROP            402
#define IDD_FRAMEPROP           403
#define IDD_SHADOWPROP          404
#define IDD_ADSENSEPROP         405
#define IDD_EXPORTIMAGE         406

// Controls that several of these dialogs have keep one ID in all of them.
#define IDC_PROP_OK             2000    // btnOK
#define IDC_PROP_CANCEL         2001    // btnCancel
#define IDC_PROP_NAME           2002    // edtName
#define IDC_PROP_LEFT           2003    // edtLeft
#define IDC_PROP_TOP            2004    // edtTop
#define IDC_PROP_WIDTH          2005    // edtWidth
#define IDC_PROP_HEIGHT         2006    // edtHeight
#define IDC_PROP_FILE           2007    // edtFile
#define IDC_PROP_BROWSE         2008    // btnBrowse
#define IDC_PROP_COLOR          2009    // pnlColor
#define IDC_PROP_LINECOLOR      2010    // btnLineColor
#define IDC_PROP_BGCOLOR        2011    // pnlBGColor
#define IDC_PROP_BGCOLORBTN     2012    // btnBGColor, btnBG
#define IDC_PROP_LINETYPE       2013    // cbLineType
#define IDC_PROP_LINEWIDTH      2014    // edtLineWidth

// Text
#define IDC_TEXT_TEXT           2020    // edtText
#define IDC_TEXT_FONTINFO       2021    // lblFont
#define IDC_TEXT_FONTCOLOR      2022    // pnlFontColor
#define IDC_TEXT_FONT           2023    // btnFont

// Line
#define IDC_LINE_STARTX         2030    // edtStartX
#define IDC_LINE_STARTY         2031    // edtStartY
#define IDC_LINE_ENDX           2032    // edtEndX
#define IDC_LINE_ENDY           2033    // edtEndY

// Frame
#define IDC_FRAME_ROUNDCHECK    2040    // cbRoundCorner
#define IDC_FRAME_ROUNDCORNER   2041    // edtRoundCorner

// Ad unit
#define IDC_AD_FORMAT           2050    // pnlAdFormat
#define IDC_AD_BORDERCOLOR      2051    // pnlBorderColor
#define IDC_AD_BORDERCOLORBTN   2052    // btnBorderColor
#define IDC_AD_TITLECOLOR       2053    // pnlTitleColor
#define IDC_AD_TITLECOLORBTN    2054    // btnTitleColor
#define IDC_AD_TEXTCOLOR        2055    // pnlTextColor
#define IDC_AD_TEXTCOLORBTN     2056    // btnTextColor
#define IDC_AD_URLCOLOR         2057    // pnlURLColor
#define IDC_AD_URLCOLORBTN      2058    // btnURLColor
#define IDC_AD_PUBID            2059    // edtPubID
#define IDC_AD_CHANNELID        2060    // edtChannelID

// Export
#define IDC_EXPORT_JPEG         2070    // the one format's radio button
#define IDC_EXPORT_MARGIN       2071    // edtMargin
#define IDC_EXPORT_QUALITY      2072    // edtQuality
