#include "TemplateFileSupport.h"

#include "TestSupport.h"
#include "misc/CxFile.h"

#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <memory>

using namespace testsupport;

namespace {

// A round trip cannot see two fields swapped alike in Save and Load, so the record of each
// kind is spelled out here field by field. Every field holds a value of its own.

std::string Head(int nType, const char *szName, int l, int t, int r, int b)
{
    return Int32(nType) + Text(szName) + Int32(l) + Int32(t) + Int32(r) + Int32(b);
}

void SetTail(AdReserved &reserved)
{
    for (int i = 0; i < AD_RESERVED_VALUES; ++i)
        reserved.dwValue[i] = 0xA0 + i;
    for (int i = 0; i < AD_RESERVED_TEXTS; ++i) {
        reserved.szText[i][0] = static_cast<char>('p' + i);
        reserved.szText[i][1] = '\0';
    }
}

std::string Tail()
{
    std::string s;
    for (int i = 0; i < AD_RESERVED_VALUES; ++i)
        s += Int32(0xA0 + i);
    for (int i = 0; i < AD_RESERVED_TEXTS; ++i)
        s += Text(std::string(1, static_cast<char>('p' + i)));
    return s;
}

struct RecordCase {
    const char *kind;
    std::function<AdObj *(const std::string &picture)> make;
    std::function<std::string(const std::string &picture)> expected;
};

const RecordCase kCases[] = {
    {"picture",
     [](const std::string &picture) -> AdObj * {
         Pictra *p = new Pictra;
         p->SetName("Pic");
         p->m_rcPos = {1, 2, 3, 4};
         p->SetFile(picture.c_str());
         p->SetExt(".gif");
         SetTail(p->m_reserved);
         return p;
     },
     [](const std::string &picture) {
         return Head(1, "Pic", 1, 2, 3, 4) + Text(picture) + Text(".gif") + Int32(6) +
                "PIXELS" + Tail();
     }},
    {"text",
     [](const std::string &) -> AdObj * {
         AdText *p = new AdText;
         p->SetName("Txt");
         p->m_rcPos = {5, 6, 7, 8};
         p->SetText("Caption");
         p->m_crText = 0x000011;
         p->m_crBack = 0x000022;
         p->m_nAlign = 2;
         p->m_lf.lfHeight = -13;
         p->m_lf.lfWeight = 700;
         p->m_lf.lfItalic = 1;
         p->m_lf.lfUnderline = 0;
         p->m_lf.lfStrikeOut = 1;
         p->m_lf.lfCharSet = 204;
         p->SetFaceName("Tahoma");
         SetTail(p->m_reserved);
         return p;
     },
     [](const std::string &) {
         return Head(2, "Txt", 5, 6, 7, 8) + Text("Caption") + Int32(0x11) + Int32(0x22) +
                Int32(2) + Int32(-13) + Int32(700) + Int32(1) + Int32(0) + Int32(1) +
                Int32(204) + Text("Tahoma") + Tail();
     }},
    {"line",
     [](const std::string &) -> AdObj * {
         AdLine *p = new AdLine;
         p->SetName("Ln");
         p->m_nWidth = 3;
         p->m_nStyle = 4;
         p->m_crLine = 0x000033;
         p->m_ptStart = {-9, 10};
         p->m_ptEnd = {11, 12};
         p->m_rcPos = {-9, 10, 11, 12};
         SetTail(p->m_reserved);
         return p;
     },
     [](const std::string &) {
         return Head(3, "Ln", -9, 10, 11, 12) + Int32(3) + Int32(4) + Int32(0x33) + Int32(-9) +
                Int32(10) + Int32(11) + Int32(12) + Tail();
     }},
    {"shadow",
     [](const std::string &) -> AdObj * {
         AdShadow *p = new AdShadow;
         p->SetName("Sh");
         p->m_rcPos = {13, 14, 15, 16};
         p->m_nValue = 0x80000007u;
         SetTail(p->m_reserved);
         return p;
     },
     [](const std::string &) {
         return Head(4, "Sh", 13, 14, 15, 16) + Int32(0x80000007u) + Tail();
     }},
    {"frame",
     [](const std::string &) -> AdObj * {
         AdFrame *p = new AdFrame;
         p->SetName("Fr");
         p->m_rcPos = {17, 18, 19, 20};
         p->m_nFrameType = 1;
         p->m_crBack = 0x000044;
         p->m_nLineWidth = 2;
         p->m_nLineStyle = 3;
         p->m_nRoundCorner = 9;
         p->m_crLine = 0x000055;
         strcpy(p->m_szExtra, "x");
         p->m_crExtra1 = 0x000066;
         p->m_crExtra2 = 0x000077;
         p->m_nExtra = 8;
         SetTail(p->m_reserved);
         return p;
     },
     [](const std::string &) {
         return Head(5, "Fr", 17, 18, 19, 20) + Int32(1) + Int32(0x44) + Int32(2) + Int32(3) +
                Int32(9) + Int32(0x55) + Text("x") + Int32(0x66) + Int32(0x77) + Int32(8) +
                Tail();
     }},
};

AdObj *NewOfKind(int nType)
{
    switch (nType) {
    case OBJ_IMAGE: return new Pictra;
    case OBJ_TEXT: return new AdText;
    case OBJ_LINE: return new AdLine;
    case OBJ_SHADOW: return new AdShadow;
    case OBJ_FRAME: return new AdFrame;
    default: return nullptr;
    }
}

TEST(RecordLayout, EachKindWritesItsFieldsInFileOrder)
{
    std::string folder = MakeScratchFolder("record_layout");
    std::string picture = OwnPictureCopy(".gif", "PIXELS");
    for (const RecordCase &c : kCases) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<AdObj> pObj(c.make(picture));
        std::string path = folder + c.kind + ".rec";
        {
            CxFile file;
            ASSERT_TRUE(file.Open(path.c_str(), "wb"));
            ASSERT_TRUE(pObj->Save(&file));
        }
        EXPECT_EQ(ReadFileBytes(path), c.expected(picture));

        // Read back into an object that still holds its defaults.
        std::unique_ptr<AdObj> pRead(NewOfKind(pObj->m_nType));
        ASSERT_TRUE(pRead);
        {
            CxFile file;
            ASSERT_TRUE(file.Open(path.c_str(), "rb"));
            ASSERT_TRUE(pRead->Load(&file));
            EXPECT_EQ(file.GetRemaining(), 0) << "the record is read to its end";
        }
        ExpectSameStoredFields(*pObj, *pRead);
    }
}

}  // namespace
