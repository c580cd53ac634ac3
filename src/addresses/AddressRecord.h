#pragma once
// The M-Link address of each of the eleven telemetry values, in the order of "ADRESSEN.HEX".

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace vx {

inline constexpr std::size_t kAddressCount = 11;
inline constexpr const char* kAddressFileName = "ADRESSEN.HEX";

struct AddressRecord {
    std::array<std::uint8_t, kAddressCount> bytes{};
    friend bool operator==(const AddressRecord&, const AddressRecord&) = default;
};

// Every value starts at an address of its own: byte i holds i.
void ApplyAddressDefaults(AddressRecord& record);

// Writes the 11 raw bytes; an existing file is replaced only once the new one is complete.
void WriteAddressFile(const std::filesystem::path& path, const AddressRecord& record);

} // namespace vx
