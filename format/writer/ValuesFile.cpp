#include "format/writer/ValuesFile.h"

#include "format/writer/SkinWriter.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

bool ParseInteger(const std::string& text, int64_t& value) {
    std::string_view s = text;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || magnitude > 0xFFFFFFFFu)
        return false;
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

} // namespace

std::vector<TSkinRecord> ReadValuesFile(std::istream& in) {
    std::vector<TSkinRecord> records;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        auto fail = [&](const std::string& what) {
            throw EValuesFileError("line " + std::to_string(number) + ": " + what);
        };
        const size_t kindEnd = line.find_first_of(" \t", first);
        if (kindEnd == std::string::npos)
            fail("expected KIND NAME VALUE");
        const std::string kind = line.substr(first, kindEnd - first);
        const size_t nameStart = line.find_first_not_of(" \t", kindEnd);
        if (nameStart == std::string::npos)
            fail("expected a name");
        size_t nameEnd = line.find_first_of(" \t", nameStart);
        const std::string name =
            line.substr(nameStart, nameEnd == std::string::npos ? nameEnd : nameEnd - nameStart);
        if (name.size() > SkinFormat::kNameSize)
            fail("name longer than 64 characters");
        if (kind == "string") {
            records.push_back(
                StringRecord(name, nameEnd == std::string::npos ? "" : line.substr(nameEnd + 1)));
            continue;
        }
        std::string value;
        if (nameEnd != std::string::npos) {
            const size_t valueStart = line.find_first_not_of(" \t", nameEnd);
            if (valueStart != std::string::npos) {
                const size_t valueEnd = line.find_last_not_of(" \t");
                value = line.substr(valueStart, valueEnd + 1 - valueStart);
            }
        }
        int64_t number64 = 0;
        if (kind == "integer") {
            if (!ParseInteger(value, number64) || number64 < std::numeric_limits<int32_t>::min() ||
                number64 > 0xFFFFFFFFLL)
                fail("integer value expected, got '" + value + "'");
            records.push_back(
                IntegerRecord(name, static_cast<int32_t>(static_cast<uint32_t>(number64))));
        } else if (kind == "boolean") {
            if (value == "true")
                number64 = 1;
            else if (value == "false")
                number64 = 0;
            else if (!ParseInteger(value, number64) || number64 < 0 || number64 > 255)
                fail("boolean value expected (0-255, true, false), got '" + value + "'");
            records.push_back(BooleanRecord(name, static_cast<uint8_t>(number64)));
        } else {
            fail("unknown kind '" + kind + "' (integer, boolean or string)");
        }
    }
    return records;
}
