// skin-pack: builds a skin file from a folder of BMP files and a text file of named values.
#include "format/SkinArchiveLoader.h"
#include "format/writer/SkinWriter.h"
#include "format/writer/ValuesFile.h"
#include "format/writer/ZipWriter.h"
#include "framework/BmpDecoder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kUsageError = 64;

const char* const kUsage = "usage: skin-pack [--password P] [--values FILE] BMPFOLDER OUTFILE";

void PrintHelp() {
    std::cout << kUsage
              << "\n\n"
                 "Writes OUTFILE, a ZIP archive holding SKINDATA.SK2 (Deflate-compressed).\n"
                 "Every *.bmp file of BMPFOLDER becomes a bitmap record named after the file\n"
                 "without its extension, as written (files in name order). The values file\n"
                 "adds integer, boolean and string records, one a line:\n"
                 "  integer SKIN2_FORMCOLOR 0xE8E8E8    decimal, -decimal or 0x hex\n"
                 "  boolean SKIN2_TITLEFIVESECT 1       0-255, true or false\n"
                 "  string SKIN2_NAME Some text         the rest of the line\n"
                 "  # comment lines and blank lines are ignored\n"
                 "--password P encrypts the entry with the traditional PKWARE method.\n"
                 "Exit status: 0 written, 1 error, 64 bad usage.\n";
}

bool IsBmp(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".bmp";
}

std::vector<uint8_t> ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + p.string());
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<TSkinRecord> BitmapRecords(const fs::path& folder) {
    if (!fs::is_directory(folder))
        throw std::runtime_error(folder.string() + " is not a folder");
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && IsBmp(e.path()))
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::vector<TSkinRecord> records;
    for (const fs::path& f : files) {
        std::vector<uint8_t> image = ReadFile(f);
        try {
            DecodeBmpFile(image.data(), image.size());
        } catch (const EBmpError& e) {
            throw std::runtime_error(f.string() + ": " + e.what());
        }
        records.push_back(BitmapRecord(f.stem().string(), std::move(image)));
    }
    return records;
}

} // namespace

int main(int argc, char** argv) {
    std::string password, valuesFile;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintHelp();
            return 0;
        }
        if ((arg == "--password" || arg == "--values") && i + 1 < argc) {
            (arg == "--password" ? password : valuesFile) = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::cerr << kUsage << "\n";
            return kUsageError;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        std::cerr << kUsage << "\n";
        return kUsageError;
    }
    try {
        std::vector<TSkinRecord> records = BitmapRecords(positional[0]);
        if (!valuesFile.empty()) {
            std::ifstream values(valuesFile);
            if (!values)
                throw std::runtime_error("cannot read " + valuesFile);
            try {
                for (TSkinRecord& r : ReadValuesFile(values))
                    records.push_back(std::move(r));
            } catch (const EValuesFileError& e) {
                throw std::runtime_error(valuesFile + ": " + e.what());
            }
        }
        TZipEntry entry = MakeDeflatedEntry(kSkinDataEntryName, WriteSkinRecords(records));
        entry.Password = password;
        const std::vector<uint8_t> archive = WriteZipArchive({entry});
        std::ofstream out(positional[1], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(archive.data()),
                  static_cast<std::streamsize>(archive.size()));
        out.close();
        if (!out)
            throw std::runtime_error("cannot write " + positional[1]);
    } catch (const std::exception& e) {
        std::cerr << "skin-pack: " << e.what() << "\n";
        std::error_code ignored;
        fs::remove(positional[1], ignored);
        return 1;
    }
    return 0;
}
