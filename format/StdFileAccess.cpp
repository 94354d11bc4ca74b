#include "format/StdFileAccess.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr unsigned kGuidVersion4 = 0x4000;   // in the third group
constexpr unsigned kGuidVariantRfc = 0x8000; // in the fourth group

class TStdReadableFile : public TReadableFile {
public:
    TStdReadableFile(std::ifstream stream, uint64_t size)
        : stream_(std::move(stream)), size_(size) {}
    uint64_t Size() const override { return size_; }
    size_t ReadAt(uint64_t offset, uint8_t* destination, size_t size) override {
        if (offset >= size_)
            return 0;
        stream_.clear();
        stream_.seekg(static_cast<std::streamoff>(offset));
        stream_.read(reinterpret_cast<char*>(destination), static_cast<std::streamsize>(size));
        if (stream_.bad())
            throw std::runtime_error("cannot read the file");
        return static_cast<size_t>(stream_.gcount());
    }

private:
    std::ifstream stream_;
    uint64_t size_;
};

class TStdWritableFile : public TWritableFile {
public:
    explicit TStdWritableFile(std::ofstream stream) : stream_(std::move(stream)) {}
    void Write(const uint8_t* data, size_t size) override {
        stream_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!stream_)
            throw std::runtime_error("cannot write the output file");
    }
    void Close() override {
        stream_.close();
        if (!stream_)
            throw std::runtime_error("cannot write the output file");
    }

private:
    std::ofstream stream_;
};

} // namespace

std::string TStdFileAccess::NewTemporaryName() {
    std::random_device random;
    std::mt19937_64 generator((uint64_t{random()} << 32) ^ random());
    const uint64_t a = generator(), b = generator();
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%012llX}",
                  static_cast<unsigned>(a >> 32), static_cast<unsigned>(a >> 16) & 0xFFFF,
                  (static_cast<unsigned>(a) & 0x0FFF) | kGuidVersion4,
                  (static_cast<unsigned>(b >> 48) & 0x3FFF) | kGuidVariantRfc,
                  static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
    return (fs::temp_directory_path() / text).string();
}

std::unique_ptr<TReadableFile> TStdFileAccess::OpenForReading(const std::string& name) {
    std::error_code error;
    if (!fs::is_regular_file(name, error))
        return nullptr;
    std::ifstream stream(name, std::ios::binary);
    if (!stream)
        return nullptr;
    stream.seekg(0, std::ios::end);
    const std::streamoff size = stream.tellg();
    if (size < 0)
        return nullptr;
    return std::make_unique<TStdReadableFile>(std::move(stream), static_cast<uint64_t>(size));
}

std::unique_ptr<TWritableFile> TStdFileAccess::Create(const std::string& name) {
    std::ofstream stream(name, std::ios::binary | std::ios::trunc);
    if (!stream)
        return nullptr;
    return std::make_unique<TStdWritableFile>(std::move(stream));
}

void TStdFileAccess::Remove(const std::string& name) noexcept {
    std::error_code error;
    fs::remove(name, error);
}
