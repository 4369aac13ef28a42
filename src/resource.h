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
