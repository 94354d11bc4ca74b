// The file operations the skin file load needs, behind one interface: the portable code goes
// through it, and each platform supplies its own (TStdFileAccess here, TAnsiFileAccess on
// Windows). Names are narrow strings in the platform's own encoding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A file open for reading at any offset.
class TReadableFile {
public:
    virtual ~TReadableFile() = default;
    virtual uint64_t Size() const = 0;
    // Up to size bytes from offset; fewer only at the end of the file. Raises
    // std::runtime_error when the read fails.
    virtual size_t ReadAt(uint64_t offset, uint8_t* destination, size_t size) = 0;
};

// A new file open for writing from its start.
class TWritableFile {
public:
    virtual ~TWritableFile() = default;
    // Raise std::runtime_error when the bytes cannot be written.
    virtual void Write(const uint8_t* data, size_t size) = 0;
    virtual void Close() = 0;
};

class TFileAccess {
public:
    virtual ~TFileAccess() = default;
    // A name in the temporary folder that no file has yet.
    virtual std::string NewTemporaryName() = 0;
    // Null when the name is no regular file that can be opened.
    virtual std::unique_ptr<TReadableFile> OpenForReading(const std::string& name) = 0;
    // Creates or truncates the file; null when that fails.
    virtual std::unique_ptr<TWritableFile> Create(const std::string& name) = 0;
    // Deletes the file if it exists; never raises.
    virtual void Remove(const std::string& name) noexcept = 0;
};
