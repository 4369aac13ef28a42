#include <gtest/gtest.h>

#include "FCImageHandleFactory_Gdiplus.h"
#include "FCImageHandleFactory_IPicture.h"
#include "FCImageHandle_Bmp.h"
#include "FCImageHandle_Gdiplus.h"
#include "FCImageHandle_IPicture.h"
#include "FCImageHandle_Tga.h"
#include "FCObjImage.h"
#include "PictraFixtures.h"
#include "TestSupport.h"

#include <memory>
#include <typeinfo>

TEST(Factory, FileTypeComesFromTheLastDotInLowerCase)
{
    const FCImageHandleFactory_Gdiplus factory;
    struct Case {
        const char *name;
        IMAGE_TYPE type;
    } cases[] = {
        {"a.bmp", PIC_BMP},          {"C:\\X\\A.BMP", PIC_BMP},     {"photo.jpg", PIC_JPG},
        {"PHOTO.JPG", PIC_JPG},      {"x.jpeg", PIC_JPG},           {"x.JpEg", PIC_JPG},
        {"x.gif", PIC_GIF},          {"x.tga", PIC_TGA},            {"x.tif", PIC_TIF},
        {"x.TIFF", PIC_TIF},         {"x.png", PIC_PNG},            {"x.pcx", PIC_PCX},
        {"x.psd", PIC_PSD},          {"x.ico", PIC_ICO},            {"x.xpm", PIC_XPM},
        {"archive.tar.png", PIC_PNG}, {"png", PIC_UNKNOWN},         {"x.", PIC_UNKNOWN},
        {"x.jpgx", PIC_UNKNOWN},     {"x.jp", PIC_UNKNOWN},         {"x.webp", PIC_UNKNOWN},
        {"C:\\my.pictures\\photo", PIC_UNKNOWN},  // the "extension" is pictures\photo
        {"x. png", PIC_UNKNOWN},     {"x.averyveryverylongextension", PIC_UNKNOWN},
        {"", PIC_UNKNOWN},           {nullptr, PIC_UNKNOWN},
    };
    for (const Case &c : cases)
        EXPECT_EQ(factory.QueryFileType(c.name), c.type) << (c.name ? c.name : "(null)");
}

TEST(Factory, EachFactoryMapsTypesToItsHandles)
{
    const FCImageHandleFactory_Gdiplus gdiplus;
    const FCImageHandleFactory_IPicture ipicture;
    struct Case {
        IMAGE_TYPE type;
        const std::type_info *gdiplusHandle, *ipictureHandle;
    } cases[] = {
        {PIC_UNKNOWN, nullptr, nullptr},
        {PIC_BMP, &typeid(FCImageHandle_Bmp), &typeid(FCImageHandle_Bmp)},
        {PIC_PCX, nullptr, nullptr},
        {PIC_JPG, &typeid(FCImageHandle_Gdiplus), &typeid(FCImageHandle_IPicture)},
        {PIC_GIF, &typeid(FCImageHandle_Gdiplus), &typeid(FCImageHandle_IPicture)},
        {PIC_TGA, &typeid(FCImageHandle_Tga), &typeid(FCImageHandle_Tga)},
        {PIC_TIF, &typeid(FCImageHandle_Gdiplus), nullptr},
        {PIC_PNG, &typeid(FCImageHandle_Gdiplus), nullptr},
        {PIC_PSD, nullptr, nullptr},
        {PIC_ICO, nullptr, nullptr},
        {PIC_XPM, nullptr, nullptr},
        {static_cast<IMAGE_TYPE>(99), nullptr, nullptr},
    };
    for (const Case &c : cases) {
        std::unique_ptr<FCImageHandle> a(gdiplus.CreateHandle(c.type));
        std::unique_ptr<FCImageHandle> b(ipicture.CreateHandle(c.type));
        EXPECT_EQ(a ? &typeid(*a) : nullptr, c.gdiplusHandle) << c.type;
        EXPECT_EQ(b ? &typeid(*b) : nullptr, c.ipictureHandle) << c.type;
    }
}

TEST(Factory, RecognisedTypesWithoutAReaderFailToLoad)
{
    const std::string folder = testsupport::MakeScratchFolder("factory");
    const std::string bmp = pictra_test::MakeBmp(pictra_test::BmpLayout{2, 2, 24});
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(3, 3, 24));
    for (const char *name : {"pic.pcx", "pic.psd", "pic.ico", "pic.xpm", "pic.xyz", "pic"}) {
        ASSERT_TRUE(testsupport::WriteFileBytes(folder + name, bmp));
        EXPECT_FALSE(img.LoadFromFile((folder + name).c_str())) << name;
        EXPECT_EQ(img.Width(), 3);
        EXPECT_FALSE(img.SaveToFile((folder + "out_" + name).c_str(), -1)) << name;
    }
    EXPECT_FALSE(img.LoadFromFile((folder + "absent.bmp").c_str()));
    EXPECT_FALSE(img.LoadFromFile(nullptr));
    EXPECT_FALSE(img.SaveToFile(nullptr, -1));
    EXPECT_EQ(img.Width(), 3);
}

TEST(Factory, OlePictureReaderDecodesBitmapsAndJpegsAs24Bits)
{
    const std::string folder = testsupport::MakeScratchFolder("ipicture");
    FCObjImage src;
    ASSERT_TRUE(src.CreateBlank(6, 4, 24));
    pictra_test::FillImage(src, 0x2040C0);
    const std::string jpg = folder + "pic.jpg";
    ASSERT_TRUE(src.SaveToFile(jpg.c_str(), 90));

    FCImageHandle_IPicture handle;
    ASSERT_TRUE(handle.LoadFromFile(jpg.c_str()));
    ASSERT_EQ(handle.PCL_GetObjectCount(), 1);
    const FCObjImage &frame = *handle.PCL_GetObject(0);
    EXPECT_EQ(frame.Width(), 6);
    EXPECT_EQ(frame.Height(), 4);
    EXPECT_EQ(frame.ColorBits(), 24);
    EXPECT_TRUE(pictra_test::Near(pictra_test::ColorAt(frame, 3, 2), 0x2040C0, 24));

    FCImageHandle_IPicture garbage;
    const BYTE junk[] = "not a picture at all";
    EXPECT_FALSE(garbage.LoadFromMemory(junk, sizeof junk));
    EXPECT_FALSE(garbage.LoadFromMemory(nullptr, 10));
    EXPECT_FALSE(garbage.SaveToFile((folder + "x.jpg").c_str(), 0));
}

TEST(Factory, FrameListHandsFramesOverOnlyWhenDetaching)
{
    const std::string bmp = pictra_test::MakeBmp(pictra_test::BmpLayout{2, 2, 24});
    FCImageHandle_Bmp handle;
    ASSERT_TRUE(handle.LoadFromMemory(reinterpret_cast<const BYTE *>(bmp.data()), static_cast<int>(bmp.size())));
    FCPtrList<FCObjImage> kept;
    handle.GetFrameList(kept, false);
    ASSERT_EQ(kept.Count(), 1);
    EXPECT_EQ(handle.PCL_GetObjectCount(), 1);

    FCPtrList<FCObjImage> taken;
    handle.GetFrameList(taken, true);
    ASSERT_EQ(taken.Count(), 1);
    EXPECT_EQ(handle.PCL_GetObjectCount(), 0);
    EXPECT_EQ(taken[0], kept[0]);
    delete taken[0];
}
