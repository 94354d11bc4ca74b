#include "format/HuffmanTree.h"

#include <algorithm>

const uint8_t kLengthExtraBits[31] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                      3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0, 0, 0};
const uint8_t kDistanceExtraBits[32] = {0, 0, 0, 0, 1, 1, 2,  2,  3,  3,  4,  4,  5,  5,  6, 6,
                                        7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 0, 0};

namespace {

const uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                    33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};

constexpr int kMaxCodeBits = 15;
constexpr int kMaxSymbols = 288;

uint32_t ReverseBits(uint32_t code, int length) {
    uint32_t reversed = 0;
    for (int i = 0; i < length; ++i, code >>= 1)
        reversed = reversed << 1 | (code & 1);
    return reversed;
}

} // namespace

THuffmanTree::THuffmanTree(int maxBits)
    : table_(std::make_unique<uint32_t[]>(1)), maxBits_(std::clamp(maxBits, 1, kMaxCodeBits)) {
    table_[0] = kUnassigned;
}

void THuffmanTree::BuildDecodeTable(const uint8_t* lengths, int firstExtraSymbol,
                                    const uint8_t* extraBits, int count, int offset) {
    if (count > kMaxSymbols)
        throw EInflateError(TInflateError::TooManyCodes);
    int perLength[kMaxCodeBits + 1] = {};
    codeBits_ = 0;
    for (int s = 0; s < count; ++s) {
        const int length = lengths[offset + s];
        if (length > maxBits_)
            throw EInflateError(TInflateError::OversubscribedCode);
        ++perLength[length];
        codeBits_ = std::max(codeBits_, length);
    }
    perLength[0] = 0;
    int left = 1;
    for (int b = 1; b <= maxBits_; ++b) {
        left = left * 2 - perLength[b];
        if (left < 0)
            throw EInflateError(TInflateError::OversubscribedCode);
    }
    tableBits_ = std::min(codeBits_, kPrimaryBits);
    primaryMask_ = (uint64_t{1} << tableBits_) - 1;
    const uint32_t primarySize = uint32_t{1} << tableBits_;

    uint32_t nextCode[kMaxCodeBits + 2] = {};
    uint32_t code = 0;
    for (int b = 1; b <= maxBits_; ++b) {
        code = (code + perLength[b - 1]) << 1;
        nextCode[b] = code;
    }
    // The reversed code of every symbol, and for each primary index that starts long codes
    // the index bits its second-level table needs.
    uint32_t reversed[kMaxSymbols];
    uint8_t subBits[uint32_t{1} << kPrimaryBits] = {};
    for (int s = 0; s < count; ++s) {
        const int length = lengths[offset + s];
        if (length == 0)
            continue;
        reversed[s] = ReverseBits(nextCode[length]++, length);
        if (length > tableBits_) {
            uint8_t& bits = subBits[reversed[s] & primaryMask_];
            bits = std::max(bits, static_cast<uint8_t>(length - tableBits_));
        }
    }
    uint32_t subOffset[uint32_t{1} << kPrimaryBits];
    size_t size = primarySize;
    if (codeBits_ > tableBits_)
        for (uint32_t p = 0; p < primarySize; ++p)
            if (subBits[p] != 0) {
                subOffset[p] = static_cast<uint32_t>(size);
                size += size_t{1} << subBits[p];
            }
    entryCount_ = size;

    // A complete code assigns every entry; only an incomplete one needs the fill.
    table_ = std::make_unique_for_overwrite<uint32_t[]>(size);
    if (left != 0)
        std::fill_n(table_.get(), size, kUnassigned);
    if (codeBits_ > tableBits_)
        for (uint32_t p = 0; p < primarySize; ++p)
            if (subBits[p] != 0)
                table_[p] = subOffset[p] | uint32_t{subBits[p]} << 24;
    for (int s = 0; s < count; ++s) {
        const int length = lengths[offset + s];
        if (length == 0)
            continue;
        uint32_t entry = static_cast<uint32_t>(s) | static_cast<uint32_t>(length) << 16;
        if (s >= firstExtraSymbol && extraBits != nullptr)
            entry |= uint32_t{extraBits[s - firstExtraSymbol]} << 24;
        if (length <= tableBits_) {
            for (uint32_t r = reversed[s]; r < primarySize; r += 1u << length)
                table_[r] = entry;
            continue;
        }
        const uint32_t prefix = reversed[s] & static_cast<uint32_t>(primaryMask_);
        const uint32_t subSize = 1u << subBits[prefix];
        const int subLength = length - tableBits_;
        for (uint32_t r = reversed[s] >> tableBits_; r < subSize; r += 1u << subLength)
            table_[subOffset[prefix] + r] = entry;
    }
}

