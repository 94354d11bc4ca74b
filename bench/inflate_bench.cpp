// Inflate throughput, side by side on the same streams: this project's decoder, zlib and
// libdeflate, on ~10 MB of text, of 24-bit bitmap-like data and of random bytes, each
// compressed by zlib at levels 1, 6 and 9. Throughput counts decompressed bytes.
#include "format/Inflate.h"

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr size_t kSize = 10 << 20;

std::vector<uint8_t> Text() {
    static const char* const words[] = {"skin",   "title",  "bar", "menu",   "button", "frame",
                                        "colour", "the",    "of",  "window", "draw",   "bitmap",
                                        "and",    "record", "a",   "file",   "theme",  "border"};
    std::mt19937 rng(1);
    std::vector<uint8_t> out;
    while (out.size() < kSize) {
        const char* w = words[rng() % (sizeof words / sizeof *words)];
        out.insert(out.end(), w, w + std::strlen(w));
        out.push_back(rng() % 11 == 0 ? '\n' : ' ');
        if (rng() % 29 == 0) {
            const std::string n = std::to_string(rng() % 100000);
            out.insert(out.end(), n.begin(), n.end());
        }
    }
    out.resize(kSize);
    return out;
}

// Rows of a 24-bit picture: gradients, flat areas and a little noise, as in skin bitmaps.
std::vector<uint8_t> Bitmap() {
    std::mt19937 rng(3);
    std::vector<uint8_t> out(kSize);
    const size_t width = 800;
    for (size_t i = 0; i + 3 <= kSize; i += 3) {
        const size_t x = (i / 3) % width, y = (i / 3) / width;
        const uint8_t noise = rng() % 8 == 0 ? static_cast<uint8_t>(rng() % 4) : 0;
        out[i] = static_cast<uint8_t>(x * 255 / width + noise);
        out[i + 1] = static_cast<uint8_t>((y % 480) / 2);
        out[i + 2] = static_cast<uint8_t>((x / 50 + y / 60) % 2 ? 0xE8 : 0x40 + noise);
    }
    return out;
}

std::vector<uint8_t> Random() {
    std::mt19937 rng(2);
    std::vector<uint8_t> out(kSize);
    for (uint8_t& b : out)
        b = static_cast<uint8_t>(rng());
    return out;
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data, int level) {
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::vector<uint8_t> out(deflateBound(&z, data.size()));
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    if (deflate(&z, Z_FINISH) != Z_STREAM_END)
        throw std::runtime_error("deflate");
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// Copies into a buffer allocated once, as the zlib and libdeflate runs do.
class TBufferSink : public TOutputSink {
public:
    explicit TBufferSink(std::vector<uint8_t>& buffer) : buffer_(buffer) {}
    void Write(const uint8_t* data, size_t size) override {
        std::memcpy(buffer_.data() + used_, data, size);
        used_ += size;
    }
    size_t Used() const { return used_; }

private:
    std::vector<uint8_t>& buffer_;
    size_t used_ = 0;
};

struct TCase {
    std::vector<uint8_t> Original;
    std::vector<uint8_t> Stream;
};

void Ours(benchmark::State& state, const TCase* c) {
    std::vector<uint8_t> out(c->Original.size());
    for (auto _ : state) {
        TBufferSink sink(out);
        TMemorySource source(c->Stream.data(), c->Stream.size());
        Inflate(source, sink, out.size());
        benchmark::DoNotOptimize(out.data());
        if (sink.Used() != c->Original.size())
            state.SkipWithError("wrong size");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c->Original.size()));
    if (out != c->Original)
        state.SkipWithError("wrong output");
}

void Zlib(benchmark::State& state, const TCase* c) {
    std::vector<uint8_t> out(c->Original.size());
    for (auto _ : state) {
        z_stream z{};
        inflateInit2(&z, -15);
        z.next_in = const_cast<Bytef*>(c->Stream.data());
        z.avail_in = static_cast<uInt>(c->Stream.size());
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        if (inflate(&z, Z_FINISH) != Z_STREAM_END)
            state.SkipWithError("zlib failed");
        inflateEnd(&z);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c->Original.size()));
}

void Libdeflate(benchmark::State& state, const TCase* c) {
    std::vector<uint8_t> out(c->Original.size());
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    for (auto _ : state) {
        size_t got = 0;
        if (libdeflate_deflate_decompress(d, c->Stream.data(), c->Stream.size(), out.data(),
                                          out.size(), &got) != LIBDEFLATE_SUCCESS)
            state.SkipWithError("libdeflate failed");
        benchmark::DoNotOptimize(out.data());
    }
    libdeflate_free_decompressor(d);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c->Original.size()));
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    static std::vector<TCase> cases; // kept alive for the registered benchmarks
    struct TSet {
        const char* Name;
        std::vector<uint8_t> Data;
    };
    std::vector<TSet> sets;
    sets.push_back({"text", Text()});
    sets.push_back({"bitmap", Bitmap()});
    sets.push_back({"random", Random()});
    cases.reserve(sets.size() * 3);
    for (const TSet& set : sets)
        for (int level : {1, 6, 9}) {
            cases.push_back({set.Data, Compress(set.Data, level)});
            const TCase* c = &cases.back();
            const std::string suffix = std::string(set.Name) + "/level" + std::to_string(level);
            benchmark::RegisterBenchmark(("ours/" + suffix).c_str(), Ours, c)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("zlib/" + suffix).c_str(), Zlib, c)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("libdeflate/" + suffix).c_str(), Libdeflate, c)
                ->Unit(benchmark::kMillisecond);
        }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
