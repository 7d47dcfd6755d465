// The libFuzzer entry of one fuzzer executable: the target is chosen when it is built.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return korval::fuzz::KORVAL_FUZZ_TARGET(data, size);
}
