#pragma once

#include <cstddef>

namespace palvren::testing {

// Watches the program's allocations while one object of it lives: the largest single request,
// and (when a limit is given) a std::bad_alloc for any request above the limit, as a machine
// short of memory would give.
class AllocationWatch {
 public:
  explicit AllocationWatch(std::size_t failAbove = 0);
  ~AllocationWatch();
  AllocationWatch(const AllocationWatch&) = delete;
  AllocationWatch& operator=(const AllocationWatch&) = delete;

  std::size_t largest() const;
};

}  // namespace palvren::testing
