// Each way a Deflate stream can be wrong has its own tiny vector; the decode tables carry
// the packing of the fixed codes.
#include "ReaderTestSupport.h"
#include "format/HuffmanTree.h"
#include "format/Inflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

using namespace readertest;

namespace {

// Bits least-significant first; Huffman codes most-significant bit first.
class TBits {
public:
    TBits& Put(uint32_t value, unsigned count) {
        for (unsigned i = 0; i < count; ++i)
            PutBit((value >> i) & 1);
        return *this;
    }
    TBits& Code(uint32_t code, unsigned length) {
        for (unsigned i = length; i-- > 0;)
            PutBit((code >> i) & 1);
        return *this;
    }
    // Fixed literal/length code of a symbol.
    TBits& Fixed(unsigned symbol) {
        if (symbol < 144)
            return Code(0x30 + symbol, 8);
        if (symbol < 256)
            return Code(0x190 + symbol - 144, 9);
        if (symbol < 280)
            return Code(symbol - 256, 7);
        return Code(0xC0 + symbol - 280, 8);
    }
    std::vector<uint8_t> Bytes() const { return bytes_; }

private:
    void PutBit(uint32_t bit) {
        if (count_ % 8 == 0)
            bytes_.push_back(0);
        bytes_.back() |= static_cast<uint8_t>(bit << (count_ % 8));
        ++count_;
    }
    std::vector<uint8_t> bytes_;
    size_t count_ = 0;
};

TInflateError ErrorOf(const std::vector<uint8_t>& stream, uint64_t maxOutput = kUnlimitedOutput) {
    try {
        InflateBuffer(stream.data(), stream.size(), maxOutput);
    } catch (const EInflateError& e) {
        return e.Error;
    }
    ADD_FAILURE() << "the stream decoded without error";
    return TInflateError::InputExhausted;
}

// Final dynamic block header with HLIT 257, HDIST 1 and the code-length code lengths given
// in storage order (16, 17, 18, 0, ...).
TBits DynamicHeader(std::initializer_list<uint32_t> codeLengthLengths, uint32_t hlit = 0) {
    TBits b;
    b.Put(1, 1).Put(2, 2).Put(hlit, 5).Put(0, 5).Put(
        static_cast<uint32_t>(codeLengthLengths.size() - 4), 4);
    for (uint32_t l : codeLengthLengths)
        b.Put(l, 3);
    return b;
}

TEST(InflateErrors, EachMalformedStreamHasItsNamedError) {
    EXPECT_EQ(ErrorOf(TBits().Put(1, 1).Put(3, 2).Bytes()), TInflateError::InvalidBlockType);
    EXPECT_EQ(ErrorOf(DynamicHeader({0, 0, 0, 1}, 30).Bytes()), TInflateError::TooManyCodes);
    EXPECT_EQ(ErrorOf(TBits().Put(1, 1).Put(2, 2).Put(0, 5).Put(30, 5).Put(0, 4).Bytes()),
              TInflateError::TooManyCodes);
    // Nineteen code-length codes of one bit each.
    TBits all;
    all.Put(1, 1).Put(2, 2).Put(0, 5).Put(0, 5).Put(15, 4);
    for (int i = 0; i < 19; ++i)
        all.Put(1, 3);
    EXPECT_EQ(ErrorOf(all.Bytes()), TInflateError::OversubscribedCode);
    // Only symbol 0 of the code-length code has a code ("0"): the bit "1" matches nothing.
    EXPECT_EQ(ErrorOf(DynamicHeader({0, 0, 0, 1}).Code(1, 1).Bytes()),
              TInflateError::UnassignedCode);
    // Symbols 0 ("0") and 16 ("1"): a repeat before any length.
    EXPECT_EQ(ErrorOf(DynamicHeader({1, 0, 0, 1}).Code(1, 1).Put(0, 2).Bytes()),
              TInflateError::RepeatWithoutLength);
    // Symbols 0 ("0") and 18 ("1"): 138 + 138 zeros for 258 lengths.
    EXPECT_EQ(
        ErrorOf(DynamicHeader({0, 0, 1, 1}).Code(1, 1).Put(127, 7).Code(1, 1).Put(127, 7).Bytes()),
        TInflateError::RepeatPastEnd);
    EXPECT_EQ(ErrorOf(TBits().Put(1, 1).Put(1, 2).Fixed('a').Fixed(286).Bytes()),
              TInflateError::InvalidLengthSymbol);
    EXPECT_EQ(ErrorOf(TBits().Put(1, 1).Put(1, 2).Fixed('a').Fixed(257).Code(30, 5).Bytes()),
              TInflateError::InvalidDistanceSymbol);
    // Length 3 at distance 2 after a single byte.
    EXPECT_EQ(
        ErrorOf(TBits().Put(1, 1).Put(1, 2).Fixed('a').Fixed(257).Code(1, 5).Fixed(256).Bytes()),
        TInflateError::DistanceTooFar);
}

TEST(InflateErrors, DistanceOfTheWholeOutputIsFine) {
    const std::vector<uint8_t> stream =
        TBits().Put(1, 1).Put(1, 2).Fixed('a').Fixed('b').Fixed(257).Code(1, 5).Fixed(256).Bytes();
    EXPECT_EQ(InflateBuffer(stream.data(), stream.size()), Bytes("ababa"));
}

TEST(InflateErrors, InputThatEndsEarlyFailsInsteadOfLooping) {
    EXPECT_EQ(ErrorOf({}), TInflateError::InputExhausted);
    // A non-final fixed block with nothing after it: zero bits would decode as empty
    // stored blocks forever.
    EXPECT_EQ(ErrorOf(TBits().Put(0, 1).Put(1, 2).Fixed(256).Bytes()),
              TInflateError::InputExhausted);
    // A stored block that promises more than there is.
    EXPECT_EQ(ErrorOf({0x01, 0x10, 0x00, 0xEF, 0xFF, 'a', 'b'}), TInflateError::InputExhausted);
    const std::vector<uint8_t> data = TextLike(50000);
    for (int level : {0, 6}) {
        std::vector<uint8_t> stream = ZlibDeflate(data, level, Z_DEFAULT_STRATEGY);
        stream.resize(stream.size() / 2);
        EXPECT_THROW(InflateBuffer(stream.data(), stream.size()), EInflateError);
    }
}

TEST(InflateErrors, OutputBeyondTheLimitStopsDecoding) {
    // 1 MiB of zeros from about a kilobyte: refused once the output passes the limit.
    const std::vector<uint8_t> bomb =
        ZlibDeflate(std::vector<uint8_t>(1 << 20, 0), 9, Z_DEFAULT_STRATEGY);
    ASSERT_LT(bomb.size(), 2000u);
    struct TCountingSink : TOutputSink {
        size_t Total = 0;
        void Write(const uint8_t*, size_t size) override { Total += size; }
    } sink;
    TMemorySource source(bomb.data(), bomb.size());
    try {
        Inflate(source, sink, 1000);
        ADD_FAILURE() << "no error";
    } catch (const EInflateError& e) {
        EXPECT_EQ(e.Error, TInflateError::OutputTooLarge);
    }
    EXPECT_LE(sink.Total, 1000u);
    EXPECT_EQ(InflateBuffer(bomb.data(), bomb.size(), 1 << 20).size(), size_t{1} << 20);
    EXPECT_EQ(ErrorOf(bomb, (1 << 20) - 1), TInflateError::OutputTooLarge);
}

TEST(InflateErrors, StoredLengthIsReadAndItsComplementIgnored) {
    EXPECT_EQ(
        InflateBuffer(std::vector<uint8_t>{0x01, 0x03, 0x00, 0x00, 0x00, 'x', 'y', 'z'}.data(), 8),
        Bytes("xyz"));
}

TEST(HuffmanTree, FixedTreesPackSymbolLengthAndExtraBits) {
    const THuffmanTree& lit = FixedLiteralTree();
    EXPECT_EQ(lit.TableBits(), 9);
    EXPECT_EQ(lit.MaxBits(), 15);
    // Symbol 0: code 00110000, stored reversed at index 0b00001100 and every 256 above.
    EXPECT_EQ(lit.DecodeEntry(0x0C), 0u | 8u << 16);
    EXPECT_EQ(lit.DecodeEntry(0x10C), 0u | 8u << 16);
    // 257: 0000001 (no extra bits); 265: 0001001 with one extra bit; 285: 11000101, none.
    EXPECT_EQ(lit.DecodeEntry(0x40), 257u | 7u << 16);
    EXPECT_EQ(lit.DecodeEntry(0x48), 265u | 7u << 16 | 1u << 24);
    EXPECT_EQ(lit.DecodeEntry(0xA3), 285u | 8u << 16);
    // 255: 111111111.
    EXPECT_EQ(lit.DecodeEntry(0x1FF), 255u | 9u << 16);
    const THuffmanTree& dist = FixedDistanceTree();
    EXPECT_EQ(dist.TableBits(), 5);
    EXPECT_EQ(dist.DecodeEntry(0x04), 4u | 5u << 16 | 1u << 24);
    EXPECT_EQ(dist.DecodeEntry(0x1F), 31u | 5u << 16);
    EXPECT_EQ(&FixedLiteralTree(), &lit);
}

TEST(HuffmanTree, IncompleteCodesLeaveUnassignedEntries) {
    THuffmanTree t(15);
    const uint8_t lengths[] = {9, 9, 2, 0, 3};
    t.BuildDecodeTable(lengths, 0, nullptr, 3, 2); // symbols 0..2 with lengths 2, 0, 3
    EXPECT_EQ(t.TableBits(), 3);
    EXPECT_EQ(t.DecodeEntry(0b000), 0u | 2u << 16); // "00"
    EXPECT_EQ(t.DecodeEntry(0b100), 0u | 2u << 16);
    EXPECT_EQ(t.DecodeEntry(0b010), 2u | 3u << 16); // "010" reversed
    for (uint32_t i : {0b001u, 0b011u, 0b101u, 0b110u, 0b111u})
        EXPECT_EQ(t.DecodeEntry(i), THuffmanTree::kUnassigned) << i;

    THuffmanTree empty(15);
    const uint8_t none[4] = {};
    empty.BuildDecodeTable(none, 0, nullptr, 4, 0);
    EXPECT_EQ(empty.TableBits(), 0);
    EXPECT_EQ(empty.DecodeEntry(0), THuffmanTree::kUnassigned);
}

TEST(HuffmanTree, LengthsAboveMaxBitsOrTooManyCodesAreRefused) {
    THuffmanTree small(7);
    const uint8_t eight[] = {8, 1};
    EXPECT_THROW(small.BuildDecodeTable(eight, 0, nullptr, 2, 0), EInflateError);
    THuffmanTree t(15);
    const uint8_t three[] = {1, 1, 1};
    EXPECT_THROW(t.BuildDecodeTable(three, 0, nullptr, 3, 0), EInflateError);
}

} // namespace

