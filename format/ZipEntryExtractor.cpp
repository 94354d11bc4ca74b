#include "format/ZipEntryExtractor.h"

#include "format/Inflate.h"
#include "format/LittleEndian.h"
#include "format/PkwareCipher.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kEndRecordSignature = 0x06054B50;
constexpr uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kDecryptBlock = 1024;

// The archive with exact reads: a short read is an error.
class TArchiveFile {
public:
    explicit TArchiveFile(TReadableFile& file) : file_(file) {}
    uint64_t Size() const { return file_.Size(); }
    void ReadAt(uint64_t offset, uint8_t* destination, size_t size) {
        if (offset > Size() || size > Size() - offset)
            throw std::runtime_error("read past the end of the archive");
        if (file_.ReadAt(offset, destination, size) != size)
            throw std::runtime_error("cannot read the archive");
    }
    // Up to max bytes from offset; fewer at the end of the archive.
    size_t ReadSome(uint64_t offset, uint8_t* destination, size_t max) {
        return file_.ReadAt(offset, destination, max);
    }

private:
    TReadableFile& file_;
};

// The archive read sequentially from a start offset.
class TArchiveSource : public TInputSource {
public:
    TArchiveSource(TArchiveFile& file, uint64_t start) : file_(file), position_(start) {}
    size_t Read(uint8_t* destination, size_t max) override {
        const size_t got = file_.ReadSome(position_, destination, max);
        position_ += got;
        return got;
    }

private:
    TArchiveFile& file_;
    uint64_t position_;
};

// What has gone to the output so far.
struct TWrittenData {
    static constexpr uint32_t kCrcStart = 0xFFFFFFFFu;
    uint64_t Size = 0;
    uint32_t CrcState = kCrcStart;
    uint32_t Crc() const { return CrcState ^ kCrcStart; }
};

// Writes to the output file, counting what it wrote and keeping its CRC-32.
class TFileSink : public TOutputSink {
public:
    TFileSink(TWritableFile& file, TWrittenData& written) : file_(file), written_(written) {}
    void Write(const uint8_t* data, size_t size) override {
        file_.Write(data, size);
        written_.Size += size;
        written_.CrcState = Crc32Update(written_.CrcState, data, size);
    }

private:
    TWritableFile& file_;
    TWrittenData& written_;
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
    if (ReadLe32(end) != kEndRecordSignature || ReadLe16(end + 20) != 0)
        return std::nullopt;

    std::string name;
    for (uint64_t position = ReadLe32(end + 16); position < endRecord;) {
        uint8_t h[kCentralHeaderSize];
        file.ReadAt(position, h, kCentralHeaderSize);
        if (ReadLe32(h) != kCentralHeaderSignature)
            return std::nullopt;
        const uint16_t nameLength = ReadLe16(h + 28);
        name.resize(nameLength);
        file.ReadAt(position + kCentralHeaderSize, reinterpret_cast<uint8_t*>(name.data()),
                    nameLength);
        if (SameNameIgnoringAsciiCase(name, entryName))
            return TCentralEntry{ReadLe16(h + 8), ReadLe16(h + 12), ReadLe32(h + 16),
                                 ReadLe32(h + 24), ReadLe32(h + 42)};
        position += kCentralHeaderSize + nameLength + ReadLe16(h + 30) + ReadLe16(h + 32);
    }
    return std::nullopt;
}

// Decodes the entry into the sink. Returns Refused when the password does not open it.
ArchiveResult DecodeEntry(TArchiveFile& file, const TCentralEntry& entry, std::string_view password,
                          TOutputSink& sink) {
    uint8_t local[kLocalHeaderSize];
    file.ReadAt(entry.LocalHeaderOffset, local, kLocalHeaderSize);
    uint64_t data = uint64_t{entry.LocalHeaderOffset} + kLocalHeaderSize + ReadLe16(local + 26) +
                    ReadLe16(local + 28);
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

ArchiveResult ExtractArchiveEntry(TFileAccess& files, const std::string& archiveName,
                                  std::string_view entryName, const std::string& outputName,
                                  std::string_view password) {
    ArchiveResult result = ArchiveResult::Failed;
    bool outputCreated = false;
    TWrittenData written;
    uint32_t expectedSize = 0;
    uint32_t expectedCrc = 0;
    try {
        const std::unique_ptr<TReadableFile> archive = files.OpenForReading(archiveName);
        if (!archive)
            throw std::runtime_error("no archive");
        TArchiveFile file(*archive);
        const std::optional<TCentralEntry> entry = FindEntry(file, entryName);
        if (!entry)
            throw std::runtime_error("no such entry");
        expectedSize = entry->UncompressedSize;
        expectedCrc = entry->Crc;
        if (expectedSize > kMaxArchiveEntrySize)
            return ArchiveResult::Refused;
        const std::unique_ptr<TWritableFile> output = files.Create(outputName);
        if (!output)
            throw std::runtime_error("cannot create the output file");
        outputCreated = true;
        TFileSink sink(*output, written);
        try {
            result = DecodeEntry(file, *entry, password, sink);
        } catch (const EInflateError& e) {
            result = e.Error == TInflateError::OutputTooLarge ? ArchiveResult::Refused
                                                              : ArchiveResult::Failed;
        }
        try {
            output->Close();
        } catch (const std::runtime_error&) {
            if (result == ArchiveResult::Extracted)
                result = ArchiveResult::Failed;
        }
    } catch (...) {
        result = ArchiveResult::Failed;
    }

    if (outputCreated) {
        if (result == ArchiveResult::Extracted && written.Size == 0)
            result = ArchiveResult::Failed;
        else if (written.Size != expectedSize)
            result = ArchiveResult::Refused;
        else if (result == ArchiveResult::Extracted && written.Crc() != expectedCrc)
            result = ArchiveResult::Refused;
    }
    if (result != ArchiveResult::Extracted)
        files.Remove(outputName);
    return result;
}
