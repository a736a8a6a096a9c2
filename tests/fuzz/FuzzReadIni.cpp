// Profile text: any bytes must give a value without crashing, and a value never spans lines.

#include "rom/ReadINI.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    const std::string value = rom::FindIniValue(text, "Nameoffset", "offset");
    if (value.find('\n') != std::string::npos || value.size() > size) std::abort();
    return 0;
}