// Lengths 1, 2, ..., 15, 15: the code of length L < 15 is L - 1 ones and a zero, the two
// longest are fourteen ones and a zero or a one. Long codes live in small second-level
// tables, so that the whole table stays far below the 2^15 entries of a single level.
TEST(HuffmanTree, LongCodesDecodeThroughSmallSecondLevelTables) {
    uint8_t lengths[16];
    for (int s = 0; s < 16; ++s)
        lengths[s] = static_cast<uint8_t>(std::min(s + 1, 15));
    THuffmanTree t(15);
    t.BuildDecodeTable(lengths, 16, nullptr, 16, 0);
    EXPECT_EQ(t.TableBits(), THuffmanTree::kPrimaryBits);
    EXPECT_EQ(t.CodeBits(), 15);
    EXPECT_LT(t.EntryCount(), size_t{1} << 11);
    for (int s = 0; s < 16; ++s) {
        const int length = lengths[s];
        // First bit lowest: the ones, then the last bit, then junk above the code.
        const uint64_t ones = (uint64_t{1} << std::min(length - 1, 14)) - 1;
        const uint64_t last = s == 15 ? uint64_t{1} << 14 : 0;
        const uint64_t junk = uint64_t{0x5A5A} << length;
        const uint32_t entry = t.Lookup(ones | last | junk);
        EXPECT_EQ(THuffmanTree::EntrySymbol(entry), static_cast<uint32_t>(s)) << s;
        EXPECT_EQ(THuffmanTree::EntryLength(entry), static_cast<unsigned>(length)) << s;
    }
    // An incomplete long code leaves unassigned second-level entries.
    lengths[15] = 0;
    t.BuildDecodeTable(lengths, 16, nullptr, 16, 0);
    EXPECT_EQ(t.Lookup((uint64_t{1} << 15) - 1), THuffmanTree::kUnassigned);
}
