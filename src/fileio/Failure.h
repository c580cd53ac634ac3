#pragma once
// A failure that ends the current command. Its text is the German message the user sees,
// UTF-8 encoded, exactly as the window's error box or the batch converter prints it.

#include <stdexcept>
#include <string>
#include <string_view>

namespace vx {

class Failure : public std::runtime_error {
  public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

// The system's message for an input/output error number (errno): "Datei nicht gefunden",
// "Dateizugriff verweigert", otherwise "E/A-Fehler %d".
std::string IoErrorMessage(int errorNumber);
[[noreturn]] void ThrowIoError(int errorNumber);

// Log texts are single-byte (ISO-8859-1); messages are UTF-8. Quotes a log text into a message.
std::string Latin1ToUtf8(std::string_view text);

} // namespace vx
