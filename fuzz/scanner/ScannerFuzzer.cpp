// Feeds arbitrary text to the class scanner and to its literal, slow form; any difference in
// entries, positions, project calls or scan state is a fault.
#include "project/ScannerOracle.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The slow form is quadratic; small inputs keep each run quick.
    if (size > 4096)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string difference = DifferenceFromOracle(text);
    if (!difference.empty()) {
        std::fprintf(stderr, "scanner and oracle differ: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