void THuffmanTree::InflateBlockData(const THuffmanTree& distanceTree, TBitReader& reader,
                                    TOutputWindow& window) const {
    uint8_t* const base = window.Data();

    // Locals, so that the byte stores below cannot force the state back to memory.
    TBitReader::TState s = reader.State();
    size_t position = window.Position();
    auto refill = [&] {
        if (!TBitReader::FastRefill(s)) {
            reader.State() = s;
            reader.RefillSlow();
            s = reader.State();
        }
    };
    auto flushIfFull = [&] {
        if (position >= TOutputWindow::kFlushAt) {
            window.SetPosition(position);
            reader.State() = s;
            window.FlushIfFull();
            position = window.Position();
        }
    };

    for (;;) {
        // 56 bits cover the longest length code with its extra bits and the longest
        // distance code with its extra bits (15 + 5 + 15 + 13).
        refill();
        uint32_t entry = Lookup(s.Bits);
        if (entry == kUnassigned)
            throw EInflateError(TInflateError::UnassignedCode);
        unsigned codeLength = EntryLength(entry);
        s.Bits >>= codeLength;
        s.Count -= codeLength;
        const uint32_t symbol = EntrySymbol(entry);
        if (symbol < 256) {
            base[position++] = static_cast<uint8_t>(symbol);
            flushIfFull();
            continue;
        }
        if (symbol == 256)
            break;
        if (symbol > 285)
            throw EInflateError(TInflateError::InvalidLengthSymbol);
        unsigned extra = EntryExtraBits(entry);
        const size_t length = kLengthBase[symbol - 257] + (s.Bits & ((uint64_t{1} << extra) - 1));
        s.Bits >>= extra;
        s.Count -= extra;

        entry = distanceTree.Lookup(s.Bits);
        if (entry == kUnassigned)
            throw EInflateError(TInflateError::UnassignedCode);
        const uint32_t distanceSymbol = EntrySymbol(entry);
        if (distanceSymbol > 29)
            throw EInflateError(TInflateError::InvalidDistanceSymbol);
        codeLength = EntryLength(entry);
        s.Bits >>= codeLength;
        s.Count -= codeLength;
        extra = EntryExtraBits(entry);
        const size_t distance =
            kDistanceBase[distanceSymbol] + (s.Bits & ((uint64_t{1} << extra) - 1));
        s.Bits >>= extra;
        s.Count -= extra;
        if (distance > position) // after the first flush 32 KiB of history always remain
            throw EInflateError(TInflateError::DistanceTooFar);

        uint8_t* to = base + position;
        const uint8_t* from = to - distance;
        if (distance >= 8) {
            // Word copies may run up to 7 bytes past the match, into the window's slack.
            for (size_t i = 0; i < length; i += 8)
                std::memcpy(to + i, from + i, 8);
        } else if (distance == 1) {
            std::memset(to, *from, length);
        } else {
            // A short period p: bytes one at a time up to a multiple of p of at least 8, then
            // words from that far back, which repeat the same pattern.
            const size_t step = (8 + distance - 1) / distance * distance;
            const size_t head = std::min(length, step);
            for (size_t i = 0; i < head; ++i)
                to[i] = from[i];
            for (size_t i = head; i < length; i += 8)
                std::memcpy(to + i, to + i - step, 8);
        }
        position += length;
        flushIfFull();
    }
    reader.State() = s;
    window.SetPosition(position);
}

const THuffmanTree& FixedLiteralTree() {
    static const THuffmanTree tree = [] {
        uint8_t lengths[288];
        std::fill(lengths, lengths + 144, 8);
        std::fill(lengths + 144, lengths + 256, 9);
        std::fill(lengths + 256, lengths + 280, 7);
        std::fill(lengths + 280, lengths + 288, 8);
        THuffmanTree t(15);
        t.BuildDecodeTable(lengths, 257, kLengthExtraBits, 288, 0);
        return t;
    }();
    return tree;
}

const THuffmanTree& FixedDistanceTree() {
    static const THuffmanTree tree = [] {
        uint8_t lengths[32];
        std::fill(lengths, lengths + 32, 5);
        THuffmanTree t(15);
        t.BuildDecodeTable(lengths, 0, kDistanceExtraBits, 32, 0);
        return t;
    }();
    return tree;
}
