// A template built the way a person builds it, through the real main window only: a picture
// chosen from a PNG on disk, a text and a frame inserted with the menu commands, the text
// dragged on the editing canvas, saved, exported; then opened in a fresh main window, where
// the objects, the page code and the exported picture must all tell the same story.
#include <stdio.h>
#include <string.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AdTemplate/AdObjects.h"
#include "MainWindowFixture.h"
#include "PictraUtil.h"
#include "TestSupport.h"
#include "misc/GdiScope.h"
#include "dialog/DialogBase.h"
#include "dialog/DialogFields.h"

namespace {

// A PNG of one colour, written byte by byte (stored deflate blocks) so that the picture the
// program reads is independent of the library that decodes it.
class PngWriter {
public:
    static bool Write(const std::string &path, int nWidth, int nHeight, COLORREF cr)
    {
        std::string raw;
        for (int y = 0; y < nHeight; ++y) {
            raw += '\0';  // filter: none
            for (int x = 0; x < nWidth; ++x) {
                raw += (char)GetRValue(cr);
                raw += (char)GetGValue(cr);
                raw += (char)GetBValue(cr);
            }
        }
        std::string header = Be32(nWidth) + Be32(nHeight) + std::string("\x08\x02\x00\x00\x00", 5);
        std::string png("\x89PNG\r\n\x1a\n", 8);
        png += Chunk("IHDR", header) + Chunk("IDAT", Stored(raw)) + Chunk("IEND", "");
        return testsupport::WriteFileBytes(path, png);
    }

private:
    static std::string Be32(unsigned long n)
    {
        return {(char)(n >> 24), (char)(n >> 16), (char)(n >> 8), (char)n};
    }
    static unsigned long Crc(const std::string &bytes)
    {
        unsigned long c = 0xFFFFFFFFul;
        for (unsigned char b : bytes) {
            c ^= b;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320ul ^ (c >> 1) : c >> 1;
        }
        return c ^ 0xFFFFFFFFul;
    }
    static std::string Chunk(const char *szType, const std::string &data)
    {
        const std::string body = szType + data;
        return Be32(data.size()) + body + Be32(Crc(body));
    }
    // A zlib stream of stored blocks.
    static std::string Stored(const std::string &raw)
    {
        std::string z("\x78\x01", 2);
        size_t nPos = 0;
        do {
            const size_t n = raw.size() - nPos < 65535 ? raw.size() - nPos : 65535;
            const bool bLast = nPos + n == raw.size();
            z += (char)(bLast ? 1 : 0);
            z += (char)(n & 0xFF);
            z += (char)(n >> 8);
            z += (char)(~n & 0xFF);
            z += (char)((~n >> 8) & 0xFF);
            z += raw.substr(nPos, n);
            nPos += n;
        } while (nPos < raw.size());
        unsigned long a = 1, b = 0;
        for (unsigned char c : raw) {
            a = (a + c) % 65521;
            b = (b + a) % 65521;
        }
        return z + Be32((b << 16) | a);
    }
};

// What the next property dialog does when it shows: one step of the script per dialog.
std::function<void(HWND)> g_nextDialog;
void RunScriptedDialog(DialogBase *pDialog)
{
    ++g_prompts.dialogsShown;
    std::function<void(HWND)> action;
    action.swap(g_nextDialog);
    if (action)
        action(pDialog->GetHandle());
    else
        pDialog->EndModal(IDCANCEL);
}

void Confirm(HWND hDlg)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_PROP_OK, BN_CLICKED),
                 (LPARAM)GetDlgItem(hDlg, IDC_PROP_OK));
}

// The numbers after `key` in the page code, read as far as they are digits.
long long NumberAfter(const std::string &code, const std::string &key)
{
    const size_t n = code.find(key);
    return n == std::string::npos ? -1 : atoll(code.c_str() + n + key.size());
}

const COLORREF kPictureColor = RGB(0, 64, 224);
const int kPictureWidth = 40, kPictureHeight = 30;
const POINT kPictureAt = {20, 120};
const POINT kTextAt = {300, 120};
const POINT kDrag = {40, 6};
const int kMargin = 10;

