// Shared helpers of the reader tests: zlib as the reference compressor, test data,
// a private temporary folder, a fixed temporary name and whole-file reads and writes.
#pragma once

#include "format/StdFileAccess.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace readertest {

// Raw Deflate (no zlib header) from zlib with the given parameters. flushEvery > 0 ends a
// block with Z_FULL_FLUSH every that many input bytes (and Z_BLOCK alternately).
std::vector<uint8_t> ZlibDeflate(const std::vector<uint8_t>& data, int level, int strategy,
                                 size_t flushEvery = 0, int memLevel = 8);

// Deterministic data sets.
std::vector<uint8_t> TextLike(size_t size, uint32_t seed = 1);
std::vector<uint8_t> Incompressible(size_t size, uint32_t seed = 2);
std::vector<uint8_t> BitmapLike(size_t size, uint32_t seed = 3); // 24-bit gradient rows

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Standard file access whose temporary name is always the one given, so that tests can check
// that the file is gone.
class TFixedTemporaryName : public TStdFileAccess {
public:
    explicit TFixedTemporaryName(const std::filesystem::path& name) : name_(name.string()) {}
    std::string NewTemporaryName() override { return name_; }

private:
    std::string name_;
};

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFile(const std::filesystem::path& path);
std::vector<uint8_t> Bytes(const std::string& text);

// Runs a shell command; returns its exit status (-1 when it did not exit normally).
int RunShell(const std::string& command);
bool HaveProgram(const std::string& name);
std::string Quote(const std::filesystem::path& path);

} // namespace readertest
