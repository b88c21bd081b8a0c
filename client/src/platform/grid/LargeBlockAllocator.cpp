#include "platform/grid/LargeBlockAllocator.h"

#include <sys/mman.h>

#include <new>

namespace platform::large_block {

void* Map(size_t bytes) {
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
    madvise(block, bytes, MADV_HUGEPAGE);  // only advice: where refused, the block has small pages
    return block;
}

void Unmap(void* block, size_t bytes) { munmap(block, bytes); }

}  // namespace platform::large_block
