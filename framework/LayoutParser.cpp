#include "framework/LayoutParser.h"

#include <cctype>
#include <limits>

ELayoutError::ELayoutError(const std::string& layout, int line, const std::string& message)
    : std::runtime_error(layout + "(" + std::to_string(line) + "): " + message), layout_(layout),
      line_(line) {}

namespace {

class Parser {
public:
    Parser(std::string_view text, const std::string& name) : text_(text), name_(name) {}

    TLayoutObject ParseRoot() {
        SkipBlank();
        TLayoutObject root = ParseObject();
        SkipBlank();
        if (pos_ < text_.size())
            Fail("text after the root object's end");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& message) const {
        throw ELayoutError(name_, line_, message);
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void SkipBlank() {
        while (!AtEnd()) {
            char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (!AtEnd() && text_[pos_] != '\n')
                    ++pos_;
            } else {
                break;
            }
        }
    }

    // Blanks within one line only: values and names never span lines.
    void SkipInline() {
        while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r'))
            ++pos_;
    }

    static bool IsIdentStart(char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    }
    static bool IsIdentChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    }

    std::string Identifier(const char* what) {
        SkipInline();
        if (!IsIdentStart(Peek()))
            Fail(std::string("expected ") + what);
        size_t start = pos_;
        while (!AtEnd() && IsIdentChar(text_[pos_]))
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    // A dotted property path: Font.Name
    std::string Path() {
        std::string path = Identifier("a property name");
        while (Peek() == '.') {
            ++pos_;
            path += '.';
            path += Identifier("a property name after '.'");
        }
        return path;
    }

    void Expect(char c, const char* what) {
        SkipInline();
        if (Peek() != c)
            Fail(std::string("expected ") + what);
        ++pos_;
    }

    void EndOfLine() {
        SkipInline();
        if (Peek() == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/')
            return;
        if (!AtEnd() && Peek() != '\n')
            Fail("unexpected text at the end of the line");
    }

    TLayoutObject ParseObject() {
        TLayoutObject obj;
        obj.Line = line_;
        std::string keyword = Identifier("'object'");
        if (keyword != "object")
            Fail("expected 'object', found '" + keyword + "'");
        obj.Name = Identifier("a component name");
        Expect(':', "':' after the component name");
        obj.ClassName = Identifier("a class name");
        EndOfLine();
        for (;;) {
            SkipBlank();
            if (AtEnd())
                Fail("missing 'end' of object " + obj.Name);
            size_t save = pos_;
            std::string word = Identifier("a property, 'object' or 'end'");
            if (word == "end" && Peek() != '.' && Peek() != '=') {
                SkipInline();
                if (Peek() != '=') {
                    EndOfLine();
                    return obj;
                }
            }
            if (word == "object" && Peek() != '.') {
                SkipInline();
                if (Peek() != '=') {
                    pos_ = save;
                    obj.Children.push_back(ParseObject());
                    continue;
                }
            }
            pos_ = save;
            obj.Properties.push_back(PropertyLine());
        }
    }

    TLayoutProperty PropertyLine() {
        TLayoutProperty prop;
        prop.Line = line_;
        prop.Path = Path();
        Expect('=', "'=' after the property name");
        prop.Value = Value();
        EndOfLine();
        return prop;
    }

    // After '<': items up to '>'.
    void CollectionItems(TLayoutValue& v) {
        for (;;) {
            SkipBlank();
            if (AtEnd())
                Fail("missing '>' after the items");
            if (Peek() == '>') {
                ++pos_;
                return;
            }
            TLayoutItem item;
            item.Line = line_;
            if (Identifier("'item' or '>'") != "item")
                Fail("expected 'item' or '>'");
            EndOfLine();
            for (;;) {
                SkipBlank();
                if (AtEnd())
                    Fail("missing 'end' of an item");
                const size_t save = pos_;
                const std::string word = Identifier("a property or 'end'");
                SkipInline();
                if (word == "end" && Peek() != '=' && Peek() != '.')
                    break;
                pos_ = save;
                item.Properties.push_back(PropertyLine());
            }
            v.Elements.push_back(std::move(item));
        }
    }

    // After '{': hex digit pairs up to '}', across lines.
    void DataBytes(TLayoutValue& v) {
        int high = -1;
        for (;;) {
            SkipBlank();
            if (AtEnd())
                Fail("missing '}' after the data");
            const char c = text_[pos_++];
            if (c == '}')
                break;
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                Fail("expected hex digits in the data");
            const int d = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
            if (high < 0) {
                high = d;
            } else {
                v.Bytes.push_back(static_cast<uint8_t>(high * 16 + d));
                high = -1;
            }
        }
        if (high >= 0)
            Fail("odd number of hex digits in the data");
    }

    TLayoutValue Value() {
        SkipInline();
        TLayoutValue v;
        char c = Peek();
        if (c == '\'' || c == '#') {
            v.Kind = TLayoutValue::String;
            v.Text = StringLiteral();
        } else if (c == '<') {
            ++pos_;
            v.Kind = TLayoutValue::Collection;
            CollectionItems(v);
        } else if (c == '{') {
            ++pos_;
            v.Kind = TLayoutValue::Data;
            DataBytes(v);
        } else if (c == '[') {
            v.Kind = TLayoutValue::Set;
            ++pos_;
            SkipInline();
            if (Peek() == ']') {
                ++pos_;
                return v;
            }
            for (;;) {
                v.Items.push_back(Identifier("a set member"));
                SkipInline();
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                Expect(']', "',' or ']' in a set");
                break;
            }
        } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            v.Kind = TLayoutValue::Integer;
            v.Int = IntegerLiteral();
        } else if (IsIdentStart(c)) {
            std::string word = Identifier("a value");
            SkipInline();
            if (word == "resource" && Peek() == '(') {
                ++pos_;
                SkipInline();
                v.Kind = TLayoutValue::Resource;
                v.Text = StringLiteral();
                Expect(')', "')' after the resource name");
                if (v.Text.empty())
                    Fail("empty resource name");
            } else {
                v.Kind = TLayoutValue::Identifier;
                v.Text = word;
            }
        } else {
            Fail("expected a value");
        }
        return v;
    }

    int64_t IntegerLiteral() {
        bool negative = false;
        if (Peek() == '-') {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (Peek() == '$') {
            base = 16;
            ++pos_;
        } else if (Peek() == '0' && pos_ + 1 < text_.size() &&
                   (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
            base = 16;
            pos_ += 2;
        }
        uint64_t value = 0;
        int digits = 0;
        while (!AtEnd()) {
            char ch = text_[pos_];
            int d;
            if (ch >= '0' && ch <= '9')
                d = ch - '0';
            else if (base == 16 && std::isxdigit(static_cast<unsigned char>(ch)))
                d = std::tolower(static_cast<unsigned char>(ch)) - 'a' + 10;
            else
                break;
            if (value > (std::numeric_limits<uint64_t>::max() - d) / base)
                Fail("number too large");
            value = value * base + d;
            ++digits;
            ++pos_;
        }
        if (digits == 0)
            Fail("expected digits");
        if (IsIdentChar(Peek()))
            Fail("unexpected character in a number");
        // Hex literals may spell a full 32-bit pattern ($FF000000); decimal ones must fit.
        if (base == 10 && value > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
            Fail("number too large");
        if (value > 0xFFFFFFFFull && base == 16)
            Fail("number too large");
        int64_t signedValue = static_cast<int64_t>(value);
        return negative ? -signedValue : signedValue;
    }

    std::string StringLiteral() {
        std::string out;
        bool any = false;
        for (;;) {
            char c = Peek();
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (AtEnd() || Peek() == '\n')
                        Fail("unterminated text");
                    char ch = text_[pos_++];
                    if (ch == '\'') {
                        if (Peek() == '\'') {
                            out += '\'';
                            ++pos_;
                            continue;
                        }
                        break;
                    }
                    out += ch;
                }
                any = true;
            } else if (c == '#') {
                ++pos_;
                int code = 0, digits = 0;
                while (std::isdigit(static_cast<unsigned char>(Peek()))) {
                    code = code * 10 + (text_[pos_++] - '0');
                    if (++digits > 3 || code > 255)
                        Fail("character code out of range");
                }
                if (digits == 0)
                    Fail("expected a character code after '#'");
                out += static_cast<char>(code);
                any = true;
            } else {
                break;
            }
        }
        if (!any)
            Fail("expected a text in quotes");
        return out;
    }

    std::string_view text_;
    const std::string& name_;
    size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

TLayoutObject ParseLayout(std::string_view text, const std::string& layoutName) {
    return Parser(text, layoutName).ParseRoot();
}
