// Feeds arbitrary text to both windows' colouring passes and to their literal, slow forms.
// A class count other than one per byte, any difference from the slow forms, or classes that
// change with the kind of line break is a fault.
#include "editor/HtmlColouringOracle.h"
#include "editor/JavaColouringOracle.h"

#include "editor/JavaColouring.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Fail(const std::string& what)
{
    std::fprintf(stderr, "colouring: %s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The slow line pass searches all the text above each line; small inputs keep runs quick.
    if (size > 4096)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (JavaColouring::FullPass(text).size() != size)
        Fail("the whole-text pass gives other than one class per byte");
    if (JavaColouring::LinePass(text, true, false).size() != size || JavaColouring::LinePass(text, false, true).size() != size)
        Fail("the line pass gives other than one class per byte");
    for (const std::string& difference : {oracle::FullPassDifference(text), oracle::LinePassDifference(text),
                                          oracle::LineBreakDifference(text), oracle::HtmlDifference(text)}) {
        if (!difference.empty())
            Fail(difference);
    }
    return 0;
}
