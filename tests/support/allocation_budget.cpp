// Replaces the global operator new and delete of the test program: each
// hands the block to the allocator behind it (the sanitizer's or the C++
// library's, found with RTLD_NEXT, so that its checks stay), counting
// blocks while a budget or a failure lives. Only the program's own code is
// refused a block: the libraries it runs on (the toolkit, the GL driver's
// compiler) are not built to carry an exception back.
#include "support/allocation_budget.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <malloc.h>
#include <new>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unwind.h>
#include <vector>

// The program's code, as the linker lays it out.
extern "C" char __executable_start;
extern "C" char etext;

namespace {

enum class Mode { off, budget, failure };

std::atomic<Mode> g_mode{Mode::off};
std::atomic<long long> g_held{0};
long long g_limit = 0;
std::atomic<int> g_refusals{0};
long long g_nth = 0;
std::atomic<long long> g_seen{0};

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

bool InProgram(std::uintptr_t address) {
    return address >= reinterpret_cast<std::uintptr_t>(&__executable_start) &&
           address < reinterpret_cast<std::uintptr_t>(&etext);
}

// The code of the C++ library, whose string and container members allocate
// for whoever called them: the library itself, and its templates made in the
// program, which a toolkit library may call too (the program exports those
// it shares, and the dynamic linker binds the library's calls to them).
struct CodeRange {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    bool operator<(const CodeRange& other) const { return begin < other.begin; }
};
std::vector<CodeRange> g_library;
std::uintptr_t g_programBase = 0;

int AddLibraryRanges(dl_phdr_info* info, size_t, void*) {
    if (!info->dlpi_name || !*info->dlpi_name) {
        if (!g_programBase)
            g_programBase = info->dlpi_addr;
        return 0;
    }
    if (!std::strstr(info->dlpi_name, "libstdc++"))
        return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X)) {
            const std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
            g_library.push_back({begin, begin + segment.p_memsz});
        }
    }
    return 0;
}

// Whether a mangled name lies in the namespace std (St, and the abbreviations
// Sa, Sb, Ss, Si, So, Sd) or __gnu_cxx.
bool IsLibraryName(const char* name) {
    for (const char* prefix : {"_ZNS", "_ZNKS", "_ZS"}) {
        const size_t length = std::strlen(prefix);
        if (std::strncmp(name, prefix, length) == 0 && std::strchr("tabsiod", name[length]))
            return true;
    }
    return std::strncmp(name, "_ZN9__gnu_cxx", 13) == 0 || std::strncmp(name, "_ZNK9__gnu_cxx", 14) == 0;
}

// The C++ library's templates among the functions of the program's symbol table.
void AddProgramLibraryCode() {
    const int file = open("/proc/self/exe", O_RDONLY);
    struct stat status {};
    if (file < 0 || fstat(file, &status) != 0)
        return;
    const auto size = static_cast<size_t>(status.st_size);
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file, 0);
    close(file);
    if (mapped == MAP_FAILED)
        return;
    const auto* bytes = static_cast<const unsigned char*>(mapped);
    const auto* header = reinterpret_cast<const ElfW(Ehdr)*>(bytes);
    const auto* sections = reinterpret_cast<const ElfW(Shdr)*>(bytes + header->e_shoff);
    for (int s = 0; s < header->e_shnum; ++s) {
        if (sections[s].sh_type != SHT_SYMTAB)
            continue;
        const auto* symbols = reinterpret_cast<const ElfW(Sym)*>(bytes + sections[s].sh_offset);
        const auto* names = reinterpret_cast<const char*>(bytes + sections[sections[s].sh_link].sh_offset);
        const size_t count = sections[s].sh_size / sizeof(ElfW(Sym));
        for (size_t i = 0; i < count; ++i) {
            const ElfW(Sym)& symbol = symbols[i];
            if (ELF64_ST_TYPE(symbol.st_info) == STT_FUNC && symbol.st_size > 0 &&
                IsLibraryName(names + symbol.st_name))
                g_library.push_back(
                    {g_programBase + symbol.st_value, g_programBase + symbol.st_value + symbol.st_size});
        }
    }
    munmap(mapped, size);
}

bool InCppLibrary(std::uintptr_t address) {
    auto after = std::upper_bound(g_library.begin(), g_library.end(), CodeRange{address, address});
    if (after == g_library.begin())
        return false;
    --after;
    return address < after->end;
}

// Walks out from the caller of operator new to the first frame outside the
// C++ library, which decides.
struct Walk {
    std::uintptr_t caller;
    bool reached = false;
    bool own = false;
};

