#include "AddressRecord.h"

#include "fileio/AtomicFile.h"

#include <string_view>

namespace vx {

void ApplyAddressDefaults(AddressRecord& record) {
    for (std::size_t i = 0; i < kAddressCount; ++i)
        record.bytes[i] = static_cast<std::uint8_t>(i);
}

void WriteAddressFile(const std::filesystem::path& path, const AddressRecord& record) {
    WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(record.bytes.data()),
                                               record.bytes.size()));
}

} // namespace vx
