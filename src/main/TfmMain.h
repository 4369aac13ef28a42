#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "AdEdit.h"
#include "AdTemplate/TemplateHistory.h"
#include "AppSettings.h"
#include "RecentFiles.h"
#include "TemplateHost.h"
#include "canvas/GdiScope.h"
#include "main/EditCommands.h"
#include "main/MainLayout.h"

class AdObj;
class AdPreview;
class AdSenseTemplate;
class PictraUtil;
class RecoveryFile;

// The main window: the one template of the run on the editing canvas, its preview with
// sample ads and its page code, with the File, Edit, View, Tools and Help commands. It owns
// the template, the settings record and the image library binding; the canvases belong to
// their windows.
//
// Its sources are split by concern: TfmMain.cpp (creation and tear-down order, the views,
// the close question), MainFrame.cpp (controls, pages and layout), MainCommands.cpp (the
// command table and the File commands), MainEditPage.cpp, MainPreviewPage.cpp,
// MainCodePage.cpp and MainStartup.cpp.
class TfmMain : public TemplateHost, public AdEditOwner {
public:
    static const char *const ClassName;
    // The timer that writes the recovery copy of a modified template.
    static const UINT_PTR RecoveryTimerId = 2;
    enum Page { PAGE_EDIT = 0, PAGE_PREVIEW = 1, PAGE_CODE = 2, PAGE_COUNT = 3 };

    TfmMain();
    virtual ~TfmMain();
    TfmMain(const TfmMain &) = delete;
    TfmMain &operator=(const TfmMain &) = delete;

    // Registers the class once and creates the (hidden) window at its smallest size,
    // centred; its creation builds everything the window holds. Null on failure.
    HWND Create(HINSTANCE hInstance);
    // Switches the start-up timer on, once. A template path (from the command line) is opened
    // at start-up in place of the start-up choice.
    void PostCreate(const std::string &startupTemplate = std::string());
    HWND GetHandle() const { return m_hWnd; }
    // The window's keyboard shortcuts; true when msg was one of them and ran its command.
    bool TranslateShortcut(MSG *pMsg);

    // TemplateHost
    AdSenseTemplate *GetTemplate() override { return FTemplate; }
    HWND GetOwnerWindow() override { return m_hWnd; }
    void RefreshViews() override;
    void FillObjectList() override;
    void SetModified(bool bModified, bool bUpdateCaption) override;
    void UpdateAdColor(int nKind, COLORREF cr, bool bStore) override;
    void BeginChange() override;
    void CommitChange(const char *szLabel, const void *pMergeKey) override;
    void CancelChange() override;

    void UpdateCaption();
    void SelectObjectInList(AdObj *pObj);
    // bStore false: the ID edits show the template's IDs. True: each edit whose text passes
    // its own rule and differs from the template's ID is taken over.
    void SyncAdIds(bool bStore);
    void FillAdFormatList();

    // Template commands. New and Open replace the content of the one template.
    void NewTemplate();
    bool OpenTemplate(const char *szPath);
    // True when the template was written (or had nothing to write under a name).
    bool SaveTemplate();
    bool SaveTemplateAs();
    bool WriteTemplate(const char *szPath);

    // What the second tick of the start-up timer runs: the wizard when the settings ask for
    // it, then a new template or the chosen file.
    void RunStartupChoice();
    // A close that comes before the first template: granted before the start-up choice runs;
    // while the choice (the wizard) runs, it is kept and made once the choice has ended.
    bool StartupAllowsClose();
    // The close question; true when the window may close.
    bool FormCloseQuery();

    bool IsStarted() const { return FStarted; }
    AdEdit *GetAdEdit() const { return FAdEdit; }
    AdPreview *GetAdPreview() const { return FAdPreview; }
    AppSettings &GetSettings() { return FSettings; }
    TemplateHistory &GetHistory() { return m_history; }
    RecentFiles &GetRecentFiles() { return m_recent; }
    HWND GetPage(int nPage) const { return m_hPages[nPage]; }
    int GetActivePage() const { return m_nActivePage; }
    HWND GetTabs() const { return m_hTabs; }
    HWND GetStatusBar() const { return m_hStatusBar; }
    // A control of the frame or of any page by its ID.
    HWND Control(int nId) const;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // TfmMain.cpp: the order of creation and tear-down
    bool FormCreate();
    bool InitMainWindow();
    void FormDestroy();
    // Saves a modified template when the user wants to; false when the command that asked
    // must not go on (Cancel, or a save that was cancelled or failed).
    bool QuerySaveChanges();

    // MainFrame.cpp: controls, pages, layout, colours
    bool CreateFrameControls();
    bool CreatePages();
    // Every page hands its commands, sizes and colours to the main window.
    static INT_PTR CALLBACK PageProc(HWND hPage, UINT msg, WPARAM wParam, LPARAM lParam);
    mainlayout::Insets GetTabInsets() const;
    void LayoutFrame();
    void LayoutPage(int nPage);
    void FitCanvasesToPanels();
    SIZE GetMinimumSize() const;
    void ShowPage(int nPage);
    void spMainChange();
    HBRUSH OnControlColor(HDC hDC, HWND hControl);
    void PaintTopPanel();
    void CenterOnDesktop();