_Unwind_Reason_Code WalkStep(_Unwind_Context* context, void* arg) {
    Walk& walk = *static_cast<Walk*>(arg);
    const std::uintptr_t address = _Unwind_GetIP(context);
    if (!walk.reached) {
        walk.reached = address == walk.caller;
        if (!walk.reached)
            return _URC_NO_REASON;
    }
    if (InCppLibrary(address))
        return _URC_NO_REASON;
    walk.own = InProgram(address);
    return _URC_END_OF_STACK;
}

bool IsProgramsOwn(const void* caller) {
    const auto address = reinterpret_cast<std::uintptr_t>(caller);
    if (!InCppLibrary(address))
        return InProgram(address);
    Walk walk{address};
    _Unwind_Backtrace(WalkStep, &walk);
    return walk.own;
}

void* Take(std::size_t size, NewFn take, const void* caller) {
    const Mode mode = g_mode.load(std::memory_order_relaxed);
    if (mode == Mode::off)
        return take(size);
    if (mode == Mode::failure) {
        if (IsProgramsOwn(caller) && g_seen.fetch_add(1) + 1 == g_nth) {
            g_refusals.fetch_add(1);
            throw std::bad_alloc();
        }
        return take(size);
    }
    if (g_held.load() + static_cast<long long>(size) > g_limit && IsProgramsOwn(caller)) {
        g_refusals.fetch_add(1);
        throw std::bad_alloc();
    }
    void* block = take(size);
    g_held.fetch_add(BlockSize(block));
    return block;
}

void Give(void* block) {
    if (block && g_mode.load(std::memory_order_relaxed) == Mode::budget)
        g_held.fetch_sub(BlockSize(block));
}

void Begin(Mode mode) {
    if (g_library.empty()) {
        dl_iterate_phdr(AddLibraryRanges, nullptr);
        AddProgramLibraryCode();
        std::sort(g_library.begin(), g_library.end());
    }
    // The first walk loads the unwinder.
    Walk walk{0};
    _Unwind_Backtrace(WalkStep, &walk);
    g_held = 0;
    g_refusals = 0;
    g_seen = 0;
    g_mode = mode;
}

// Set while the array forms run the C++ library's, which (without the
// sanitizer's in between) take and give the block through the scalar forms
// below: the block is counted once, as its array caller's.
thread_local bool g_inArrayForm = false;

struct ArrayForm {
    ArrayForm() { g_inArrayForm = true; }
    ~ArrayForm() { g_inArrayForm = false; }
};

} // namespace

void* operator new(std::size_t size) {
    static const NewFn take = Behind<NewFn>("_Znwm");
    if (g_inArrayForm)
        return take(size);
    return Take(size, take, __builtin_return_address(0));
}

void* operator new[](std::size_t size) {
    static const NewFn take = Behind<NewFn>("_Znam");
    const ArrayForm array;
    return Take(size, take, __builtin_return_address(0));
}

void operator delete(void* block) noexcept {
    static const DeleteFn give = Behind<DeleteFn>("_ZdlPv");
    if (!g_inArrayForm)
        Give(block);
    give(block);
}

void operator delete[](void* block) noexcept {
    static const DeleteFn give = Behind<DeleteFn>("_ZdaPv");
    Give(block);
    const ArrayForm array;
    give(block);
}

void operator delete(void* block, std::size_t size) noexcept {
    static const SizedDeleteFn give = Behind<SizedDeleteFn>("_ZdlPvm");
    if (!g_inArrayForm)
        Give(block);
    give(block, size);
}

void operator delete[](void* block, std::size_t size) noexcept {
    static const SizedDeleteFn give = Behind<SizedDeleteFn>("_ZdaPvm");
    Give(block);
    const ArrayForm array;
    give(block, size);
}

namespace qf::test {

AllocationBudget::AllocationBudget(std::size_t bytes) {
    g_limit = static_cast<long long>(bytes);
    Begin(Mode::budget);
}

AllocationBudget::~AllocationBudget() {
    g_mode = Mode::off;
}

int AllocationBudget::GetRefusals() const {
    return g_refusals.load();
}

AllocationFailure::AllocationFailure(long long nth) {
    g_nth = nth;
    Begin(Mode::failure);
}

AllocationFailure::~AllocationFailure() {
    g_mode = Mode::off;
}

long long AllocationFailure::GetCount() const {
    return g_seen.load();
}

bool AllocationFailure::HasRefused() const {
    return g_refusals.load() > 0;
}

} // namespace qf::test
