// The SKINDATA.SK2 record chain and the bitmaps it holds.
#include "format/SkinRecordChain.h"
#include "framework/BmpDecoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        for (const TSkinRecord& r : ParseSkinRecords(data, size)) {
            if (r.Data.size() > size)
                std::abort();
            if (r.Type == TSkinRecordType::Bitmap) {
                try {
                    DecodeBmpFile(r.Data.data(), r.Data.size());
                } catch (const EBmpError&) {
                }
            }
        }
    } catch (const ESkinFormatError&) {
    }
    return 0;
}
