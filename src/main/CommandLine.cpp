#include "main/CommandLine.h"

#include <windows.h>

#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string TemplateArgument(const char *szArguments)
{
    if (!szArguments)
        return std::string();
    const char *p = szArguments;
    while (IsBlank(*p))
        p++;
    if (*p == '"') {
        const char *pEnd = p + 1;
        while (*pEnd && *pEnd != '"')
            pEnd++;
        return std::string(p + 1, pEnd);
    }
    const char *pEnd = p;
    while (*pEnd)
        pEnd++;
    while (pEnd > p && IsBlank(pEnd[-1]))
        pEnd--;
    return std::string(p, pEnd);
}

std::string StartupTemplatePath(const char *szArguments)
{
    const std::string argument = TemplateArgument(szArguments);
    if (argument.empty())
        return argument;
    const DWORD nNeeded = GetFullPathNameA(argument.c_str(), 0, nullptr, nullptr);
    if (nNeeded == 0)
        return argument;
    std::vector<char> full(nNeeded + 1);
    const DWORD nWritten = GetFullPathNameA(argument.c_str(), nNeeded + 1, full.data(), nullptr);
    return nWritten > 0 && nWritten <= nNeeded ? std::string(full.data()) : argument;
}
