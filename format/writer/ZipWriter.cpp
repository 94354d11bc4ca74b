#include "format/writer/ZipWriter.h"

#include "format/PkwareCipher.h"
#include "format/writer/DeflateEncoder.h"

#include <random>
#include <stdexcept>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutBytes(std::vector<uint8_t>& out, const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    out.insert(out.end(), p, p + size);
}

uint32_t Checked32(size_t value) {
    if (value > 0xFFFFFFFFu)
        throw std::length_error("archive too large");
    return static_cast<uint32_t>(value);
}

// The stored bytes: the encryption header and the encrypted data when there is a password.
std::vector<uint8_t> StoredBytes(const TZipEntry& e, uint16_t flags) {
    if (e.Password.empty())
        return e.Data;
    TPkwareCipher cipher(e.Password);
    std::vector<uint8_t> out(TPkwareCipher::kHeaderSize);
    std::random_device random;
    for (size_t i = 0; i + 1 < out.size(); ++i)
        out[i] = static_cast<uint8_t>(random());
    out.back() = TPkwareCipher::CheckByte(flags, e.Time, e.Crc);
    out.insert(out.end(), e.Data.begin(), e.Data.end());
    cipher.Encrypt(out.data(), out.size());
    return out;
}

} // namespace

TZipEntry MakeDeflatedEntry(const std::string& name, const std::vector<uint8_t>& data) {
    TZipEntry e;
    e.Name = name;
    e.Data = DeflateCompress(data.data(), data.size());
    e.Crc = Crc32(data.data(), data.size());
    e.UncompressedSize = Checked32(data.size());
    return e;
}

std::vector<uint8_t> WriteZipArchive(const std::vector<TZipEntry>& entries,
                                     const std::string& archiveComment) {
    std::vector<uint8_t> out;
    std::vector<uint8_t> central;
    for (const TZipEntry& e : entries) {
        const uint16_t flags = static_cast<uint16_t>(e.Flags | (e.Password.empty() ? 0 : 1));
        const bool descriptor = (flags & 0x0008) != 0;
        const std::vector<uint8_t> stored = StoredBytes(e, flags);
        const uint32_t offset = Checked32(out.size());
        const uint16_t version = 20;

        Put32(out, 0x04034B50);
        Put16(out, version);
        Put16(out, flags);
        Put16(out, e.Method);
        Put16(out, e.Time);
        Put16(out, e.Date);
        Put32(out, descriptor ? 0 : e.Crc);
        Put32(out, descriptor ? 0 : Checked32(stored.size()));
        Put32(out, descriptor ? 0 : e.UncompressedSize);
        Put16(out, static_cast<uint32_t>(e.Name.size()));
        Put16(out, static_cast<uint32_t>(e.Extra.size()));
        PutBytes(out, e.Name.data(), e.Name.size());
        PutBytes(out, e.Extra.data(), e.Extra.size());
        PutBytes(out, stored.data(), stored.size());
        if (descriptor) {
            Put32(out, 0x08074B50);
            Put32(out, e.Crc);
            Put32(out, Checked32(stored.size()));
            Put32(out, e.UncompressedSize);
        }

        Put32(central, 0x02014B50);
        Put16(central, version);
        Put16(central, version);
        Put16(central, flags);
        Put16(central, e.Method);
        Put16(central, e.Time);
        Put16(central, e.Date);
        Put32(central, e.Crc);
        Put32(central, Checked32(stored.size()));
        Put32(central, e.UncompressedSize);
        Put16(central, static_cast<uint32_t>(e.Name.size()));
        Put16(central, static_cast<uint32_t>(e.Extra.size()));
        Put16(central, static_cast<uint32_t>(e.Comment.size()));
        Put16(central, 0);
        Put16(central, 0);
        Put32(central, 0);
        Put32(central, offset);
        PutBytes(central, e.Name.data(), e.Name.size());
        PutBytes(central, e.Extra.data(), e.Extra.size());
        PutBytes(central, e.Comment.data(), e.Comment.size());
    }
    const uint32_t centralOffset = Checked32(out.size());
    PutBytes(out, central.data(), central.size());
    Put32(out, 0x06054B50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<uint32_t>(entries.size()));
    Put16(out, static_cast<uint32_t>(entries.size()));
    Put32(out, Checked32(central.size()));
    Put32(out, centralOffset);
    Put16(out, static_cast<uint32_t>(archiveComment.size()));
    PutBytes(out, archiveComment.data(), archiveComment.size());
    return out;
}
