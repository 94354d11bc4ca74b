// Run-time type information: classes with their stored properties and published methods.
// Each framework class describes itself once (VFC_CLASS in the class, VFC_DESCRIBE in its .cpp);
// properties are then readable and writable by name, case-insensitively, through the class and
// all its ancestors. Stored layouts and by-name property access both go through this.
#pragma once

#include "framework/Events.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeinfo>
#include <variant>
#include <vector>

class TObject;
class TClassInfo;

// Names of an enumeration's members, in value order starting from First.
struct TEnumInfo {
    const char* Name;
    std::vector<std::string> Members;
    int First = 0;
    std::optional<int> ValueOf(std::string_view member) const;
    std::string NameOf(int value) const;
};

// Each enumeration used as a property type specialises this.
template <class E> const TEnumInfo& EnumInfoOf();

// A set of enumeration members as a bit mask (bit n = member with value n).
template <class E> struct TSet {
    uint32_t Bits = 0;
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members) {
        for (E m : members)
            Bits |= 1u << static_cast<unsigned>(m);
    }
    constexpr bool Contains(E m) const { return (Bits >> static_cast<unsigned>(m)) & 1u; }
    constexpr TSet& Include(E m) {
        Bits |= 1u << static_cast<unsigned>(m);
        return *this;
    }
    constexpr TSet& Exclude(E m) {
        Bits &= ~(1u << static_cast<unsigned>(m));
        return *this;
    }
    constexpr bool Empty() const { return Bits == 0; }
    friend constexpr bool operator==(TSet, TSet) = default;
};

enum class TPropType { Integer, Boolean, String, Enum, Set, Color, Object, Component, Event };

// A property value in transit. Integers, enumerations, sets and colours travel as int64_t.
using TPropValue = std::variant<std::monostate, int64_t, bool, std::string, TObject*, TMethod>;

class EPropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TPropInfo {
    std::string Name;
    TPropType Type = TPropType::Integer;
    const TEnumInfo* Enum = nullptr; // Enum and Set
    // Object and Component: the declared class (a function, since a class may refer to itself).
    const TClassInfo& (*ValueClassOf)() = nullptr;
    const std::type_info* Signature = nullptr; // Event
    std::optional<int64_t> Default;            // ordinal properties: not stored when equal
    bool Stored = true;
    // When set, the property is stored only while this holds for the object.
    std::function<bool(const TObject&)> StoredIf;
    std::function<TPropValue(const TObject&)> Get;
    std::function<void(TObject&, const TPropValue&)> Set; // empty for read-only properties

    const TClassInfo* ValueClass() const { return ValueClassOf ? &ValueClassOf() : nullptr; }
    TPropInfo& WithDefault(int64_t value) {
        Default = value;
        return *this;
    }
    TPropInfo& AsColor() {
        Type = TPropType::Color;
        return *this;
    }
    TPropInfo& NotStored() {
        Stored = false;
        return *this;
    }
    TPropInfo& StoredWhen(std::function<bool(const TObject&)> predicate) {
        StoredIf = std::move(predicate);
        return *this;
    }
};

struct TMethodInfo {
    std::string Name;
    std::function<TMethod(TObject&)> Bind;
};

class TClassInfo {
public:
    TClassInfo(const char* name, const TClassInfo* parent) : name_(name), parent_(parent) {}
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    const char* Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(const TClassInfo& other) const;

    // Looks through this class and its ancestors; names compare without regard to case.
    const TPropInfo* FindProperty(std::string_view name) const;
    const TMethodInfo* FindMethod(std::string_view name) const;
    // Own and inherited properties in stored order: ancestors first; a redeclared property
    // stands where the descendant declares it.
    std::vector<const TPropInfo*> AllProperties() const;

    // Creates an instance for a stored layout (components get the owner; other persistent
    // classes ignore it). Empty for abstract classes.
    std::function<TObject*(TObject* owner)> Create;

    std::vector<TPropInfo> Properties;
    std::vector<TMethodInfo> Methods;

private:
    const char* name_;
    const TClassInfo* parent_;
};

// Class-name look-up for stored layouts. The application object owns the one in use.
class TClassRegistry {
public:
    void Register(const TClassInfo& info);
    const TClassInfo* Find(std::string_view name) const;

private:
    std::vector<const TClassInfo*> classes_;
};

bool SameText(std::string_view a, std::string_view b);

// By-name property access. Unknown names raise EPropertyError.
const TPropInfo* FindPropInfo(const TObject& object, std::string_view name);
TPropValue GetPropValue(const TObject& object, std::string_view name);
void SetPropValue(TObject& object, std::string_view name, const TPropValue& value);
int64_t GetOrdProp(const TObject& object, std::string_view name);
void SetOrdProp(TObject& object, std::string_view name, int64_t value);
std::string GetStrProp(const TObject& object, std::string_view name);
void SetStrProp(TObject& object, std::string_view name, const std::string& value);
TObject* GetObjectProp(const TObject& object, std::string_view name);
void SetObjectProp(TObject& object, std::string_view name, TObject* value);

// Converts a value to the property's type; raises EPropertyError when it does not fit.
int64_t PropValueToOrdinal(const std::string& propName, const TPropValue& value);
