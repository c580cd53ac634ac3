// LogReader, IsLogDataLine and SplitLogLine on arbitrary bytes, against the plain model: the
// lines read are the file with its CRs dropped and cut at a 0x1A that starts a line; every line
// splits into the model's fields, and what the splitting rules promise holds for each.
// The first input byte may ask for a filler before the rest, so that lines cross the reader's
// buffer or outgrow it.

#include "FuzzSupport.h"
#include "LogModel.h"
#include "logconv/LogLine.h"
#include "logconv/LogReader.h"

#include <cstdint>

namespace {

using namespace vx;

std::string FileBytes(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (size < 3 || (data[0] & 1) == 0)
        return std::string(input);
    const std::size_t offset = (data[1] | (data[2] << 8)) % 1024;
    const std::size_t length = LogReader::kBufferSize * (1 + ((data[0] >> 2) & 1)) - offset;
    std::string bytes(length, 'f');
    if (data[0] & 2)
        bytes.back() = '\n'; // else the first line of the rest is longer than the buffer
    bytes += input.substr(3);
    return bytes;
}

void CheckSplit(std::string_view line, LogRecord& record) {
    SplitLogLine(line, record);
    const std::vector<fuzz::ModelField> model = fuzz::ModelSplit(line);
    VX_FUZZ_CHECK(record.fields.size() == model.size());
    for (std::size_t i = 0; i < model.size(); ++i) {
        VX_FUZZ_CHECK(record.fields[i] == model[i].text);
        if (!model[i].quoted) {
            for (char c : model[i].text)
                VX_FUZZ_CHECK(c != ';' && !fuzz::ModelBlank(c));
        }
    }
    const std::size_t semicolons = fuzz::CountSemicolons(line);
    VX_FUZZ_CHECK(IsLogDataLine(line) == (semicolons == 16));
    bool plain = !line.empty();
    for (char c : line)
        plain = plain && c != '"' && !fuzz::ModelBlank(c);
    if (plain) {
        // Without quotation marks and blanks the fields are exactly the pieces between ';'.
        VX_FUZZ_CHECK(record.fields.size() == semicolons + 1);
        std::string joined;
        for (std::size_t i = 0; i < record.fields.size(); ++i)
            joined += (i ? ";" : "") + std::string(record.fields[i]);
        VX_FUZZ_CHECK(joined == line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = FileBytes(data, size);
    const auto path = fuzz::ScratchDir() / "VXL00001.CSV";
    fuzz::WriteWhole(path, bytes);

    const std::vector<std::string> expected = fuzz::ModelLines(bytes);
    LogReader reader(path);
    LogRecord record; // reused from line to line, as the conversions do
    std::string_view line;
    std::size_t count = 0;
    while (reader.NextLine(line)) {
        VX_FUZZ_CHECK(count < expected.size());
        VX_FUZZ_CHECK(line == expected[count]);
        CheckSplit(line, record);
        ++count;
    }
    VX_FUZZ_CHECK(count == expected.size());
    VX_FUZZ_CHECK(!reader.NextLine(line));
    return 0;
}
