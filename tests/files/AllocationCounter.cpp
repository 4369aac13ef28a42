#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> s_nLive{0};

void *Allocate(std::size_t n)
{
    void *p = std::malloc(n ? n : 1);
    if (p)
        ++s_nLive;
    return p;
}

void Release(void *p)
{
    if (p) {
        --s_nLive;
        std::free(p);
    }
}
}  // namespace

long LiveAllocations()
{
    return s_nLive.load();
}

void *operator new(std::size_t n)
{
    if (void *p = Allocate(n))
        return p;
    throw std::bad_alloc();
}

void *operator new[](std::size_t n)
{
    return operator new(n);
}

void *operator new(std::size_t n, const std::nothrow_t &) noexcept
{
    return Allocate(n);
}

void *operator new[](std::size_t n, const std::nothrow_t &) noexcept
{
    return Allocate(n);
}

void operator delete(void *p) noexcept { Release(p); }
void operator delete[](void *p) noexcept { Release(p); }
void operator delete(void *p, std::size_t) noexcept { Release(p); }
void operator delete[](void *p, std::size_t) noexcept { Release(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { Release(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { Release(p); }
