#pragma once
// Rows numbered 1 to N, indexed by the row number itself (the flavour rows
// of the windows, the records of the flavour table). A number outside 1..N
// is a run-time error, subscript out of range.
#include <array>
#include <cstddef>
#include <string>

#include "runtime/error.h"

namespace mirl::rt {

// The row numbers first to last, in order, for a range-based for loop.
struct RowNumbers {
  struct Iterator {
    int n;
    int operator*() const { return n; }
    Iterator& operator++() {
      ++n;
      return *this;
    }
    bool operator==(const Iterator&) const = default;
  };
  int first;
  int last;
  constexpr Iterator begin() const { return {first}; }
  constexpr Iterator end() const { return {last + 1}; }
};

template <class T, int N>
class Rows {
 public:
  static constexpr int count = N;
  // The row numbers 1 to N, in order.
  static constexpr RowNumbers numbers() { return {1, N}; }
  static constexpr bool valid(int k) { return k >= 1 && k <= N; }

  T& operator[](int k) { return items_[slot(k)]; }
  const T& operator[](int k) const { return items_[slot(k)]; }

  // The rows in order, 1 first.
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool operator==(const Rows&) const = default;

 private:
  static std::size_t slot(int k) {
    if (!valid(k)) throw RuntimeError(ErrorCode::SubscriptOutOfRange, "row " + std::to_string(k));
    return static_cast<std::size_t>(k - 1);
  }

  std::array<T, N> items_{};
};

}  // namespace mirl::rt
