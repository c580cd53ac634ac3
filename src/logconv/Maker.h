#pragma once

namespace vx {

// The device maker's site: the link in every KML description and in the information box.
inline constexpr const char* kMakerWebAddress = "https://www.brelvik.example";

} // namespace vx
