#include "format/writer/DeflateEncoder.h"

#include <algorithm>

namespace {

constexpr size_t kWindow = 32768;
constexpr size_t kMinMatch = 3;
constexpr size_t kMaxMatch = 258;
constexpr int kHashBits = 15;
constexpr int kMaxChain = 48;
constexpr uint16_t kLengthBase[29] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                      15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                      67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t kDistanceBase[30] = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                        6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class TBitWriter {
public:
    explicit TBitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Put(uint32_t value, unsigned count) {
        buffer_ |= uint64_t{value} << count_;
        count_ += count;
        while (count_ >= 8) {
            out_.push_back(static_cast<uint8_t>(buffer_));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    // Huffman codes go most-significant bit first.
    void PutCode(uint32_t code, unsigned length) {
        uint32_t reversed = 0;
        for (unsigned i = 0; i < length; ++i)
            reversed |= ((code >> i) & 1) << (length - 1 - i);
        Put(reversed, length);
    }
    void Finish() {
        if (count_ > 0)
            out_.push_back(static_cast<uint8_t>(buffer_));
        buffer_ = 0;
        count_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint64_t buffer_ = 0;
    unsigned count_ = 0;
};

void PutLiteralOrLength(TBitWriter& w, unsigned symbol) {
    if (symbol < 144)
        w.PutCode(0x30 + symbol, 8);
    else if (symbol < 256)
        w.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        w.PutCode(symbol - 256, 7);
    else
        w.PutCode(0xC0 + symbol - 280, 8);
}

void PutMatch(TBitWriter& w, size_t length, size_t distance) {
    int l = 28;
    while (kLengthBase[l] > length)
        --l;
    PutLiteralOrLength(w, 257 + l);
    w.Put(static_cast<uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    int d = 29;
    while (kDistanceBase[d] > distance)
        --d;
    w.PutCode(static_cast<uint32_t>(d), 5);
    w.Put(static_cast<uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

uint32_t Hash3(const uint8_t* p) {
    return ((uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]) * 2654435761u) >> (32 - kHashBits);
}

} // namespace

std::vector<uint8_t> DeflateFixed(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    TBitWriter w(out);
    w.Put(1, 1); // final
    w.Put(1, 2); // fixed codes
    std::vector<int64_t> head(size_t{1} << kHashBits, -1);
    std::vector<int64_t> previous(kWindow, -1);
    auto insert = [&](size_t at) {
        if (at + kMinMatch > size)
            return;
        const uint32_t h = Hash3(data + at);
        previous[at % kWindow] = head[h];
        head[h] = static_cast<int64_t>(at);
    };
    for (size_t i = 0; i < size;) {
        size_t bestLength = 0, bestDistance = 0;
        if (i + kMinMatch <= size) {
            const size_t limit = std::min(kMaxMatch, size - i);
            int64_t candidate = head[Hash3(data + i)];
            for (int chain = 0; chain < kMaxChain && candidate >= 0; ++chain) {
                const size_t c = static_cast<size_t>(candidate);
                if (i - c > kWindow)
                    break;
                size_t n = 0;
                while (n < limit && data[c + n] == data[i + n])
                    ++n;
                if (n > bestLength) {
                    bestLength = n;
                    bestDistance = i - c;
                    if (n == limit)
                        break;
                }
                const int64_t before = previous[c % kWindow];
                if (before >= candidate)
                    break;
                candidate = before;
            }
        }
        if (bestLength >= kMinMatch) {
            PutMatch(w, bestLength, bestDistance);
            for (size_t k = 0; k < bestLength; ++k)
                insert(i + k);
            i += bestLength;
        } else {
            PutLiteralOrLength(w, data[i]);
            insert(i);
            ++i;
        }
    }
    PutLiteralOrLength(w, 256);
    w.Finish();
    return out;
}

std::vector<uint8_t> DeflateStored(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    size_t done = 0;
    do {
        const size_t piece = std::min<size_t>(size - done, 65535);
        const bool final = done + piece == size;
        out.push_back(final ? 1 : 0);
        out.push_back(static_cast<uint8_t>(piece));
        out.push_back(static_cast<uint8_t>(piece >> 8));
        out.push_back(static_cast<uint8_t>(~piece));
        out.push_back(static_cast<uint8_t>(~piece >> 8));
        out.insert(out.end(), data + done, data + done + piece);
        done += piece;
    } while (done < size);
    return out;
}

std::vector<uint8_t> DeflateCompress(const uint8_t* data, size_t size) {
    std::vector<uint8_t> fixed = DeflateFixed(data, size);
    if (fixed.size() <= size + 5 * (size / 65535 + 1))
        return fixed;
    return DeflateStored(data, size);
}
