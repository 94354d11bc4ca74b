// Prints trace lines on the process's standard output, each handed to the system at once (no
// buffer in between), so a reader at the other end of a pipe sees it while the gallery runs.
// Silent when disabled or when the process has no standard output.
#pragma once

#include <windows.h>

#include <string_view>

class TTraceWriter {
public:
    explicit TTraceWriter(bool enabled);
    bool Enabled() const { return output_ != nullptr; }
    void Line(std::string_view line) const;

private:
    HANDLE output_ = nullptr; // borrowed from the process
};

// One line on standard error (usage and load errors).
void WriteErrorLine(std::string_view line);
