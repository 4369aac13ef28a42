#pragma once
#include <string>

class PictraUtil;

// The render tests run beside a stand-in Pictra.dll (see tests/render_fixtures); one
// binding exists for the whole program, as in the real one.
namespace render {

PictraUtil *Binding();
// Ends the run's binding for a moment, as when the library failed to load.
void DropBinding();
void RestoreBinding();
// Calls the stand-in library has received so far.
long LibraryDrawCalls();
long LibrarySizeCalls();
int LibraryLastQuality();
// A new name in the Temp folder claimed through the binding, as the program names its picture
// copies: picture objects draw only such files.
std::string OwnCopyName(const char *szExt);
// A scratch folder of this program, made empty once per run.
const std::string &Scratch();

}  // namespace render
