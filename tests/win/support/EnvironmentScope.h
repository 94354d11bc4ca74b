// Sets an environment variable of this process (inherited by what it starts) for a scope.
#pragma once

#include <optional>
#include <string>

class TEnvironmentScope {
public:
    TEnvironmentScope(const char* name, const std::string& value);
    ~TEnvironmentScope();
    TEnvironmentScope(const TEnvironmentScope&) = delete;
    TEnvironmentScope& operator=(const TEnvironmentScope&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};
