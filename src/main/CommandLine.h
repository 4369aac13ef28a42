#pragma once

#include <string>

// What Windows passes for a double-clicked template: the program's arguments hold one path,
// quoted when it has spaces. Answers that path as written, or empty when there is none; a
// quoted path ends at its closing quote, an unquoted one runs to the end of the line, so that
// a path with spaces typed without quotes still opens.
std::string TemplateArgument(const char *szArguments);

// The template named on the command line as a full path (relative to the current folder),
// or empty.
std::string StartupTemplatePath(const char *szArguments);
