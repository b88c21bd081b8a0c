#pragma once
// The allocator of the grid's cell array. A block larger than the C library ever keeps in its heap
// (it maps blocks of 32 MB and more on their own, and gives their pages back when they are freed) is
// mapped here and backed by huge pages where the system gives them on request: a new grid of a million
// rows then takes a page fault per two megabytes instead of one per four kilobytes, which cost more than
// the filling itself. Smaller blocks come from the heap as always, where a grid loaded again reuses them.
#include <cstddef>
#include <memory>

namespace platform {

namespace large_block {
inline constexpr size_t kThreshold = size_t{64} << 20;
// A mapping of `bytes` (at least the threshold) advised for huge pages; throws std::bad_alloc.
void* Map(size_t bytes);
void Unmap(void* block, size_t bytes);
}  // namespace large_block

template <class T>
class LargeBlockAllocator {
public:
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) {}

    T* allocate(size_t n) {
        if (n * sizeof(T) < large_block::kThreshold) return std::allocator<T>().allocate(n);
        return static_cast<T*>(large_block::Map(n * sizeof(T)));
    }
    void deallocate(T* block, size_t n) {
        if (n * sizeof(T) < large_block::kThreshold) return std::allocator<T>().deallocate(block, n);
        large_block::Unmap(block, n * sizeof(T));
    }

    template <class U>
    bool operator==(const LargeBlockAllocator<U>&) const { return true; }
};

}  // namespace platform
