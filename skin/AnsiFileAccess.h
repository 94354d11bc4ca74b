// File access through the ANSI Windows API, for the skin file reader: temporary names from
// GetTempPathA and a new GUID, files through CreateFileA, ReadFile, WriteFile and DeleteFileA.
#pragma once

#include "format/FileAccess.h"

class TAnsiFileAccess : public TFileAccess {
public:
    // The temporary folder and a new GUID in registry form. Raises ESkinReadError when no
    // GUID can be made.
    std::string NewTemporaryName() override;
    std::unique_ptr<TReadableFile> OpenForReading(const std::string& name) override;
    std::unique_ptr<TWritableFile> Create(const std::string& name) override;
    void Remove(const std::string& name) noexcept override;
};
