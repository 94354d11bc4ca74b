#include "skin/ZipEntryExtractor.h"

#include "skin/Inflate.h"
#include "skin/PkwareCipher.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kEndRecordSignature = 0x06054B50;
constexpr uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kDecryptBlock = 1024;

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

class TArchiveFile {
public:
    explicit TArchiveFile(const fs::path& name) : stream_(name, std::ios::binary) {
        if (!stream_)
            throw std::runtime_error("cannot open the archive");
        stream_.seekg(0, std::ios::end);
        size_ = static_cast<uint64_t>(stream_.tellg());
    }
    uint64_t Size() const { return size_; }
    void ReadAt(uint64_t offset, uint8_t* destination, size_t size) {
        if (offset > size_ || size > size_ - offset)
            throw std::runtime_error("read past the end of the archive");
        stream_.clear();
        stream_.seekg(static_cast<std::streamoff>(offset));
        stream_.read(reinterpret_cast<char*>(destination), static_cast<std::streamsize>(size));
        if (static_cast<size_t>(stream_.gcount()) != size)
            throw std::runtime_error("cannot read the archive");
    }
    // Sequential reads from the current position.
    size_t ReadSome(uint8_t* destination, size_t max) {
        stream_.read(reinterpret_cast<char*>(destination), static_cast<std::streamsize>(max));
        return static_cast<size_t>(stream_.gcount());
    }
    void Seek(uint64_t offset) {
        stream_.clear();
        stream_.seekg(static_cast<std::streamoff>(offset));
    }

private:
    std::ifstream stream_;
    uint64_t size_ = 0;
};

class TArchiveSource : public TInputSource {
public:
    TArchiveSource(TArchiveFile& file, uint64_t start) : file_(file) { file_.Seek(start); }
    size_t Read(uint8_t* destination, size_t max) override {
        return file_.ReadSome(destination, max);
    }

private:
    TArchiveFile& file_;
};

class TFileSink : public TOutputSink {
public:
    explicit TFileSink(std::ofstream& stream) : stream_(stream) {}
    void Write(const uint8_t* data, size_t size) override {
        stream_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!stream_)
            throw std::runtime_error("cannot write the output file");
    }

private:
    std::ofstream& stream_;
};

struct TCentralEntry {
    uint16_t Flags = 0;
    uint16_t Time = 0;
    uint32_t Crc = 0;
    uint32_t UncompressedSize = 0;
    uint32_t LocalHeaderOffset = 0;
};

bool SameNameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

std::optional<TCentralEntry> FindEntry(TArchiveFile& file, std::string_view entryName) {
    const uint64_t size = file.Size();
    if (size < kEndRecordSize)
        return std::nullopt;
    uint8_t start[2];
    file.ReadAt(0, start, 2);
    if (start[0] != 'P' || start[1] != 'K')
        return std::nullopt;
    const uint64_t endRecord = size - kEndRecordSize;
    uint8_t end[kEndRecordSize];
    file.ReadAt(endRecord, end, kEndRecordSize);
    if (U32(end) != kEndRecordSignature || U16(end + 20) != 0)
        return std::nullopt;

    std::string name;
    for (uint64_t position = U32(end + 16); position < endRecord;) {
        uint8_t h[kCentralHeaderSize];
        file.ReadAt(position, h, kCentralHeaderSize);
        if (U32(h) != kCentralHeaderSignature)
            return std::nullopt;
        const uint16_t nameLength = U16(h + 28);
        name.resize(nameLength);
        file.ReadAt(position + kCentralHeaderSize, reinterpret_cast<uint8_t*>(name.data()),
                    nameLength);
        if (SameNameIgnoringAsciiCase(name, entryName))
            return TCentralEntry{U16(h + 8), U16(h + 12), U32(h + 16), U32(h + 24), U32(h + 42)};
        position += kCentralHeaderSize + nameLength + U16(h + 30) + U16(h + 32);
    }
    return std::nullopt;
}

// Decodes the entry into the sink. Returns Refused when the password does not open it.
ArchiveResult DecodeEntry(TArchiveFile& file, const TCentralEntry& entry, std::string_view password,
                          TOutputSink& sink) {
    uint8_t local[kLocalHeaderSize];
    file.ReadAt(entry.LocalHeaderOffset, local, kLocalHeaderSize);
    uint64_t data =
        uint64_t{entry.LocalHeaderOffset} + kLocalHeaderSize + U16(local + 26) + U16(local + 28);
    if ((entry.Flags & 0x0001) == 0) {
        TArchiveSource source(file, data);
        Inflate(source, sink, entry.UncompressedSize);
        return ArchiveResult::Extracted;
    }
    if (password.empty())
        return ArchiveResult::Refused;
    TPkwareCipher cipher(password);
    uint8_t header[TPkwareCipher::kHeaderSize];
    file.ReadAt(data, header, sizeof header);
    if (!cipher.DecryptHeader(header, entry.Flags, entry.Time, entry.Crc))
        return ArchiveResult::Refused;
    data += sizeof header;
    // The rest of the archive, decrypted in memory before decoding.
    std::vector<uint8_t> plain(static_cast<size_t>(file.Size() - data));
    for (size_t done = 0; done < plain.size();) {
        const size_t piece = std::min(kDecryptBlock, plain.size() - done);
        file.ReadAt(data + done, plain.data() + done, piece);
        cipher.Decrypt(plain.data() + done, piece);
        done += piece;
    }
    TMemorySource source(plain.data(), plain.size());
    Inflate(source, sink, entry.UncompressedSize);
    return ArchiveResult::Extracted;
}

} // namespace

ArchiveResult ExtractArchiveEntry(const fs::path& archiveName, std::string_view entryName,
                                  const fs::path& outputName, std::string_view password) {
    ArchiveResult result = ArchiveResult::Failed;
    bool outputCreated = false;
    uint32_t expectedSize = 0;
    try {
        std::error_code error;
        if (!fs::is_regular_file(archiveName, error))
            throw std::runtime_error("no archive");
        TArchiveFile file(archiveName);
        const std::optional<TCentralEntry> entry = FindEntry(file, entryName);
        if (!entry)
            throw std::runtime_error("no such entry");
        expectedSize = entry->UncompressedSize;
        std::ofstream output(outputName, std::ios::binary | std::ios::trunc);
        if (!output)
            throw std::runtime_error("cannot create the output file");
        outputCreated = true;
        TFileSink sink(output);
        try {
            result = DecodeEntry(file, *entry, password, sink);
        } catch (const EInflateError& e) {
            result = e.Error == TInflateError::OutputTooLarge ? ArchiveResult::Refused
                                                              : ArchiveResult::Failed;
        }
        output.close();
        if (!output && result == ArchiveResult::Extracted)
            result = ArchiveResult::Failed;
    } catch (...) {
        result = ArchiveResult::Failed;
    }

    if (outputCreated) {
        std::error_code error;
        const uintmax_t size = fs::file_size(outputName, error);
        if (error)
            result = ArchiveResult::Failed;
        else if (result == ArchiveResult::Extracted && size == 0)
            result = ArchiveResult::Failed;
        else if (size != expectedSize)
            result = ArchiveResult::Refused;
    }
    if (result != ArchiveResult::Extracted) {
        std::error_code error;
        fs::remove(outputName, error);
    }
    return result;
}
