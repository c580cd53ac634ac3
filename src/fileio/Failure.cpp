#include "Failure.h"

#include <cerrno>

namespace vx {

std::string IoErrorMessage(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return "Datei nicht gefunden";
    case EACCES:
    case EPERM:
        return "Dateizugriff verweigert";
    default:
        return "E/A-Fehler " + std::to_string(errorNumber);
    }
}

void ThrowIoError(int errorNumber) {
    throw Failure(IoErrorMessage(errorNumber));
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

} // namespace vx
