// The inflater on arbitrary input, checked against zlib: whatever zlib decodes completely
// must decode here to the same bytes.
#include "format/Inflate.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr size_t kMaxOutput = size_t{1} << 20;

// zlib's output when it reaches the end of the stream within kMaxOutput, else nothing.
// The buffer is allocated once; produced is the length of the output.
bool ZlibInflate(const uint8_t* data, size_t size, std::vector<uint8_t>& out, size_t& produced) {
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK)
        return false;
    out.resize(kMaxOutput);
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    produced = z.total_out;
    inflateEnd(&z);
    return rc == Z_STREAM_END;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> ours;
    bool decoded = false;
    try {
        ours = InflateBuffer(data, size, kMaxOutput);
        decoded = true;
    } catch (const EInflateError&) {
    }
    static std::vector<uint8_t> reference;
    size_t produced = 0;
    if (ZlibInflate(data, size, reference, produced) &&
        (!decoded || ours.size() != produced ||
         !std::equal(ours.begin(), ours.end(), reference.begin())))
        std::abort();
    return 0;
}
