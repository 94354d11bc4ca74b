// The traditional PKWARE stream cipher of ZIP archives (three 32-bit keys driven by CRC-32).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

uint32_t Crc32Update(uint32_t crc, const uint8_t* data, size_t size);
inline uint32_t Crc32(const uint8_t* data, size_t size) {
    return Crc32Update(0xFFFFFFFFu, data, size) ^ 0xFFFFFFFFu;
}

class TPkwareCipher {
public:
    static constexpr size_t kHeaderSize = 12;

    explicit TPkwareCipher(std::string_view password);

    void Decrypt(uint8_t* data, size_t size);
    void Encrypt(uint8_t* data, size_t size);

    // Decrypts the 12-byte encryption header in place and tells whether its last byte is the
    // expected check byte: the high byte of the file time when flag bit 3 (sizes in a data
    // descriptor) is set, else the high byte of the CRC-32.
    bool DecryptHeader(uint8_t* header, uint16_t flags, uint16_t fileTime, uint32_t crc);
    static uint8_t CheckByte(uint16_t flags, uint16_t fileTime, uint32_t crc) {
        return (flags & 0x0008) != 0 ? static_cast<uint8_t>(fileTime >> 8)
                                     : static_cast<uint8_t>(crc >> 24);
    }

private:
    uint8_t KeyStream() const;
    void UpdateKeys(uint8_t plain);

    uint32_t keys_[3];
};
