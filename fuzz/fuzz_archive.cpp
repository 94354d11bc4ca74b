// The whole portable load of a skin file: ZIP entry extraction (with decryption when the
// first input byte is odd) and the record chain of the extracted entry.
#include "format/SkinArchiveLoader.h"
#include "format/StdFileAccess.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// One temporary name per process, so that its absence can be checked after each load.
class TFixedTemporaryName : public TStdFileAccess {
public:
    explicit TFixedTemporaryName(std::string name) : name_(std::move(name)) {}
    std::string NewTemporaryName() override { return name_; }

private:
    std::string name_;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    static const fs::path folder = fs::temp_directory_path();
    static const std::string id = std::to_string(getpid());
    const fs::path archive = folder / ("vfc-fuzz-archive-" + id + ".zip");
    const fs::path temp = folder / ("vfc-fuzz-archive-" + id + ".sk2");
    {
        std::ofstream out(archive, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    try {
        TFixedTemporaryName files(temp.string());
        LoadSkinArchive(files, archive.string(), (data[0] & 1) != 0 ? "pw" : "");
    } catch (const ESkinFormatError&) {
    } catch (const std::runtime_error&) {
    }
    if (fs::exists(temp))
        std::abort(); // the temporary file must be gone in every case
    fs::remove(archive);
    return 0;
}
