// File access through the C++ standard library, for the native tools and tests.
#pragma once

#include "format/FileAccess.h"

class TStdFileAccess : public TFileAccess {
public:
    // A random GUID in registry text form, in std::filesystem::temp_directory_path().
    std::string NewTemporaryName() override;
    std::unique_ptr<TReadableFile> OpenForReading(const std::string& name) override;
    std::unique_ptr<TWritableFile> Create(const std::string& name) override;
    void Remove(const std::string& name) noexcept override;
};
