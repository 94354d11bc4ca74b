#include "framework/LayoutWriter.h"

#include "framework/Collections.h"

#include <cstdio>

namespace {

constexpr int kIndent = 2;
constexpr size_t kDataBytesPerLine = 32;
// Nested objects (Font.Name) are followed this deep; layouts never go further.
constexpr int kMaxNesting = 4;

std::string Quoted(const std::string& text) {
    std::string out;
    bool open = false;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < ' ' || u >= 0x7F) {
            if (open)
                out += '\'';
            open = false;
            out.push_back('#');
            out.append(std::to_string(u));
            continue;
        }
        if (!open)
            out.push_back('\'');
        open = true;
        out.push_back(c);
        if (c == '\'')
            out.push_back(c);
    }
    if (open)
        out += '\'';
    return out.empty() ? "''" : out;
}

std::string Hex32(int64_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(value & 0xFFFFFFFF));
    return buffer;
}

class Writer {
public:
    explicit Writer(const TComponent& root) : root_(root) {}

    std::string Run() {
        Component(root_, 0);
        return out_;
    }

private:
    void Line(int depth, const std::string& text) {
        out_.append(static_cast<size_t>(depth * kIndent), ' ');
        out_ += text;
        out_ += '\n';
    }

    // Closes a list or data block on the line written last: "end>", "...}".
    void EndLastLineWith(char c) {
        out_.pop_back();
        out_.push_back(c);
        out_.push_back('\n');
    }

    void Component(const TComponent& component, int depth) {
        Line(depth, "object " + component.Name() + ": " + component.ClassName());
        Properties(component, "", depth + 1, 0);
        for (int i = 0; i < root_.ComponentCount(); ++i) {
            const TComponent* child = root_.Components(i);
            const TComponent* parent = child->GetParentComponent();
            if ((parent ? parent : &root_) == &component && child != &component)
                Component(*child, depth + 1);
        }
        Line(depth, "end");
    }

    std::string MethodName(const TMethod& method) const {
        for (const TClassInfo* c = &root_.ClassInfo(); c; c = c->Parent())
            for (const TMethodInfo& m : c->Methods)
                if (m.Bind(const_cast<TComponent&>(root_)) == method)
                    return m.Name;
        return {};
    }

    std::string ComponentName(const TObject* object) const {
        if (object == &root_)
            return root_.Name();
        auto* component = As<TComponent>(object);
        return component && component->Owner() == &root_ ? component->Name() : std::string();
    }

    void Properties(const TObject& object, const std::string& prefix, int depth, int nesting) {
        for (const TPropInfo* p : object.ClassInfo().AllProperties()) {
            if (!p->Stored || !p->Get || (p->StoredIf && !p->StoredIf(object)))
                continue;
            const TPropValue value = p->Get(object);
            const std::string name = prefix + p->Name;
            if (p->Type == TPropType::Object) {
                Object(std::get_if<TObject*>(&value) ? std::get<TObject*>(value) : nullptr, *p,
                       name, depth, nesting);
                continue;
            }
            if (!p->Set)
                continue;
            const std::string text = Scalar(*p, value);
            if (!text.empty())
                Line(depth, name + " = " + text);
        }
    }

    // The value's text; empty when it is not stored (a default, an empty reference).
    std::string Scalar(const TPropInfo& p, const TPropValue& value) const {
        if (auto* m = std::get_if<TMethod>(&value))
            return *m ? MethodName(*m) : std::string();
        if (auto* o = std::get_if<TObject*>(&value))
            return *o ? ComponentName(*o) : std::string();
        if (auto* s = std::get_if<std::string>(&value))
            return Quoted(*s);
        if (std::holds_alternative<std::monostate>(value))
            return {};
        const int64_t ordinal = PropValueToOrdinal(p.Name, value);
        if (p.Default && *p.Default == ordinal)
            return {};
        switch (p.Type) {
        case TPropType::Boolean:
            return ordinal ? "True" : "False";
        case TPropType::Enum:
            return p.Enum->NameOf(static_cast<int>(ordinal));
        case TPropType::Set: {
            std::string out = "[";
            for (size_t i = 0; i < p.Enum->Members.size(); ++i)
                if ((ordinal >> (p.Enum->First + static_cast<int>(i))) & 1) {
                    if (out.size() > 1)
                        out += ", ";
                    out += p.Enum->Members[i];
                }
            return out + "]";
        }
        case TPropType::Color:
            return Hex32(ordinal);
        default:
            return std::to_string(ordinal);
        }
    }

    void Object(const TObject* nested, const TPropInfo& p, const std::string& name, int depth,
                int nesting) {
        if (!nested || nesting >= kMaxNesting)
            return;
        if (auto* collection = As<TCollection>(nested)) {
            if (collection->Count() == 0)
                return;
            Line(depth, name + " = <");
            for (int i = 0; i < collection->Count(); ++i) {
                Line(depth + 1, "item");
                Properties(*collection->Item(i), "", depth + 2, nesting + 1);
                Line(depth + 1, "end");
            }
            EndLastLineWith('>');
            return;
        }
        std::vector<uint8_t> data;
        if (auto* persistent = As<TPersistent>(nested); persistent && persistent->SaveData(data)) {
            Data(name, data, depth);
            return;
        }
        if (p.Set || !nested->ClassInfo().AllProperties().empty())
            Properties(*nested, name + ".", depth, nesting + 1);
    }

    void Data(const std::string& name, const std::vector<uint8_t>& data, int depth) {
        Line(depth, name + " = {");
        static const char digits[] = "0123456789ABCDEF";
        for (size_t start = 0; start < data.size(); start += kDataBytesPerLine) {
            std::string row;
            for (size_t i = start; i < data.size() && i < start + kDataBytesPerLine; ++i) {
                row += digits[data[i] >> 4];
                row += digits[data[i] & 0xF];
            }
            Line(depth + 1, row);
        }
        EndLastLineWith('}');
    }

    const TComponent& root_;
    std::string out_;
};

} // namespace

std::string WriteLayout(const TComponent& root) {
    return Writer(root).Run();
}
