#include "ReaderTestSupport.h"

#include <zlib.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace readertest {

std::vector<uint8_t> ZlibDeflate(const std::vector<uint8_t>& data, int level, int strategy,
                                 size_t flushEvery, int memLevel) {
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -15, memLevel, strategy) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::vector<uint8_t> out(deflateBound(&z, data.size()) + 64 +
                             (flushEvery ? data.size() / flushEvery * 16 : 0));
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    size_t done = 0;
    int blocks = 0;
    do {
        const size_t piece = flushEvery ? std::min(flushEvery, data.size() - done) : data.size();
        z.next_in = const_cast<Bytef*>(data.data() + done);
        z.avail_in = static_cast<uInt>(piece);
        done += piece;
        const int flush = done == data.size() ? Z_FINISH : (blocks++ % 2 ? Z_BLOCK : Z_FULL_FLUSH);
        const int rc = deflate(&z, flush);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
            throw std::runtime_error("deflate");
        if (flush == Z_FINISH && rc != Z_STREAM_END)
            throw std::runtime_error("deflate did not finish");
    } while (done < data.size());
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::vector<uint8_t> TextLike(size_t size, uint32_t seed) {
    static const char* const words[] = {
        "skin",   "title", "bar",    "menu",  "button", "frame",  "colour", "the",   "of",
        "window", "draw",  "bitmap", "and",   "record", "a",      "file",   "theme", "to",
        "border", "font",  "left",   "right", "region", "select", "style",  "paint", "is"};
    std::mt19937 rng(seed);
    std::vector<uint8_t> out;
    out.reserve(size + 16);
    while (out.size() < size) {
        const char* w = words[rng() % (sizeof words / sizeof *words)];
        out.insert(out.end(), w, w + std::char_traits<char>::length(w));
        out.push_back(rng() % 11 == 0 ? '\n' : ' ');
        if (rng() % 29 == 0) {
            const std::string n = std::to_string(rng() % 100000);
            out.insert(out.end(), n.begin(), n.end());
        }
    }
    out.resize(size);
    return out;
}

std::vector<uint8_t> Incompressible(size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> out(size);
    for (uint8_t& b : out)
        b = static_cast<uint8_t>(rng());
    return out;
}

std::vector<uint8_t> BitmapLike(size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> out(size);
    const size_t width = 640;
    for (size_t i = 0; i + 3 <= size; i += 3) {
        const size_t x = (i / 3) % width, y = (i / 3) / width;
        const uint8_t noise = rng() % 16 == 0 ? static_cast<uint8_t>(rng() % 3) : 0;
        out[i] = static_cast<uint8_t>(x / 3 + noise);
        out[i + 1] = static_cast<uint8_t>(y / 2);
        out[i + 2] = static_cast<uint8_t>((x / 40) % 2 ? 0xC0 : 0x30);
    }
    return out;
}

TTempDir::TTempDir() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("vfc-reader-test-" + std::to_string(random()));
    fs::create_directories(path_);
}

TTempDir::~TTempDir() {
    std::error_code error;
    fs::remove_all(path_, error);
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

int RunShell(const std::string& command) {
    const int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool HaveProgram(const std::string& name) {
    return RunShell("command -v " + name + " >/dev/null 2>&1") == 0;
}

std::string Quote(const fs::path& path) {
    std::string quoted = "'";
    for (char c : path.string())
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace readertest
