// The libFuzzer entry of one harness; KALKORA_FUZZ_TARGET names its target.
#include <cstddef>
#include <cstdint>

#include "fuzz/targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const kalkora::fuzz::Target& target = *kalkora::fuzz::findTarget(KALKORA_FUZZ_TARGET);
  kalkora::fuzz::runOne(target, {reinterpret_cast<const char*>(data), size});
  return 0;
}
