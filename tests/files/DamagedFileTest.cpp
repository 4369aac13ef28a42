#include "AllocationCounter.h"
#include "TemplateFileSupport.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <functional>
#include <random>

using namespace testsupport;

namespace {

// The corpus starts from the file of a template holding every kind and a picture.
class DamagedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = MakeScratchFolder("damaged");
        m_picture = OwnPictureCopy(".png", std::string(100, '\x5a'));
        AdSenseTemplate t;
        t.New();
        FillEveryKind(t, m_picture);
        ASSERT_TRUE(t.SaveAs((m_folder + "valid.atp").c_str()));
        m_valid = ReadFileBytes(m_folder + "valid.atp");
        m_damaged = m_folder + "damaged.atp";

        // The first use of some library parts (stream locales, the trace stack) allocates
        // once for the whole run; that must not count as a leak of the cases measured.
        SCOPED_TRACE("warm-up");
        AdSenseTemplate warm;
        PrepareTarget(warm);
        OpenAndCheck(warm, m_valid.substr(0, 200));
        OpenAndCheck(warm, m_valid);
    }

    // The template the damaged files are opened into: itself read from the valid file (so
    // its picture lives in the Temp folder), then edited.
    void PrepareTarget(AdSenseTemplate &t)
    {
        ASSERT_TRUE(t.Open((m_folder + "valid.atp").c_str()));
        Edit(t);
    }

    static void Edit(AdSenseTemplate &t)
    {
        t.SetCurrent(t.GetAdSense());
        t.SetModified(true);
    }

    // Opens bytes as a file and checks the one rule: refused with nothing changed, lost or
    // left behind, or read completely. Answers whether the file was read.
    bool OpenAndCheck(AdSenseTemplate &t, const std::string &bytes)
    {
        if (!WriteFileBytes(m_damaged, bytes)) {
            ADD_FAILURE() << "cannot write " << m_damaged;
            return false;
        }
        const TemplateState before = Snapshot(t);
        std::vector<std::string> copiesBefore;
        for (AdObj *p : Objects(t)) {
            std::string file = p->GetType() == OBJ_IMAGE ? static_cast<Pictra *>(p)->m_szFile : "";
            // The picture the valid file was made from lives there too, and stays.
            if (file.compare(0, TempFolder().size(), TempFolder()) == 0 && file != m_picture)
                copiesBefore.push_back(file);
        }
        const std::set<std::string> tempBefore = FilesIn(TempFolder());
        // Wine always counts 0 GDI objects; on Windows the count is real.
        const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        const long liveBefore = LiveAllocations();
        const bool bRead = t.Open(m_damaged.c_str());
        const long liveAfter = LiveAllocations();
        const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

        if (!bRead) {
            EXPECT_EQ(liveAfter, liveBefore) << "memory kept by a refused file";
            EXPECT_EQ(gdiAfter, gdiBefore) << "GDI objects kept by a refused file";
            EXPECT_EQ(Snapshot(t), before);
            std::set<std::string> tempAfter = FilesIn(TempFolder());
            EXPECT_TRUE(std::includes(tempBefore.begin(), tempBefore.end(), tempAfter.begin(),
                                      tempAfter.end()))
                << "a refused file left a picture copy in the Temp folder";
            for (AdObj *p : Objects(t)) {
                // An earlier read may have left a picture with no copy at all (its extension
                // could name no file).
                if (p->GetType() == OBJ_IMAGE && static_cast<Pictra *>(p)->m_szFile[0]) {
                    EXPECT_TRUE(FileExists(static_cast<Pictra *>(p)->m_szFile))
                        << "the template's own picture copy was deleted: '"
                        << static_cast<Pictra *>(p)->m_szFile << "'";
                }
            }
            return false;
        }
        int nCount = 0;
        memcpy(&nCount, bytes.data() + 30, 4);
        std::vector<AdObj *> objects = Objects(t);
        EXPECT_EQ(objects.size(), static_cast<size_t>(nCount) + 1);
        EXPECT_EQ(objects.front(), t.GetAdSense());
        EXPECT_EQ(t.GetCurrent(), objects.back());
        EXPECT_FALSE(t.IsModified());
        EXPECT_EQ(t.GetFilePath(), m_damaged);
        int nPlaceholders = 0;
        for (AdObj *p : objects)
            nPlaceholders += p->GetType() == OBJ_ADSENSE;
        EXPECT_EQ(nPlaceholders, 1);
        // The copies of the objects just replaced are nobody's now: removing them keeps the
        // Temp folder small. Then the template is made to differ from a fresh read again.
        for (const std::string &copy : copiesBefore)
            DeleteFileA(copy.c_str());
        Edit(t);
        return true;
    }

    size_t Find(const std::string &marker) const
    {
        size_t at = m_valid.find(marker);
        EXPECT_NE(at, std::string::npos) << "marker not in the valid file";
        return at;
    }

    std::string m_folder, m_picture, m_valid, m_damaged;
};

TEST_F(DamagedFiles, EveryTruncationIsRefused)
{
    const long liveAtStart = LiveAllocations();
    {
        AdSenseTemplate t;
        PrepareTarget(t);
        for (size_t n = 0; n < m_valid.size(); ++n) {
            SCOPED_TRACE("cut at " + std::to_string(n) + " of " +
                         std::to_string(m_valid.size()));
            EXPECT_FALSE(OpenAndCheck(t, m_valid.substr(0, n)));
            if (HasFailure())
                break;
        }
        EXPECT_TRUE(OpenAndCheck(t, m_valid)) << "the whole file reads";
    }
    EXPECT_EQ(LiveAllocations(), liveAtStart);
}

