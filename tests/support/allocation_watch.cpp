#include "support/allocation_watch.h"

#include <cstdlib>
#include <new>

namespace palvren::testing {

bool watching = false;
std::size_t limit = 0;
std::size_t biggest = 0;

AllocationWatch::AllocationWatch(std::size_t failAbove) {
  limit = failAbove;
  biggest = 0;
  watching = true;
}

AllocationWatch::~AllocationWatch() { watching = false; }

std::size_t AllocationWatch::largest() const { return biggest; }

}  // namespace palvren::testing

using palvren::testing::biggest;
using palvren::testing::limit;
using palvren::testing::watching;

void* operator new(std::size_t size) {
  if (watching) {
    if (size > biggest) biggest = size;
    if (limit > 0 && size > limit) throw std::bad_alloc();
  }
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return operator new(size); }
// The no-throw forms (std::stable_sort's buffer, for one) must pair with the deletes below too.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return operator new(size, std::nothrow);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
