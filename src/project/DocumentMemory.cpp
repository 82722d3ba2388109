#include "project/DocumentMemory.h"

#include <atomic>
#include <mutex>
#include <new>
#include <pugixml.hpp>
#include <sys/mman.h>

namespace {

// Regions of this size serve the small blocks (the XML library asks for 32 KiB pages);
// a block larger than a quarter of it gets a region of its own.
constexpr std::size_t kRegionSize = std::size_t(32) << 20;
constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kAlign = 16;

struct Region {
    std::size_t capacity; // bytes of the mapping, this header included
    std::size_t used;     // bytes handed out from the start of the mapping
    std::size_t live;     // blocks not yet freed
};

// Sits right before every block handed out.
struct alignas(kAlign) BlockHeader {
    Region* region;
    std::size_t size;
};

constexpr std::size_t roundUp(std::size_t n, std::size_t to) {
    return (n + to - 1) / to * to;
}
constexpr std::size_t kRegionHeader = roundUp(sizeof(Region), kAlign);

std::mutex g_mutex;
bool g_isInstalled = false;
Region* g_current = nullptr;
std::atomic<std::size_t> g_inUse{0};

Region* mapRegion(std::size_t capacity) {
    void* p = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return nullptr;
    // Only advice: without huge pages the memory works the same, only with more faults.
    madvise(p, capacity, MADV_HUGEPAGE);
    auto* region = static_cast<Region*>(p);
    region->capacity = capacity;
    region->used = kRegionHeader;
    region->live = 0;
    return region;
}

void unmapRegion(Region* region) {
    munmap(region, region->capacity);
}

void* carve(Region* region, std::size_t blockSize, std::size_t userSize) {
    auto* header = reinterpret_cast<BlockHeader*>(reinterpret_cast<char*>(region) + region->used);
    region->used += blockSize;
    ++region->live;
    header->region = region;
    header->size = userSize;
    g_inUse += userSize;
    return header + 1;
}

} // namespace

void* DocumentMemory::allocate(std::size_t size) {
    const std::size_t blockSize = roundUp(sizeof(BlockHeader) + size, kAlign);
    std::lock_guard lock(g_mutex);
    if (blockSize > kRegionSize / 4) {
        Region* own = mapRegion(roundUp(kRegionHeader + blockSize, kHugePage));
        return own ? carve(own, blockSize, size) : nullptr;
    }
    if (!g_current || g_current->capacity - g_current->used < blockSize) {
        Region* fresh = mapRegion(kRegionSize);
        if (!fresh)
            return nullptr;
        // The old region is no longer served from; it goes once its blocks are freed.
        if (g_current && g_current->live == 0)
            unmapRegion(g_current);
        g_current = fresh;
    }
    return carve(g_current, blockSize, size);
}

void DocumentMemory::deallocate(void* block) {
    if (!block)
        return;
    auto* header = static_cast<BlockHeader*>(block) - 1;
    Region* region = header->region;
    std::lock_guard lock(g_mutex);
    g_inUse -= header->size;
    if (--region->live > 0)
        return;
    if (region == g_current) {
        // Empty again: serve the next document from its start instead of mapping anew.
        region->used = kRegionHeader;
        return;
    }
    unmapRegion(region);
}

std::size_t DocumentMemory::bytesInUse() {
    return g_inUse;
}

bool DocumentMemory::isInstalled() {
    return g_isInstalled;
}

#if defined(__SANITIZE_ADDRESS__)
#define MORVANE_KEEP_SYSTEM_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MORVANE_KEEP_SYSTEM_ALLOCATOR 1
#endif
#endif

void DocumentMemory::install() {
#ifdef MORVANE_KEEP_SYSTEM_ALLOCATOR
    return;
#endif
    static std::once_flag once;
    std::call_once(once, [] {
        pugi::set_memory_management_functions(&DocumentMemory::allocate,
                                              &DocumentMemory::deallocate);
        g_isInstalled = true;
    });
}

namespace {
// Before main, so that no document can exist yet whose memory came from elsewhere.
const bool g_installed = (DocumentMemory::install(), true);
} // namespace
