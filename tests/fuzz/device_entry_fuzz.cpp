// The default printer entry split, checked against strtok on every input.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "toolkit/text/logic/print_layout.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace wk::print;
  const std::string entry(reinterpret_cast<const char*>(data), size);
  const DeviceEntry ours = SplitDeviceEntry(entry);

  std::vector<char> copy(entry.begin(), entry.end());
  copy.resize(kDeviceEntryChars, '\0');
  copy[kDeviceEntryChars - 1] = '\0';
  const char* printer = std::strtok(copy.data(), ",");
  const char* driver = std::strtok(nullptr, ", ");
  const char* port = std::strtok(nullptr, ", ");
  if (ours.printer != (printer ? printer : "") || ours.driver != (driver ? driver : "") ||
      ours.port != (port ? port : "") || ours.complete != (printer && driver && port)) {
    std::abort();
  }
  return 0;
}
