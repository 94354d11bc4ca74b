#include "gallery/TraceWriter.h"

#include <string>

namespace {
void WriteLine(HANDLE output, std::string_view line) {
    const std::string text = std::string(line) + "\n";
    DWORD written = 0;
    WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

HANDLE StandardHandle(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}
} // namespace

TTraceWriter::TTraceWriter(bool enabled)
    : output_(enabled ? StandardHandle(STD_OUTPUT_HANDLE) : nullptr) {}

void TTraceWriter::Line(std::string_view line) const {
    if (output_)
        WriteLine(output_, line);
}

void WriteErrorLine(std::string_view line) {
    if (HANDLE error = StandardHandle(STD_ERROR_HANDLE))
        WriteLine(error, line);
}
