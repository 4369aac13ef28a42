#include "RenderEnvironment.h"

#include <gtest/gtest.h>

#include "GdiCounter.h"
#include "PictraUtil.h"
#include "TestSupport.h"

namespace render {

namespace {

PictraUtil *s_pBinding = nullptr;

class Environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // Before anything creates a GDI object, so that every one is seen.
        gdicount::Install();
        CreateDirectoryA((testsupport::ExeFolder() + "Temp").c_str(), nullptr);
        s_pBinding = new PictraUtil;
    }
    void TearDown() override
    {
        delete s_pBinding;
        s_pBinding = nullptr;
    }
};

::testing::Environment *const s_pEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

template <class F>
F LibraryFunction(const char *szName)
{
    HMODULE h = GetModuleHandleA("Pictra.dll");
    return h ? reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(h, szName))) : nullptr;
}

}  // namespace

PictraUtil *Binding()
{
    return s_pBinding;
}

void DropBinding()
{
    delete s_pBinding;
    s_pBinding = nullptr;
}

void RestoreBinding()
{
    if (!s_pBinding)
        s_pBinding = new PictraUtil;
}

long LibraryDrawCalls()
{
    auto f = LibraryFunction<long (*)()>("FakePictra_DrawCalls");
    return f ? f() : -1;
}

long LibrarySizeCalls()
{
    auto f = LibraryFunction<long (*)()>("FakePictra_SizeCalls");
    return f ? f() : -1;
}

int LibraryLastQuality()
{
    auto f = LibraryFunction<int (*)()>("FakePictra_LastQuality");
    return f ? f() : -1;
}

std::string OwnCopyName(const char *szExt)
{
    return s_pBinding ? s_pBinding->MakeTempFileName(szExt) : "";
}

const std::string &Scratch()
{
    static const std::string folder = testsupport::MakeScratchFolder("render");
    return folder;
}

}  // namespace render
