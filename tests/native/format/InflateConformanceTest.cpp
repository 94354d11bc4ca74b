// Our decoder against streams made by zlib: every level and strategy, block kinds and the
// shapes that stress the window (long matches, far distances, many flushes, tiny blocks).
#include "ReaderTestSupport.h"
#include "format/Inflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>

using namespace readertest;

namespace {

struct TDataSet {
    const char* Name;
    std::function<std::vector<uint8_t>()> Make;
};

const TDataSet kDataSets[] = {
    {"text", [] { return TextLike(300000); }},
    {"bitmap", [] { return BitmapLike(300000); }},
    {"random", [] { return Incompressible(100000); }},
    {"runs",
     [] {
         std::vector<uint8_t> v;
         for (int i = 0; i < 2000; ++i)
             v.insert(v.end(), static_cast<size_t>(i % 300 + 1), static_cast<uint8_t>(i));
         return v;
     }},
};

void ExpectRoundTrip(const std::vector<uint8_t>& data, const std::vector<uint8_t>& stream,
                     const std::string& what) {
    const std::vector<uint8_t> out = InflateBuffer(stream.data(), stream.size());
    ASSERT_EQ(out.size(), data.size()) << what;
    EXPECT_TRUE(out == data) << what;
}

TEST(InflateConformance, EveryLevelAndStrategyOfZlib) {
    const int strategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED};
    for (const TDataSet& set : kDataSets) {
        const std::vector<uint8_t> data = set.Make();
        for (int level = 0; level <= 9; ++level)
            for (int strategy : strategies)
                ExpectRoundTrip(data, ZlibDeflate(data, level, strategy),
                                std::string(set.Name) + " level " + std::to_string(level) +
                                    " strategy " + std::to_string(strategy));
    }
}

TEST(InflateConformance, EmptyAndOneByteInputs) {
    for (int level : {0, 1, 6, 9})
        for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED}) {
            ExpectRoundTrip({}, ZlibDeflate({}, level, strategy), "empty");
            ExpectRoundTrip({'x'}, ZlibDeflate({'x'}, level, strategy), "one byte");
            ExpectRoundTrip({0xFF}, ZlibDeflate({0xFF}, level, strategy), "one high byte");
        }
}

TEST(InflateConformance, LongestMatchesAndFarthestDistances) {
    // A run gives back-to-back 258-byte matches at distance 1.
    ExpectRoundTrip(std::vector<uint8_t>(100000, 'a'),
                    ZlibDeflate(std::vector<uint8_t>(100000, 'a'), 9, Z_DEFAULT_STRATEGY), "run");
    // A random block repeated exactly 32768 bytes later, preceded by filler: matches of 258 at
    // the largest distance, including across a window flush.
    std::vector<uint8_t> data = Incompressible(32768, 7);
    const std::vector<uint8_t> block = data;
    for (int i = 0; i < 4; ++i)
        data.insert(data.end(), block.begin(), block.end());
    ExpectRoundTrip(data, ZlibDeflate(data, 9, Z_DEFAULT_STRATEGY), "32 KiB distances");
    // Period-3 and period-7 patterns: overlapping copies shorter than a machine word.
    for (size_t period : {2u, 3u, 7u, 9u}) {
        std::vector<uint8_t> p(50000);
        for (size_t i = 0; i < p.size(); ++i)
            p[i] = static_cast<uint8_t>("abcdefghi"[i % period]);
        ExpectRoundTrip(p, ZlibDeflate(p, 6, Z_DEFAULT_STRATEGY), "period");
    }
}

TEST(InflateConformance, SeveralMegabytesAcrossManyWindowFlushes) {
    std::vector<uint8_t> data = TextLike(3 << 20, 11);
    const std::vector<uint8_t> bitmap = BitmapLike(2 << 20, 12);
    data.insert(data.end(), bitmap.begin(), bitmap.end());
    for (int level : {1, 6, 9})
        ExpectRoundTrip(data, ZlibDeflate(data, level, Z_DEFAULT_STRATEGY),
                        "level " + std::to_string(level));
    ExpectRoundTrip(data, ZlibDeflate(data, 0, Z_DEFAULT_STRATEGY), "stored");
}

TEST(InflateConformance, StreamsSplitIntoManySmallBlocks) {
    const std::vector<uint8_t> data = TextLike(200000, 5);
    for (size_t every : {1u, 7u, 100u, 4096u})
        for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY})
            ExpectRoundTrip(data, ZlibDeflate(data, 6, strategy, every),
                            "flush every " + std::to_string(every));
    // Stored blocks longer than an input chunk, with flushes between them.
    const std::vector<uint8_t> random = Incompressible(200000, 6);
    ExpectRoundTrip(random, ZlibDeflate(random, 0, Z_DEFAULT_STRATEGY, 50000), "stored pieces");
}

TEST(InflateConformance, SmallMemoryLevelsGiveShortBlocks) {
    const std::vector<uint8_t> data = BitmapLike(400000, 9);
    for (int memLevel : {1, 2, 9})
        ExpectRoundTrip(data, ZlibDeflate(data, 9, Z_DEFAULT_STRATEGY, 0, memLevel), "memLevel");
}

// The window hands out its bytes in 32 KiB pieces once 64 KiB are decoded, the rest at the end.
TEST(InflateConformance, SinkReceivesFlushPiecesThenTheRest) {
    struct TRecordingSink : TOutputSink {
        std::vector<size_t> Pieces;
        void Write(const uint8_t*, size_t size) override { Pieces.push_back(size); }
    } sink;
    const std::vector<uint8_t> data = TextLike(100000);
    const std::vector<uint8_t> stream = ZlibDeflate(data, 6, Z_DEFAULT_STRATEGY);
    TMemorySource source(stream.data(), stream.size());
    Inflate(source, sink);
    // Flushes at 64 KiB and again at 96 KiB decoded; the last 34464 bytes come at the end.
    EXPECT_EQ(sink.Pieces, (std::vector<size_t>{32768, 32768, 100000 - 65536}));
}

} // namespace
