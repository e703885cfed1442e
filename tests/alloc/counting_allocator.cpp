// Replacement allocation functions for the allocation test binary. The counters and the failure
// countdown are the only globals of the project: a replaced operator new has nowhere else to
// report to.

#include "counting_allocator.hpp"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>

namespace {

// Constant-initialised, so they are ready before the first allocation of the program start.
std::atomic<std::size_t> newCalls{0};
std::atomic<std::size_t> mallocCalls{0};
// Throwing operator new calls left before they fail; noFailure: none fails.
std::atomic<std::size_t> newsBeforeFailure{codebreaker::testing::noFailure};

void countNew() { newCalls.fetch_add(1, std::memory_order_relaxed); }
[[maybe_unused]] void countMalloc() { mallocCalls.fetch_add(1, std::memory_order_relaxed); }

void* allocate(std::size_t size) {
  countNew();
  return std::malloc(size == 0 ? 1 : size);
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
  countNew();
  const auto align = static_cast<std::size_t>(alignment);
  // aligned_alloc wants a size that is a multiple of the alignment.
  const std::size_t rounded = size == 0 ? align : (size + align - 1) / align * align;
  return std::aligned_alloc(align, rounded);
}

// Whether this throwing operator new call is one that memory running out would fail.
bool failsNow() {
  std::size_t left = newsBeforeFailure.load(std::memory_order_relaxed);
  while (left != codebreaker::testing::noFailure && left > 0 &&
         !newsBeforeFailure.compare_exchange_weak(left, left - 1, std::memory_order_relaxed)) {
  }
  return left == 0;
}

void* orThrow(void* p) {
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void* throwingNew(std::size_t size) {
  if (failsNow()) throw std::bad_alloc();
  return orThrow(allocate(size));
}

void* throwingAlignedNew(std::size_t size, std::align_val_t alignment) {
  if (failsNow()) throw std::bad_alloc();
  return orThrow(allocateAligned(size, alignment));
}

}  // namespace

namespace codebreaker::testing {

AllocationCounts allocationCounts() {
  return {newCalls.load(std::memory_order_relaxed), mallocCalls.load(std::memory_order_relaxed)};
}

void failNewAfter(std::size_t calls) { newsBeforeFailure.store(calls, std::memory_order_relaxed); }

#if defined(__GLIBC__)
bool mallocIsCounted() { return true; }
#else
bool mallocIsCounted() { return false; }
#endif

}  // namespace codebreaker::testing

void* operator new(std::size_t size) { return throwingNew(size); }
void* operator new[](std::size_t size) { return throwingNew(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) {
  return throwingAlignedNew(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return throwingAlignedNew(size, alignment);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return allocateAligned(size, alignment);
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }

void failNewAfter(std::size_t calls) { newsBeforeFailure.store(calls, std::memory_order_relaxed); }

#if defined(__GLIBC__)
// glibc lets a program supply its own malloc family and then calls it from inside the library
// too (stdio buffers, fmemopen), so these see allocations that never pass through operator new.
// They only count and hand over to glibc's allocator under its internal names.
extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* p, std::size_t size) noexcept;
void* __libc_memalign(std::size_t alignment, std::size_t size) noexcept;
void* __libc_valloc(std::size_t size) noexcept;
void* __libc_pvalloc(std::size_t size) noexcept;
void __libc_free(void* p) noexcept;

void* malloc(std::size_t size) noexcept {
  countMalloc();
  return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
  countMalloc();
  return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) noexcept {
  countMalloc();
  return __libc_realloc(p, size);
}
void free(void* p) noexcept { __libc_free(p); }
void* memalign(std::size_t alignment, std::size_t size) noexcept {
  countMalloc();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  countMalloc();
  return __libc_memalign(alignment, size);
}
int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept {
  countMalloc();
  if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
  void* p = __libc_memalign(alignment, size);
  if (p == nullptr) return ENOMEM;
  *result = p;
  return 0;
}
void* valloc(std::size_t size) noexcept {
  countMalloc();
  return __libc_valloc(size);
}
void* pvalloc(std::size_t size) noexcept {
  countMalloc();
  return __libc_pvalloc(size);
}
}
#endif