class EndToEnd : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        DialogBase::SetShownHook(RunScriptedDialog);
        m_strScratch = testsupport::MakeScratchFolder("endtoend");
        m_strPng = m_strScratch + "blue.png";
        m_strTemplate = m_strScratch + "built.atp";
        ASSERT_TRUE(PngWriter::Write(m_strPng, kPictureWidth, kPictureHeight, kPictureColor));
    }
    void TearDown() override
    {
        g_nextDialog = nullptr;
        MainWindowTest::TearDown();
    }

    void InsertPicture()
    {
        g_prompts.openPaths.push_back(m_strPng);
        g_nextDialog = [](HWND hDlg) {
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_PROP_BROWSE, BN_CLICKED),
                         (LPARAM)GetDlgItem(hDlg, IDC_PROP_BROWSE));
            fields::SetInt(hDlg, IDC_PROP_LEFT, kPictureAt.x);
            fields::SetInt(hDlg, IDC_PROP_TOP, kPictureAt.y);
            Confirm(hDlg);
        };
        Command(IDM_EDIT_NEWIMAGE);
    }
    void InsertText()
    {
        g_nextDialog = [](HWND hDlg) {
            fields::SetText(hDlg, IDC_TEXT_TEXT, "Hello");
            fields::SetInt(hDlg, IDC_PROP_LEFT, kTextAt.x);
            fields::SetInt(hDlg, IDC_PROP_TOP, kTextAt.y);
            Confirm(hDlg);
        };
        Command(IDM_EDIT_NEWTEXT);
    }
    void InsertFrame()
    {
        g_nextDialog = Confirm;
        Command(IDM_EDIT_NEWFRAME);
    }
    // A click in the middle of the object selects it (a press on an object that is not
    // current starts nothing); then a press there (a move, not a resize), two moves and a
    // release drag it.
    void DragOnCanvas(const RECT &rcObj, POINT delta)
    {
        AdEdit *pEdit = m_pForm->GetAdEdit();
        HWND hCanvas = pEdit->GetHandle();
        auto at = [pEdit](int tx, int ty) {
            return MAKELPARAM((WORD)(short)(tx + AdEdit::RulerSize - pEdit->GetScrollX()),
                              (WORD)(short)(ty + AdEdit::RulerSize - pEdit->GetScrollY()));
        };
        const int x = (rcObj.left + rcObj.right) / 2, y = (rcObj.top + rcObj.bottom) / 2;
        SendMessageA(hCanvas, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
        SendMessageA(hCanvas, WM_LBUTTONUP, 0, at(x, y));
        testsupport::PumpMessages();
        SendMessageA(hCanvas, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
        SendMessageA(hCanvas, WM_MOUSEMOVE, MK_LBUTTON, at(x + delta.x / 2, y + delta.y / 2));
        SendMessageA(hCanvas, WM_MOUSEMOVE, MK_LBUTTON, at(x + delta.x, y + delta.y));
        SendMessageA(hCanvas, WM_LBUTTONUP, 0, at(x + delta.x, y + delta.y));
        testsupport::PumpMessages();
    }
    void Export()
    {
        g_nextDialog = [](HWND hDlg) {
            fields::SetInt(hDlg, IDC_EXPORT_MARGIN, kMargin);
            Confirm(hDlg);
        };
        Command(IDM_FILE_EXPORT);
    }
    AdObj *Find(const char *szName)
    {
        for (AdObj *pObj = Tpl()->GetFirst(); pObj; pObj = Tpl()->GetNext()) {
            if (strcmp(pObj->GetName(), szName) == 0)
                return pObj;
        }
        return nullptr;
    }

    std::string m_strScratch, m_strPng, m_strTemplate;
};

bool RectIs(const RECT &rc, long l, long t, long r, long b)
{
    return rc.left == l && rc.top == t && rc.right == r && rc.bottom == b;
}

// JPEG may shift a colour by a few steps.
bool Near(COLORREF a, COLORREF b)
{
    return abs(GetRValue(a) - GetRValue(b)) < 24 && abs(GetGValue(a) - GetGValue(b)) < 24 &&
           abs(GetBValue(a) - GetBValue(b)) < 24;
}

// A 32-bit top-down bitmap selected into a memory DC, its pixels readable.
class PictureReadBack {
public:
    PictureReadBack(int nWidth, int nHeight) : m_nWidth(nWidth), m_dc(nullptr)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = nWidth;
        bmi.bmiHeader.biHeight = -nHeight;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        m_bitmap.Reset(CreateDIBSection(m_dc.Get(), &bmi, DIB_RGB_COLORS, &m_pBits, nullptr, 0));
        m_select.reset(new gdi::SelectScope(m_dc.Get(), m_bitmap.Get()));
    }
    bool IsReady() const { return m_dc.Get() && m_bitmap.Get() && m_pBits; }
    HDC DC() const { return m_dc.Get(); }
    // Pixels darker than mid grey in a rectangle of the picture.
    int DarkPixels(const RECT &rc) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                const COLORREF cr = At(x, y);
                n += GetRValue(cr) + GetGValue(cr) + GetBValue(cr) < 3 * 128;
            }
        }
        return n;
    }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const DWORD v = static_cast<const DWORD *>(m_pBits)[y * m_nWidth + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }

