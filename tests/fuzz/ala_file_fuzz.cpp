// Any bytes opened as a saved .ala file.
#include "tests/fuzz/message_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return zor06::fuzz::OpenMessageFileBytes(data, size, zor06::messages::Archive::Diagnostics);
}
