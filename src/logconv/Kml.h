#pragma once
// The flight path as a KML 2.0 document: one placemark "route" with one line string.

#include <filesystem>
#include <string>

namespace vx {

// Writes "<log name>.kml" beside the log and returns that bare name. `useGpsHeight` takes the
// altitude from the GPS height (and overrides `threeD`); otherwise from the barometric height.
std::string ExportKml(const std::filesystem::path& log, bool threeD, bool useGpsHeight);

} // namespace vx
