// Any value, any number of decimals, any buffer size up to 128: the text
// stays inside the buffer and is terminated.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "toolkit/draw/logic/number_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < sizeof(double) + sizeof(int) + 1) return 0;
  double value;
  int decimals;
  std::memcpy(&value, data, sizeof value);
  std::memcpy(&decimals, data + sizeof value, sizeof decimals);
  const std::size_t capacity = data[sizeof value + sizeof decimals] % 129;
  // Exactly `capacity` bytes on the heap, so AddressSanitizer sees any overrun.
  char* text = new char[capacity == 0 ? 1 : capacity];
  const std::size_t length = wk::draw::FormatFixed(value, decimals, text, capacity);
  if (capacity > 0) {
    if (length >= capacity || std::strlen(text) != length) __builtin_trap();
  } else if (length != 0) {
    __builtin_trap();
  }
  delete[] text;
  return 0;
}
