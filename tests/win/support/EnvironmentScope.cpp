#include "tests/win/support/EnvironmentScope.h"

#include <windows.h>

namespace {
// Room for the longest value an environment variable can hold.
constexpr DWORD kMaxValue = 32768;
} // namespace

TEnvironmentScope::TEnvironmentScope(const char* name, const std::string& value) : name_(name) {
    std::string buffer(kMaxValue, '\0');
    const DWORD length = GetEnvironmentVariableA(name, buffer.data(), kMaxValue);
    if (length > 0 && length < kMaxValue)
        previous_ = buffer.substr(0, length);
    SetEnvironmentVariableA(name, value.c_str());
}

TEnvironmentScope::~TEnvironmentScope() {
    SetEnvironmentVariableA(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}
