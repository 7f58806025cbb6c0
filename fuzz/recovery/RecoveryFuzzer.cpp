// Feeds arbitrary bytes to the recovery-file reader, as a file left by a crash, cut short or
// damaged, may hold anything. Whatever it takes must be written back to the same bytes; nothing
// may crash or read past the bytes.
#include "framework/RecoveryRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto record = CRecoveryRecord::Decode(bytes);
    if (record && record->Encode(record->strText) != bytes)
        std::abort();
    return 0;
}
