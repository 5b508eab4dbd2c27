// Any format, however long or odd, gives a plan of at most one step per two
// characters with decimals 0 to 9.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "toolkit/windows/logic/append_format.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string format(reinterpret_cast<const char*>(data), size);
  const auto steps = wk::append::PlanAppendFormat(format.c_str());
  if (steps.size() > format.size() / 2) std::abort();
  for (const auto& s : steps)
    if (s.decimals < 0 || s.decimals > 9) std::abort();
  return 0;
}
