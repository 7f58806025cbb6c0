// Feeds arbitrary bytes to the project loader. Whatever loads must store, load again and store
// to the same bytes; nothing may crash, leak or write past a list's slots.
#include "tools/ToolProjectHost.h"

#include "framework/Archive.h"
#include "project/JavaProjectDoc.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// The loader without the file system: the document's own archive code on the bytes.
bool Load(CJavaProjectDoc& doc, std::string_view bytes)
{
    CArchive ar(bytes);
    doc.Serialize(ar);
    return !ar.Failed();
}

std::string Store(CJavaProjectDoc& doc)
{
    CArchive ar;
    doc.Serialize(ar);
    return ar.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::ostringstream sink;
    CToolProjectHost host(sink);
    CJavaProjectDoc doc(host);
    if (!Load(doc, std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    const std::string stored = Store(doc);
    CJavaProjectDoc again(host);
    if (!Load(again, stored) || Store(again) != stored)
        std::abort();
    return 0;
}
