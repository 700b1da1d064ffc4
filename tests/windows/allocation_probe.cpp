// Calls one allocator of each kind the heap check looks for. Compiled, never
// linked: the check must name every one of them in this object.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

void* CallEveryAllocator(void* old, size_t size) {
    void* blocks[] = {
        std::malloc(size),
        std::calloc(1, size),
        std::realloc(old, size),
        _strdup("probe"),
        new char[size],
        new int(1),
        HeapAlloc(GetProcessHeap(), 0, size),
        LocalAlloc(LMEM_FIXED, size),
        GlobalAlloc(GMEM_FIXED, size),
        VirtualAlloc(nullptr, size, MEM_COMMIT, PAGE_READWRITE),
        std::fopen("probe", "rb"),
    };
    if (size == 0) throw std::runtime_error("probe");
    return blocks[size % (sizeof blocks / sizeof blocks[0])];
}
