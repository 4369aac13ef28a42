#pragma once
#include <windows.h>
#include <stddef.h>

// Where the page code goes besides the screen: a file or the clipboard. Each answers
// honestly whether it got there.
namespace codeoutput {

enum WriteResult {
    WRITE_OK,
    // No file could be made at the path (no folder, no right, a file that may not be
    // replaced).
    WRITE_CANNOT_OPEN,
    // The file was made but not every byte reached it.
    WRITE_FAILED
};

// Writes the bytes to a new file beside szPath and only then puts it in place of szPath,
// so a failure leaves neither a partial file nor a damaged earlier one.
WriteResult WriteFileReplacing(const char *szPath, const char *pData, size_t nSize);

// Puts a text on the clipboard as CF_TEXT; false when the clipboard could not be opened or
// would not take it.
bool CopyToClipboard(HWND hOwner, const char *szText);

}  // namespace codeoutput