private:
    int m_nWidth;
    void *m_pBits = nullptr;
    gdi::GdiObject<HBITMAP> m_bitmap;
    gdi::MemoryDC m_dc;
    std::unique_ptr<gdi::SelectScope> m_select;
};

}  // namespace

TEST_F(EndToEnd, ATemplateBuiltSavedAndExportedReopensAsBuilt)
{
    InsertPicture();
    InsertText();
    InsertFrame();
    ASSERT_EQ(4u, Tpl()->GetCount());
    ASSERT_NE(nullptr, Find("Text 1"));
    const RECT rcText = *Find("Text 1")->GetPos();
    DragOnCanvas(rcText, kDrag);
    EXPECT_EQ("Text 1", Text(IDC_CBCURROBJ));
    const RECT rcDragged = {rcText.left + kDrag.x, rcText.top + kDrag.y, rcText.right + kDrag.x,
                            rcText.bottom + kDrag.y};
    const RECT &rcNow = *Find("Text 1")->GetPos();
    ASSERT_TRUE(RectIs(rcNow, rcDragged.left, rcDragged.top, rcDragged.right, rcDragged.bottom))
        << rcText.left << "," << rcText.top << "," << rcText.right << "," << rcText.bottom
        << " became " << rcNow.left << "," << rcNow.top << "," << rcNow.right << ","
        << rcNow.bottom;

    g_prompts.savePaths.push_back(m_strTemplate);
    Command(IDM_FILE_SAVEAS);
    ASSERT_TRUE(testsupport::FileExists(m_strTemplate));
    Export();
    const std::string picture = m_strScratch + "images\\built.jpg";
    ASSERT_TRUE(testsupport::FileExists(picture));
    EXPECT_TRUE(g_prompts.messages.empty()) << g_prompts.messages[0].text;
    // The export's margins belong to the file: closing asks, and Yes saves them.
    EXPECT_TRUE(Tpl()->IsModified());
    g_prompts.answers.push_back(IDYES);
    ASSERT_TRUE(Close());
    ASSERT_EQ(1u, g_prompts.messages.size());
    EXPECT_EQ("Confirmation", g_prompts.messages[0].caption);

    // A fresh main window opens the file.
    m_pForm.reset();
    CreateWindowNow();
    g_prompts.openPaths.push_back(m_strTemplate);
    Command(IDM_FILE_OPEN);
    ASSERT_EQ(m_strTemplate, Tpl()->GetFilePath());
    EXPECT_TRUE(g_prompts.messages.empty());

    const struct {
        const char *szName;
        int nType;
    } objects[] = {{"Image 1", OBJ_IMAGE}, {"Text 1", OBJ_TEXT}, {"Frame 1", OBJ_FRAME}};
    ASSERT_EQ(4u, Tpl()->GetCount());
    for (const auto &o : objects) {
        ASSERT_NE(nullptr, Find(o.szName)) << o.szName;
        EXPECT_EQ(o.nType, Find(o.szName)->GetType()) << o.szName;
    }
    const RECT rcAd = *Tpl()->GetAdSense()->GetPos();
    EXPECT_TRUE(RectIs(*Find("Image 1")->GetPos(), kPictureAt.x, kPictureAt.y,
                       kPictureAt.x + kPictureWidth, kPictureAt.y + kPictureHeight));
    EXPECT_TRUE(RectIs(*Find("Text 1")->GetPos(), rcDragged.left, rcDragged.top,
                       rcDragged.right, rcDragged.bottom));
    // The frame was placed two pixels around the ad unit.
    EXPECT_TRUE(RectIs(*Find("Frame 1")->GetPos(), rcAd.left - 2, rcAd.top - 2, rcAd.right + 2,
                       rcAd.bottom + 2));
    EXPECT_EQ(kMargin, Tpl()->GetMarginLeft());
    EXPECT_EQ(kMargin, Tpl()->GetMarginBottom());

    // The picture spans every object grown by the margin, its left and top stopping at the
    // template's edge (the frame starts at 8).
    const RECT rcPicture = {0, 0, rcAd.right + 2 + kMargin,
                            kPictureAt.y + kPictureHeight + kMargin};
    const long nWidth = rcPicture.right - rcPicture.left;
    const long nHeight = rcPicture.bottom - rcPicture.top;
    int size[2] = {0, 0};
    ASSERT_NE(nullptr, PictraUtil::Get());
    ASSERT_TRUE(PictraUtil::Get()->GetImageSize(picture.c_str(), size));
    EXPECT_EQ(nWidth, size[0]);
    EXPECT_EQ(nHeight, size[1]);

    // The page code: the table is the picture, the paddings put the ad on its placeholder.
    const std::string code = Text(IDC_MEMCODE);
    EXPECT_EQ(size[0], NumberAfter(code, "<table width=\""));
    EXPECT_EQ(size[1], NumberAfter(code, "\" height=\""));
    EXPECT_NE(std::string::npos, code.find("images/built.jpg"));
    EXPECT_EQ(rcAd.left - rcPicture.left, NumberAfter(code, "padding-left:"));
    EXPECT_EQ(rcAd.top - rcPicture.top, NumberAfter(code, "padding-top:"));
    EXPECT_EQ(rcPicture.right - rcAd.right, NumberAfter(code, "padding-right:"));
    EXPECT_EQ(rcPicture.bottom - rcAd.bottom, NumberAfter(code, "padding-bottom:"));

    // The picture itself, read back through the library into a memory DC.
    PictureReadBack pic(size[0], size[1]);
    ASSERT_TRUE(pic.IsReady());
    EXPECT_TRUE(PictraUtil::Get()->DrawImageOnDC(picture.c_str(), pic.DC(), 0, 0));
    const COLORREF crInPicture = pic.At(kPictureAt.x + kPictureWidth / 2 - rcPicture.left,
                                        kPictureAt.y + kPictureHeight / 2 - rcPicture.top);
    EXPECT_TRUE(Near(kPictureColor, crInPicture)) << std::hex << crInPicture;
    const COLORREF crMargin = pic.At(size[0] - 3, size[1] - 3);
    EXPECT_TRUE(Near(RGB(255, 255, 255), crMargin)) << std::hex << crMargin;
    const COLORREF crFrameLine = static_cast<AdFrame *>(Find("Frame 1"))->m_crLine;
    const COLORREF crOnFrame =
        pic.At(rcAd.left - 2 - rcPicture.left, (rcAd.top + rcAd.bottom) / 2 - rcPicture.top);
    EXPECT_TRUE(Near(crFrameLine, crOnFrame)) << std::hex << crOnFrame;
    // The text is drawn where it was dragged to, and nothing is left where it was.
    RECT rcTextNow = rcDragged, rcLeftBehind = {rcText.left, rcText.top, rcDragged.left,
                                                 rcText.bottom};
    OffsetRect(&rcTextNow, -rcPicture.left, -rcPicture.top);
    OffsetRect(&rcLeftBehind, -rcPicture.left, -rcPicture.top);
    EXPECT_GT(pic.DarkPixels(rcTextNow), 0);
    EXPECT_EQ(0, pic.DarkPixels(rcLeftBehind));
}