TEST_F(DamagedFiles, RandomByteChangesAreRefusedOrReadCompletely)
{
    const long liveAtStart = LiveAllocations();
    int nRead = 0, nRefused = 0;
    {
        AdSenseTemplate t;
        PrepareTarget(t);
        std::mt19937 random(20240611);
        std::uniform_int_distribution<size_t> offset(0, m_valid.size() - 1);
        std::uniform_int_distribution<int> flips(1, 3), value(1, 255);
        for (int i = 0; i < 1500; ++i) {
            std::string bytes = m_valid;
            for (int k = flips(random); k > 0; --k)
                bytes[offset(random)] ^= static_cast<char>(value(random));
            SCOPED_TRACE("case " + std::to_string(i));
            (OpenAndCheck(t, bytes) ? nRead : nRefused)++;
            if (HasFailure())
                break;
        }
    }
    EXPECT_EQ(LiveAllocations(), liveAtStart);
    // Both outcomes occur: changed colours read, changed lengths do not.
    EXPECT_GT(nRead, 0);
    EXPECT_GT(nRefused, 0);
}

TEST_F(DamagedFiles, ImpossibleValuesAreRefused)
{
    const size_t channel = Find(Text("12345678901"));
    const size_t format = channel + 15;
    const size_t adCount = format + 8 * 4;
    const size_t picture = Find(Int32(OBJ_IMAGE) + Int32(OBJ_IMAGE) + Text("Picture A"));
    const size_t pictureSize = Find(Text(m_picture) + Text(".png")) + 8 + m_picture.size() + 4;
    const size_t caption = Find(Text("Caption"));
    const size_t captionText = Find(Text("Hello, template"));
    ASSERT_EQ(m_valid.substr(pictureSize, 4), Int32(100));

    struct Damage {
        const char *what;
        size_t offset;
        std::string bytes;
    };
    const Damage damages[] = {
        {"object count beyond the file", 30, Int32(0x7FFFFFFF)},
        {"negative object count", 30, Int32(-1)},
        {"one object more than present", 30, Int32(6)},
        {"reserved header text too long for its field", 66, Int32(2)},
        {"format 0", format, Int32(0)},
        {"format 13", format, Int32(13)},
        {"six sample ads", adCount, Int32(6)},
        {"negative ad count", adCount, Int32(-1)},
        {"placeholder record with another type code", 98, Int32(OBJ_TEXT)},
        {"unknown kind", picture, Int32(6)},
        {"kind 0 among the ornaments", picture, Int32(OBJ_ADSENSE)},
        {"record type differs from the one before it", picture + 4, Int32(OBJ_FRAME)},
        {"huge picture", pictureSize, Int32(0x7FFFFFFF)},
        {"negative picture size", pictureSize, Int32(-100)},
        {"name one longer than its field", caption, Int32(32)},
        {"huge name", caption, Int32(0x7FFFFFFF)},
        {"huge caption", captionText, Int32(0x40000000)},
        {"negative caption length", captionText, Int32(-5)},
    };

    const long liveAtStart = LiveAllocations();
    {
        AdSenseTemplate t;
        PrepareTarget(t);
        for (const Damage &d : damages) {
            SCOPED_TRACE(d.what);
            std::string bytes = m_valid;
            bytes.replace(d.offset, d.bytes.size(), d.bytes);
            EXPECT_FALSE(OpenAndCheck(t, bytes));
        }
    }
    EXPECT_EQ(LiveAllocations(), liveAtStart);
}

TEST_F(DamagedFiles, EmptyPictureBlockAndTrailingBytesAreAccepted)
{
    // Not damage: an empty block is how a missing picture is stored, and bytes after the
    // last record were never read by anyone.
    AdSenseTemplate t;
    PrepareTarget(t);
    const size_t pictureSize = Find(Text(m_picture) + Text(".png")) + 8 + m_picture.size() + 4;
    std::string bytes = m_valid;
    bytes.replace(pictureSize, 4 + 100, Int32(0));
    EXPECT_TRUE(OpenAndCheck(t, bytes + "trailing"));
}

TEST_F(DamagedFiles, PictureExtensionCannotLeadOutOfTheTempFolder)
{
    // The extension names the unpacked copy: one that climbs out of the Temp folder would
    // let a template file overwrite any file beside the program.
    const std::string escaped = ExeFolder() + "escaped.png";
    DeleteFileA(escaped.c_str());
    const size_t ext = Find(Text(m_picture) + Text(".png")) + 4 + m_picture.size();
    std::string bytes = m_valid;
    bytes.replace(ext, 8, Text("\\..\\..\\escaped.png"));

    AdSenseTemplate t;
    PrepareTarget(t);
    OpenAndCheck(t, bytes);
    EXPECT_FALSE(FileExists(escaped));
    DeleteFileA(escaped.c_str());
}

}  // namespace

TEST_F(DamagedFiles, NegativeMarginsCutNoObject)
{
    // Only a damaged file holds a negative margin; it is kept as read (the file is not
    // rewritten behind the user's back), but the picture never shrinks below the objects.
    std::string bytes = m_valid;
    bytes.replace(14, 16, Int32(-50) + Int32(-50) + Int32(-50) + Int32(-50));
    AdSenseTemplate t;
    PrepareTarget(t);
    ASSERT_TRUE(OpenAndCheck(t, bytes));
    EXPECT_EQ(t.GetMarginLeft(), -50);
    int l = 0, top = 0, r = 0, b = 0;
    t.GetBounds(&l, &top, &r, &b);
    RECT rc = {};
    t.GetPictureRect(&rc);
    EXPECT_EQ(rc.left, l);
    EXPECT_EQ(rc.top, top);
    EXPECT_EQ(rc.right, r);
    EXPECT_EQ(rc.bottom, b);
}