    // MainCommands.cpp: the command table and the File, View, Tools and Help commands
    void OnCommand(int nId, int nNotifyCode);
    void miFileNewClick();
    void miFileOpenClick();
    void miFileSaveClick();
    void miFileSaveAsClick();
    void miFileExportClick();
    void miFileHTMLClick();
    void miFileExitClick();
    void miEditUndoClick();
    void miEditRedoClick();
    void miPageNextClick();
    void miPagePrevClick();
    void OpenRecentFile(size_t nIndex);
    void miViewEditorClick();
    void miViewPreviewClick();
    void miViewCodeClick();
    void miToolOptionClick();
    void miHelpContentClick();
    void miHelpWebClick();
    void miHelpAboutClick();
    void btnExitClick();
    void imgLogoClick();

    // MainEditPage.cpp
    void ShowAdFormat();
    void cbAdTypeChange();
    void cbCurrObjChange();
    void btnImageClick();
    void btnTextClick();
    void btnLineClick();
    void btnShadowClick();
    void btnFrameClick();
    void btnDelClick();
    void btnDetailClick();
    void OnObjectSelected(AdEdit *pSender, AdObj *pObj) override;
    void OnObjectDoubleClick(AdEdit *pSender, AdObj *pObj) override;
    void OnObjectDragged(AdEdit *pSender, AdObj *pObj) override;
    void OnDragBegin(AdEdit *pSender, AdObj *pObj) override;
    void OnDragEnd(AdEdit *pSender) override;
    void OnCanvasKey(AdEdit *pSender, UINT nKey, bool bShift) override;
    // Moves the current object by dx, dy within the template's plane; a series of moves of
    // one object is one step.
    void NudgeCurrent(int dx, int dy);
    // Makes the next (nStep 1) or previous (-1) object in list order current, round the end.
    void SelectAdjacentObject(int nStep);

    // MainHistory.cpp
    // Where the template was taken back or forward to, every view follows.
    void ShowRestoredState();
    // The Undo and Redo items name their steps, or are greyed.
    void UpdateEditMenu(HMENU hMenu);
    // The recent templates between the last separator pair of the File menu.
    void UpdateRecentMenu(HMENU hMenu);
    // An open or a save of szPath: the list and the shell hear of it.
    void NoteRecentFile(const char *szPath);

    // MainPreviewPage.cpp
    void PickAdColor(int nKind);
    void ShowAdColors();
    // Writes the preview page into the Temp folder and hands it to the shell.
    void miViewBrowserClick();

    // MainCodePage.cpp
    void SetupCodePage();
    // The code in the form the settings choose.
    void ShowCode();
    // The check box and its note as the settings say.
    void ShowCodeForm();
    void chkAsyncClick();
    void edtPubIDExit();
    void edtChannelIDExit();
    void CheckIdOnExit(int nField);
    // The posted check of an ID edit the focus left; false for any other message.
    bool HandleIdEditExit(UINT msg, WPARAM wParam);
    // Checks one ID edit and takes its text over when it passes; false after a refusal.
    bool TakeOverId(int nField, bool bReportRefusal);
    // Takes over what was typed into the ID edits and not yet checked.
    void CommitPendingIds();
    void btnCopyClick();
    void btnSaveClick();
    static LRESULT CALLBACK IdEditProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR uIdSubclass, DWORD_PTR dwRefData);

    // MainStartup.cpp
    void CreateFolders();
    void CreateImageLibraryBinding();
    void tmMainTimer();

    // MainRecovery.cpp
    void StartRecovery();
    void tmRecoveryTimer();
    // New, Open, a successful save and a normal close leave no copy behind.
    void RemoveRecoveryCopy();
    // Offers the copy an ended run left; true when it was restored into the template.
    bool OfferRecovery();

    HWND m_hWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;

    bool FStarted = false;
    bool FFillingList = false;
    AdSenseTemplate *FTemplate = nullptr;
    AdEdit *FAdEdit = nullptr;
    AdPreview *FAdPreview = nullptr;
    AppSettings FSettings = {};
    PictraUtil *m_pPictra = nullptr;
    EditCommands m_editCommands;
    TemplateHistory m_history;
    RecentFiles m_recent;
    // The state before the change under way, while one is.
    TemplateSnapshot m_changeBefore;
    bool m_bChangeOpen = false;
    // Whether the drag under way has moved its object yet.
    bool m_bDragMoved = false;
    bool m_bDragging = false;
    HACCEL m_hAccelerators = nullptr;
    std::unique_ptr<RecoveryFile> m_pRecovery;

    // Ticks of the start-up timer seen so far; kept per window, not per program.
    int m_nStartupTicks = 0;
    std::string m_startupTemplate;
    bool m_bCloseAfterStartup = false;
    // The ID edits' checks never run inside one another.
    bool m_bCheckingIds = false;
    int m_nActivePage = PAGE_EDIT;

    HWND m_hTabs = nullptr;
    HWND m_hStatusBar = nullptr;
    HWND m_hLogo = nullptr;
    HWND m_hHelp = nullptr;
    HWND m_hExit = nullptr;
    HWND m_hPages[PAGE_COUNT] = {};
    canvas::GdiObject<HFONT> m_hBoldFont;
    canvas::GdiObject<HFONT> m_hCodeFont;
    canvas::GdiObject<HBRUSH> m_hWhiteBrush;
    canvas::GdiObject<HBRUSH> m_hCodeBrush;
};
