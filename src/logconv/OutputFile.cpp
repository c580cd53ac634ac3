#include "logconv/OutputFile.h"

#include "fileio/AsciiCase.h"
#include "fileio/Failure.h"

#include <algorithm>
#include <sys/stat.h>

namespace vx {

namespace {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

std::string BareName(const std::filesystem::path& log) {
    const std::string& text = log.native();
    const std::size_t slash = text.rfind('/');
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

std::string ReplaceExtension(std::string_view bareName, std::string_view extension) {
    const std::size_t dot = bareName.rfind('.');
    std::string name(bareName.substr(0, dot));
    name += extension;
    return name;
}

std::filesystem::path OutputPathBeside(const std::filesystem::path& log,
                                       const std::string& outputName) {
    const std::filesystem::path output = log.parent_path() / outputName;
    if (EqualIgnoringAsciiCase(outputName, BareName(log)) || SameFile(output, log))
        throw Failure("'" + outputName + "' ist die Log-Datei selbst und wird nicht überschrieben");
    return output;
}

} // namespace vx
