#pragma once
#include <string>

// What the benchmark programs share: a clock, their own folder and picture files that make
// the image library do real work.
namespace bench {

// Milliseconds from an arbitrary start, with the performance counter's resolution.
double Now();

// Milliseconds per call of f: after one warm-up call, the best of five batches that share
// budgetMs, since a busy machine only ever makes a batch slower.
template <class F>
double TimePerCall(F f, double budgetMs)
{
    f();
    double best = 1e30;
    for (int batch = 0; batch < 5; batch++) {
        int calls = 0;
        const double start = Now();
        double elapsed = 0;
        do {
            f();
            calls++;
            elapsed = Now() - start;
        } while (elapsed < budgetMs / 5 || calls < 3);
        if (elapsed / calls < best)
            best = elapsed / calls;
    }
    return best;
}
// Folder of the running program, with a trailing backslash.
std::string Folder();
// A photo-like picture (smooth gradients with some noise) written as JPEG or PNG through
// GDI+, which the caller has started.
bool WritePicture(const std::string &file, int w, int h, bool bPng);

}  // namespace bench
