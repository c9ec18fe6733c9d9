// Replaces the global operator new and delete of the test program: each
// hands the block to the allocator behind it (the sanitizer's or the C++
// library's, found with RTLD_NEXT, so that its checks stay), counting
// blocks while a budget lives. Only the program's own code is refused a
// block: the libraries it runs on (the toolkit, the GL driver's compiler)
// are not built to carry an exception back.
#include "support/allocation_budget.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <execinfo.h>
#include <malloc.h>
#include <new>

// The program's code, as the linker lays it out.
extern "C" char __executable_start;
extern "C" char etext;

namespace {

std::atomic<bool> g_counting{false};
std::atomic<long long> g_held{0};
long long g_limit = 0;
std::atomic<int> g_refusals{0};

template <class Fn> Fn Behind(const char* name) {
    auto* fn = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
    if (!fn) {
        std::fprintf(stderr, "allocation budget: no %s behind this program\n", name);
        std::abort();
    }
    return fn;
}

using NewFn = void* (*)(std::size_t);
using DeleteFn = void (*)(void*);
using SizedDeleteFn = void (*)(void*, std::size_t);

long long BlockSize(void* block) {
    return static_cast<long long>(malloc_usable_size(block));
}

bool InProgram(const void* address) {
    return address >= &__executable_start && address < &etext;
}

// Whether the allocation is the program's own: the nearest frames from its
// caller on all lie in the program (templates of the C++ library that a
// library calls may lie there too, but not that library's code above them).
bool IsProgramsOwn(const void* caller) {
    constexpr int kFrames = 32;
    constexpr int kNearest = 10;
    void* frames[kFrames];
    const int count = backtrace(frames, kFrames);
    int first = 0;
    while (first < count && frames[first] != caller)
        ++first;
    if (first + kNearest > count)
        return false;
    for (int i = first; i < first + kNearest; ++i)
        if (!InProgram(frames[i]))
            return false;
    return true;
}

void* Take(std::size_t size, NewFn take, const void* caller) {
    if (!g_counting.load(std::memory_order_relaxed))
        return take(size);
    if (g_held.load() + static_cast<long long>(size) > g_limit && IsProgramsOwn(caller)) {
        g_refusals.fetch_add(1);
        throw std::bad_alloc();
    }
    void* block = take(size);
    g_held.fetch_add(BlockSize(block));
    return block;
}

void Give(void* block) {
    if (block && g_counting.load(std::memory_order_relaxed))
        g_held.fetch_sub(BlockSize(block));
}

} // namespace

void* operator new(std::size_t size) {
    static const NewFn take = Behind<NewFn>("_Znwm");
    return Take(size, take, __builtin_return_address(0));
}

void* operator new[](std::size_t size) {
    static const NewFn take = Behind<NewFn>("_Znam");
    return Take(size, take, __builtin_return_address(0));
}

void operator delete(void* block) noexcept {
    static const DeleteFn give = Behind<DeleteFn>("_ZdlPv");
    Give(block);
    give(block);
}

void operator delete[](void* block) noexcept {
    static const DeleteFn give = Behind<DeleteFn>("_ZdaPv");
    Give(block);
    give(block);
}

void operator delete(void* block, std::size_t size) noexcept {
    static const SizedDeleteFn give = Behind<SizedDeleteFn>("_ZdlPvm");
    Give(block);
    give(block, size);
}

void operator delete[](void* block, std::size_t size) noexcept {
    static const SizedDeleteFn give = Behind<SizedDeleteFn>("_ZdaPvm");
    Give(block);
    give(block, size);
}

namespace qf::test {

AllocationBudget::AllocationBudget(std::size_t bytes) {
    // The first backtrace loads the unwinder.
    void* frame = nullptr;
    backtrace(&frame, 1);
    g_held = 0;
    g_limit = static_cast<long long>(bytes);
    g_refusals = 0;
    g_counting = true;
}

AllocationBudget::~AllocationBudget() {
    g_counting = false;
}

int AllocationBudget::GetRefusals() const {
    return g_refusals.load();
}

} // namespace qf::test
