#include "format/PkwareCipher.h"

#include "format/LittleEndian.h"

#include <array>

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

// Tables for eight bytes at a time: entry n of table k is the CRC of byte n followed by k
// zero bytes.
constexpr int kSliceBytes = 8;
constexpr std::array<std::array<uint32_t, 256>, kSliceBytes> MakeSliceTables() {
    std::array<std::array<uint32_t, 256>, kSliceBytes> tables{};
    tables[0] = kCrcTable;
    for (int k = 1; k < kSliceBytes; ++k)
        for (uint32_t n = 0; n < 256; ++n)
            tables[k][n] = kCrcTable[tables[k - 1][n] & 0xFF] ^ (tables[k - 1][n] >> 8);
    return tables;
}
constexpr auto kSliceTables = MakeSliceTables();

uint32_t CrcByte(uint32_t crc, uint8_t b) {
    return kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
}

} // namespace

uint32_t Crc32Update(uint32_t crc, const uint8_t* data, size_t size) {
    const auto& t = kSliceTables;
    for (; size >= kSliceBytes; size -= kSliceBytes, data += kSliceBytes) {
        const uint32_t low = crc ^ ReadLe32(data);
        const uint32_t high = ReadLe32(data + 4);
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^
              t[4][low >> 24] ^ t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^
              t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (size_t i = 0; i < size; ++i)
        crc = CrcByte(crc, data[i]);
    return crc;
}

TPkwareCipher::TPkwareCipher(std::string_view password)
    : keys_{0x12345678u, 0x23456789u, 0x34567890u} {
    for (char c : password)
        UpdateKeys(static_cast<uint8_t>(c));
}

uint8_t TPkwareCipher::KeyStream() const {
    const uint32_t temp = (keys_[2] | 2) & 0xFFFF;
    return static_cast<uint8_t>((temp * (temp ^ 1)) >> 8);
}

void TPkwareCipher::UpdateKeys(uint8_t plain) {
    keys_[0] = CrcByte(keys_[0], plain);
    keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
    keys_[2] = CrcByte(keys_[2], static_cast<uint8_t>(keys_[1] >> 24));
}

void TPkwareCipher::Decrypt(uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        data[i] ^= KeyStream();
        UpdateKeys(data[i]);
    }
}

void TPkwareCipher::Encrypt(uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        const uint8_t plain = data[i];
        data[i] ^= KeyStream();
        UpdateKeys(plain);
    }
}

bool TPkwareCipher::DecryptHeader(uint8_t* header, uint16_t flags, uint16_t fileTime,
                                  uint32_t crc) {
    Decrypt(header, kHeaderSize);
    return header[kHeaderSize - 1] == CheckByte(flags, fileTime, crc);
}
