// skin-inspect: loads a skin file as the skin reader does and lists its records, or extracts
// one archive entry exactly as the reader extracts SKINDATA.SK2.
#include "format/SkinArchiveLoader.h"
#include "format/StdFileAccess.h"
#include "framework/BmpDecoder.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 64;
const char* const kReadFailure = "Failed to read skin file!";

void PrintUsage(std::ostream& out) {
    out << "usage: skin-inspect [--password P] FILE\n"
           "       skin-inspect extract [--password P] ARCHIVE ENTRY OUTFILE\n";
}

void PrintHelp() {
    PrintUsage(std::cout);
    std::cout << "\n"
                 "skin-inspect FILE loads the skin file as the skin reader does and prints one\n"
                 "line per record, in file order:\n"
                 "  bitmap NAME WIDTHxHEIGHT\n"
                 "  integer NAME VALUE\n"
                 "  boolean NAME VALUE      (the stored byte)\n"
                 "  string NAME TEXT\n"
                 "Exit status: 0 ready, 2 entry refused (encrypted: no or wrong password; bad\n"
                 "data), 1 the file could not be read (message on standard error).\n\n"
                 "skin-inspect extract ARCHIVE ENTRY OUTFILE extracts ENTRY (name compared\n"
                 "ignoring ASCII case) as the reader extracts SKINDATA.SK2. Exit status: 0\n"
                 "extracted, 1 failed, 2 refused; OUTFILE exists only after 0.\n";
}

int Inspect(const std::string& file, const std::string& password) {
    TStdFileAccess files;
    std::vector<std::string> lines;
    try {
        const TSkinArchiveContents contents = LoadSkinArchive(files, file, password);
        if (contents.Result == ArchiveResult::Failed) {
            std::cerr << kReadFailure << "\n";
            return 1;
        }
        if (contents.Result == ArchiveResult::Refused)
            return 2;
        for (const TSkinRecord& r : contents.Records) {
            switch (r.Type) {
            case TSkinRecordType::Bitmap: {
                const TDecodedBmp bmp = DecodeBmpFile(r.Data.data(), r.Data.size());
                lines.push_back("bitmap " + r.Name + " " + std::to_string(bmp.Width) + "x" +
                                std::to_string(bmp.Height));
                break;
            }
            case TSkinRecordType::Integer:
                lines.push_back("integer " + r.Name + " " + std::to_string(r.IntegerValue()));
                break;
            case TSkinRecordType::Boolean:
                lines.push_back("boolean " + r.Name + " " + std::to_string(r.BooleanValue()));
                break;
            case TSkinRecordType::String:
                lines.push_back("string " + r.Name + " " + r.Text());
                break;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    for (const std::string& line : lines)
        std::cout << line << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            PrintHelp();
            return 0;
        }
    const bool extract = !args.empty() && args[0] == "extract";
    std::string password;
    std::vector<std::string> positional;
    for (size_t i = extract ? 1 : 0; i < args.size(); ++i) {
        if (args[i] == "--password" && i + 1 < args.size()) {
            password = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            PrintUsage(std::cerr);
            return kUsageError;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != (extract ? 3u : 1u)) {
        PrintUsage(std::cerr);
        return kUsageError;
    }
    if (extract) {
        TStdFileAccess files;
        return static_cast<int>(
            ExtractArchiveEntry(files, positional[0], positional[1], positional[2], password));
    }
    return Inspect(positional[0], password);
}
