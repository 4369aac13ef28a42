#include <gtest/gtest.h>

#include "FCImageHandle_Bmp.h"
#include "FCImageHandle_Tga.h"
#include "FCObjImage.h"
#include "PictraFixtures.h"
#include "TestSupport.h"

#include <random>

using pictra_test::BmpLayout;
using pictra_test::Le16;
using pictra_test::Le32;
using pictra_test::MakeBmp;
using pictra_test::MakeTga;
using pictra_test::TgaLayout;

namespace {

// Bytes placed so that they end right where an inaccessible page begins: a reader that
// looks one byte past the end of its data faults at once instead of reading garbage.
class GuardedBuffer {
public:
    GuardedBuffer()
    {
        m_pBase = static_cast<BYTE *>(VirtualAlloc(nullptr, kSize + kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(m_pBase + kSize, kPage, PAGE_NOACCESS, &old);
    }
    ~GuardedBuffer() { VirtualFree(m_pBase, 0, MEM_RELEASE); }
    const BYTE *Place(const std::string &bytes)
    {
        BYTE *p = m_pBase + kSize - bytes.size();
        memcpy(p, bytes.data(), bytes.size());
        return p;
    }

    static const size_t kSize = 256 * 1024;

private:
    static const size_t kPage = 4096;
    BYTE *m_pBase = nullptr;
};

// The damaged variants of one good file: cut at every length, a few bytes changed at random,
// and header fields set to absurd values.
std::vector<std::string> DamagedVariants(const std::string &good, const std::vector<std::pair<size_t, std::string>> &absurd,
                                         unsigned seed, int flips)
{
    std::vector<std::string> out;
    for (size_t n = 0; n < good.size(); n++)
        out.push_back(good.substr(0, n));
    std::mt19937 rng(seed);
    for (int i = 0; i < flips; i++) {
        std::string bytes = good;
        const int changes = 1 + static_cast<int>(rng() % 4);
        for (int c = 0; c < changes; c++) {
            // Headers are where lies hurt: aim half of the changes at the first 64 bytes.
            const size_t limit = (rng() % 2) ? std::min<size_t>(64, bytes.size()) : bytes.size();
            bytes[rng() % limit] = static_cast<char>(rng());
        }
        out.push_back(bytes);
    }
    for (const auto &field : absurd) {
        std::string bytes = good;
        bytes.replace(field.first, field.second.size(), field.second);
        out.push_back(bytes);
        out.push_back(bytes.substr(0, bytes.size() / 2));
    }
    return out;
}

// Feeds every variant to a fresh handle of type Handle; whatever loads has its declared size.
template <class Handle>
int FeedReader(GuardedBuffer &buffer, const std::vector<std::string> &variants)
{
    int loaded = 0;
    for (const std::string &bytes : variants) {
        if (bytes.size() > GuardedBuffer::kSize)
            continue;
        Handle handle;
        if (handle.LoadFromMemory(buffer.Place(bytes), static_cast<int>(bytes.size()))) {
            loaded++;
            EXPECT_EQ(handle.PCL_GetObjectCount(), 1);
            const FCObjImage &frame = *handle.PCL_GetObject(0);
            EXPECT_TRUE(frame.HasPixels());
            EXPECT_GT(frame.Width(), 0);
            EXPECT_GT(frame.Height(), 0);
        }
    }
    return loaded;
}

std::vector<std::string> BmpCorpus()
{
    std::vector<std::string> seeds = {
        MakeBmp(BmpLayout{16, 8, 8, BI_RGB, std::vector<uint32_t>(256, 0x808080)}),
        MakeBmp(BmpLayout{13, 5, 24}),
        MakeBmp(BmpLayout{7, 3, 16, BI_BITFIELDS, {}, {0xF800, 0x07E0, 0x001F}}),
        MakeBmp(BmpLayout{33, 2, 1, BI_RGB, {0, 0xFFFFFF}}),
        MakeBmp(BmpLayout{5, 5, 32}),
    };
    // Header fields: width 18, height 22, bit count 28, compression 30, offset 10, info size 14.
    const std::vector<std::pair<size_t, std::string>> absurd = {
        {18, Le32(0x7FFFFFFF)}, {22, Le32(0x7FFFFFFF)}, {18, Le32(0x80000000)}, {22, Le32(0xFFFFFFFF)},
        {18, Le32(100000)},     {22, Le32(100000)},     {28, Le16(64)},         {28, Le16(0)},
        {30, Le32(0xFFFFFFFF)}, {10, Le32(0xFFFFFFFF)}, {10, Le32(0)},          {14, Le32(0xFFFFFFFF)},
        {14, Le32(0x7FFFFFF0)}, {14, Le32(0)},          {2, Le32(0xFFFFFFFF)},
    };
    std::vector<std::string> corpus;
    unsigned seed = 1;
    for (const std::string &good : seeds) {
        const std::vector<std::string> v = DamagedVariants(good, absurd, seed++, 600);
        corpus.insert(corpus.end(), v.begin(), v.end());
    }
    return corpus;
}

std::vector<std::string> TgaCorpus()
{
    std::string rle32;
    for (int i = 0; i < 9; i++)
        rle32 += (i % 2) ? std::string("\x83\x01\x02\x03\x04", 5) : std::string("\x01\x10\x20\x30\x40\x50\x60\x70\x80", 9);
    std::vector<std::string> seeds = {
        MakeTga(TgaLayout{0, 2, 0, 0, 0, 6, 4, 24, 0, "id", "", std::string(72, '\x33')}),
        MakeTga(TgaLayout{0, 10, 0, 0, 0, 6, 3, 32, 0x20, "", "", rle32}),
        MakeTga(TgaLayout{1, 9, 4, 3, 24, 5, 4, 8, 0, "", std::string(9, '\x55'), std::string("\x84\x04\x02\x05\x06\x04", 6) + std::string("\x84\x06\x84\x05\x84\x04", 6)}),
        MakeTga(TgaLayout{1, 1, 0, 2, 32, 4, 2, 8, 0x20, "", std::string(8, '\x77'), std::string(8, '\x01')}),
        MakeTga(TgaLayout{0, 2, 0, 0, 0, 3, 3, 16, 0, "", "", std::string(18, '\x1F')}),
    };
    // Header fields: id length 0, map type 1, image type 2, map first 3, map length 5,
    // entry bits 7, width 12, height 14, depth 16.
    const std::vector<std::pair<size_t, std::string>> absurd = {
        {0, "\xFF"},        {1, "\x01"},        {2, "\x0A"},         {3, Le16(0xFFFF)}, {5, Le16(0xFFFF)},
        {5, Le16(256)},     {7, "\x20"},        {7, "\x00"},         {12, Le16(0xFFFF)}, {14, Le16(0xFFFF)},
        {12, Le16(4096)},   {16, "\x01"},       {16, "\x04"},        {16, "\x0F"},      {16, "\xFF"},
    };
    std::vector<std::string> corpus;
    unsigned seed = 100;
    for (const std::string &good : seeds) {
        const std::vector<std::string> v = DamagedVariants(good, absurd, seed++, 600);
        corpus.insert(corpus.end(), v.begin(), v.end());
    }
    return corpus;
}

// Committed private memory of the process, summed over its address space: leaked pixel
// blocks and heap growth both show here, on Windows and under Wine alike (whose process
// counters miss memory that was committed but never touched).
size_t PrivateBytes()
{
    size_t total = 0;
    MEMORY_BASIC_INFORMATION info;
    const BYTE *p = nullptr;
    while (VirtualQuery(p, &info, sizeof info) == sizeof info) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += info.RegionSize;
        const BYTE *next = static_cast<const BYTE *>(info.BaseAddress) + info.RegionSize;
        if (next <= p)
            break;
        p = next;
    }
    return total;
}

}  // namespace

TEST(Robustness, BmpReaderSurvivesThousandsOfDamagedFilesWithoutLeaking)
{
    const std::vector<std::string> corpus = BmpCorpus();
    ASSERT_GT(corpus.size(), 3000u);
    GuardedBuffer buffer;
    const int loaded = FeedReader<FCImageHandle_Bmp>(buffer, corpus);
    EXPECT_GT(loaded, 100);  // many cuts and flips still load: the walk reached the pixel code
    const size_t before = PrivateBytes();
    for (int pass = 0; pass < 3; pass++)
        FeedReader<FCImageHandle_Bmp>(buffer, corpus);
    EXPECT_LT(PrivateBytes(), before + 4 * 1024 * 1024);
}

TEST(Robustness, TgaReaderSurvivesThousandsOfDamagedFilesWithoutLeaking)
{
    const std::vector<std::string> corpus = TgaCorpus();
    ASSERT_GT(corpus.size(), 3000u);
    GuardedBuffer buffer;
    const int loaded = FeedReader<FCImageHandle_Tga>(buffer, corpus);
    EXPECT_GT(loaded, 100);
    const size_t before = PrivateBytes();
    for (int pass = 0; pass < 3; pass++)
        FeedReader<FCImageHandle_Tga>(buffer, corpus);
    EXPECT_LT(PrivateBytes(), before + 4 * 1024 * 1024);
}

TEST(Robustness, ExportsSurviveDamagedFilesOfEveryFormat)
{
    const std::string folder = testsupport::MakeScratchFolder("robust");
    pictra_test::PictraDll dll;
    ASSERT_TRUE(dll.Loaded());

    FCObjImage rgb;
    ASSERT_TRUE(rgb.CreateBlank(24, 16, 24));
    pictra_test::FillImage(rgb, 0x406080);
    struct Seed {
        const char *ext;
        std::string bytes;
    };
    std::vector<Seed> seeds = {
        {"bmp", MakeBmp(BmpLayout{20, 10, 8, BI_RGB, std::vector<uint32_t>(256, 0x102030)})},
        {"tga", MakeTga(TgaLayout{0, 10, 0, 0, 0, 20, 10, 24, 0, "", "", std::string(40, '\x87')})},
        {"gif", pictra_test::MakeTwoFrameGif(6, 4, 0xFF0000, 0x00FF00)},
    };
    for (const char *ext : {"jpg", "png", "tif"}) {
        const std::string path = folder + "seed." + ext;
        ASSERT_TRUE(rgb.SaveToFile(path.c_str(), 90));
        seeds.push_back({ext, testsupport::ReadFileBytes(path)});
    }

    pictra_test::DibCanvas canvas(64, 64);
    std::mt19937 rng(7);
    int files = 0;
    for (const Seed &seed : seeds) {
        std::vector<std::string> variants;
        for (int i = 0; i < 12; i++)
            variants.push_back(seed.bytes.substr(0, seed.bytes.size() * i / 12));
        for (int i = 0; i < 18; i++) {
            std::string bytes = seed.bytes;
            for (int c = 0; c < 3; c++)
                bytes[rng() % bytes.size()] = static_cast<char>(rng());
            variants.push_back(bytes);
        }
        for (const std::string &bytes : variants) {
            const std::string path = folder + "damaged" + std::to_string(files++) + "." + seed.ext;
            ASSERT_TRUE(testsupport::WriteFileBytes(path, bytes));
            int size[2] = {-1, -1};
            const unsigned char valid = dll.IsValidImage(path.c_str());
            EXPECT_EQ(dll.GetImageSize(path.c_str(), size), valid) << path;
            if (valid) {
                EXPECT_GT(size[0], 0);
                EXPECT_GT(size[1], 0);
            } else {
                EXPECT_EQ(size[0], -1);
            }
            EXPECT_EQ(dll.DrawImageOnDC(path.c_str(), canvas.Dc(), 3, 3), valid) << path;
            EXPECT_EQ(dll.AlphaImageOnDC(path.c_str(), canvas.Dc(), 0, 0, 64, 64, 60), valid) << path;
            // A load never keeps the file open.
            EXPECT_TRUE(DeleteFileA(path.c_str())) << path;
        }
    }
}

TEST(Robustness, RepeatedExportCallsDoNotLeak)
{
    const std::string folder = testsupport::MakeScratchFolder("leaks");
    pictra_test::PictraDll dll;
    ASSERT_TRUE(dll.Loaded());
    FCObjImage rgb;
    ASSERT_TRUE(rgb.CreateBlank(300, 250, 24));
    pictra_test::FillImage(rgb, 0x406080);
    const std::string names[] = {folder + "a.jpg", folder + "a.png", folder + "a.bmp", folder + "a.tga"};
    for (const std::string &name : names)
        ASSERT_TRUE(rgb.SaveToFile(name.c_str(), 1));
    ASSERT_TRUE(pictra_test::SaveArgbPng(folder + "alpha.png", 64, 64, std::vector<uint32_t>(64 * 64, 0x80FF0000)));

    pictra_test::DibCanvas canvas(320, 260);
    const auto round = [&]() {
        for (const std::string &name : names) {
            int size[2];
            dll.GetImageSize(name.c_str(), size);
            dll.DrawImageOnDC(name.c_str(), canvas.Dc(), 0, 0);
        }
        dll.AlphaImageOnDC((folder + "alpha.png").c_str(), canvas.Dc(), 10, 10, 300, 200, 70);
        dll.CaptureDCtoJPEG(canvas.Dc(), 0, 0, 300, 250, (folder + "cap.jpg").c_str(), 80);
        dll.CaptureDCtoJPEG(canvas.Dc(), 0, 0, 300, 250, (folder + "cap.tga").c_str(), 1);
    };
    for (int i = 0; i < 10; i++)
        round();
    const size_t before = PrivateBytes();
    for (int i = 0; i < 50; i++)
        round();
    // One leaked 300x250 picture per call would add about 100 MB here.
    EXPECT_LT(PrivateBytes(), before + 8 * 1024 * 1024);
}
