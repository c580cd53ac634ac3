#pragma once

namespace vx {

// The version text shown in the caption, the information box and `volantrix-convert --version`.
inline constexpr const char* kProgramVersion = "V0.394";

} // namespace vx
