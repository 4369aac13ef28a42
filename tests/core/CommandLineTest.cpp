// The template path Windows hands over for a double-clicked file, and what a user may type.
#include <gtest/gtest.h>
#include <windows.h>

#include "main/CommandLine.h"

TEST(CommandLine, TemplateArgumentOfEachShape)
{
    struct Case {
        const char *szArguments;
        const char *szExpected;
    };
    const Case cases[] = {
        {nullptr, ""},
        {"", ""},
        {"   \t ", ""},
        {"C:\\t\\a.atp", "C:\\t\\a.atp"},
        // What the association's "%1" gives: quoted, spaces inside.
        {"\"C:\\My Templates\\shop banner.atp\"", "C:\\My Templates\\shop banner.atp"},
        {"  \"C:\\a b.atp\"  \"C:\\second.atp\"", "C:\\a b.atp"},
        // Typed without quotes, a path with spaces is still one path.
        {"C:\\My Templates\\a.atp  ", "C:\\My Templates\\a.atp"},
        // A quote never closed runs to the end rather than losing the path.
        {"\"C:\\open ended.atp", "C:\\open ended.atp"},
        {"\"\"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TemplateArgument(c.szArguments), c.szExpected)
            << (c.szArguments ? c.szArguments : "(null)");
}

TEST(CommandLine, StartupPathIsFullAndEmptyStaysEmpty)
{
    EXPECT_EQ(StartupTemplatePath(""), "");
    EXPECT_EQ(StartupTemplatePath("\"C:\\x\\y.atp\""), "C:\\x\\y.atp");

    char szCurrent[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, szCurrent);
    std::string expected = szCurrent;
    if (expected.back() != '\\')
        expected += '\\';
    EXPECT_EQ(StartupTemplatePath("sub\\..\\t.atp"), expected + "t.atp");
    // Longer than MAX_PATH: handed on whole, for the open to refuse with its own message.
    const std::string longName(400, 'n');
    EXPECT_EQ(StartupTemplatePath(("C:\\" + longName + ".atp").c_str()), "C:\\" + longName + ".atp");
}
