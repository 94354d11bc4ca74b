#include "framework/TypeInfo.h"

#include "framework/Classes.h"

#include <algorithm>
#include <cctype>

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::optional<int> TEnumInfo::ValueOf(std::string_view member) const {
    for (size_t i = 0; i < Members.size(); ++i)
        if (SameText(Members[i], member))
            return First + static_cast<int>(i);
    return std::nullopt;
}

std::string TEnumInfo::NameOf(int value) const {
    const int index = value - First;
    if (index >= 0 && index < static_cast<int>(Members.size()))
        return Members[index];
    return std::to_string(value);
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (c == &other)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const TPropInfo& p : c->Properties)
            if (SameText(p.Name, name))
                return &p;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const TMethodInfo& m : c->Methods)
            if (SameText(m.Name, name))
                return &m;
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = this; c; c = c->parent_)
        chain.push_back(c);
    std::vector<const TPropInfo*> result;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const TPropInfo& p : (*it)->Properties) {
            // A redeclared property (same name in a descendant) replaces the ancestor's and
            // takes the descendant's place in the stored order.
            auto same = std::find_if(result.begin(), result.end(),
                                     [&](const TPropInfo* q) { return SameText(q->Name, p.Name); });
            if (same != result.end())
                result.erase(same);
            result.push_back(&p);
        }
    return result;
}

void TClassRegistry::Register(const TClassInfo& info) {
    if (!Find(info.Name()))
        classes_.push_back(&info);
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
    for (const TClassInfo* c : classes_)
        if (SameText(c->Name(), name))
            return c;
    return nullptr;
}

const TPropInfo* FindPropInfo(const TObject& object, std::string_view name) {
    return object.ClassInfo().FindProperty(name);
}

static const TPropInfo& RequireProp(const TObject& object, std::string_view name) {
    const TPropInfo* p = FindPropInfo(object, name);
    if (!p)
        throw EPropertyError(std::string("unknown property '") + std::string(name) + "' of " +
                             object.ClassName());
    return *p;
}

TPropValue GetPropValue(const TObject& object, std::string_view name) {
    return RequireProp(object, name).Get(object);
}

void SetPropValue(TObject& object, std::string_view name, const TPropValue& value) {
    const TPropInfo& p = RequireProp(object, name);
    if (!p.Set)
        throw EPropertyError("property '" + p.Name + "' of " + object.ClassName() +
                             " is read-only");
    p.Set(object, value);
}

int64_t PropValueToOrdinal(const std::string& propName, const TPropValue& value) {
    if (auto* i = std::get_if<int64_t>(&value))
        return *i;
    if (auto* b = std::get_if<bool>(&value))
        return *b ? 1 : 0;
    throw EPropertyError("property " + propName + " expects an ordinal value");
}

int64_t GetOrdProp(const TObject& object, std::string_view name) {
    return PropValueToOrdinal(std::string(name), GetPropValue(object, name));
}

void SetOrdProp(TObject& object, std::string_view name, int64_t value) {
    const TPropInfo& p = RequireProp(object, name);
    if (p.Type == TPropType::Boolean)
        SetPropValue(object, name, value != 0);
    else
        SetPropValue(object, name, value);
}

std::string GetStrProp(const TObject& object, std::string_view name) {
    TPropValue v = GetPropValue(object, name);
    if (auto* s = std::get_if<std::string>(&v))
        return *s;
    throw EPropertyError("property '" + std::string(name) + "' is not a text");
}

void SetStrProp(TObject& object, std::string_view name, const std::string& value) {
    SetPropValue(object, name, value);
}

TObject* GetObjectProp(const TObject& object, std::string_view name) {
    TPropValue v = GetPropValue(object, name);
    if (auto* o = std::get_if<TObject*>(&v))
        return *o;
    throw EPropertyError("property '" + std::string(name) + "' is not an object");
}

void SetObjectProp(TObject& object, std::string_view name, TObject* value) {
    SetPropValue(object, name, value);
}
