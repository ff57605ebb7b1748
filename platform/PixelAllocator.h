#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <sys/mman.h>
#include <utility>

// Hands out zeroed memory for image pixels. Buffers of a whole photo come straight from the
// system as huge-page backed mappings, which are zero already: a 12-megapixel image then costs
// neither a clearing pass nor a page fault per 4 KB. Elements are default-initialised, so
// nothing is written twice.
template <class T> class PixelAllocator
{
  public:
    using value_type = T;

    PixelAllocator() = default;
    template <class U> PixelAllocator(const PixelAllocator<U>&) noexcept {}

    T* allocate(std::size_t count)
    {
        std::size_t bytes = count * sizeof(T);
        if (bytes < kLarge) {
            void* memory = std::calloc(count, sizeof(T));
            if (memory == nullptr) {
                throw std::bad_alloc();
            }
            return static_cast<T*>(memory);
        }
        void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) {
            throw std::bad_alloc();
        }
        madvise(memory, bytes, MADV_HUGEPAGE);
        return static_cast<T*>(memory);
    }

    void deallocate(T* memory, std::size_t count) noexcept
    {
        std::size_t bytes = count * sizeof(T);
        if (bytes < kLarge) {
            std::free(memory);
        } else {
            munmap(memory, bytes);
        }
    }

    template <class U> void construct(U* place) noexcept { ::new (static_cast<void*>(place)) U; }
    template <class U, class... Args> void construct(U* place, Args&&... args)
    {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }

    friend bool operator==(const PixelAllocator&, const PixelAllocator&) { return true; }

  private:
    static constexpr std::size_t kLarge = std::size_t{4} << 20;
};
