// BMP decoding of file images and of bare info headers.
#include "framework/BmpDecoder.h"

#include <cstdlib>

namespace {
void Check(const TDecodedBmp& d) {
    if (d.Width <= 0 || d.Height <= 0 ||
        d.Pixels.size() != static_cast<size_t>(d.Width) * static_cast<size_t>(d.Height))
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        Check(DecodeBmpFile(data, size));
    } catch (const EBmpError&) {
    }
    if (size > 14) {
        try {
            Check(DecodeBmpInfo(data + 14, size - 14));
        } catch (const EBmpError&) {
        }
    }
    return 0;
}
