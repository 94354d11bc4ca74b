// Objects, persistent objects and components with owners, names, state and notifications.
#pragma once

#include "framework/TypeInfo.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// Inside a class body: gives the class its type information.
#define VFC_CLASS(Class, Parent)                                                                   \
public:                                                                                            \
    using Inherited = Parent;                                                                      \
    static const TClassInfo& StaticClass();                                                        \
    const TClassInfo& ClassInfo() const override {                                                 \
        return StaticClass();                                                                      \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    friend class TClassBuilder<Class>;                                                             \
    static void DescribeClass(TClassBuilder<Class>& b);                                            \
                                                                                                   \
public:

// In the class's .cpp: VFC_DESCRIBE(TMyClass) { b.Property(...); ... }
#define VFC_DESCRIBE(Class)                                                                        \
    const TClassInfo& Class::StaticClass() {                                                       \
        static const TClassInfo& info = TClassBuilder<Class>::Build(#Class);                       \
        return info;                                                                               \
    }                                                                                              \
    void Class::DescribeClass(TClassBuilder<Class>& b)

template <class C> class TClassBuilder;

class TObject {
public:
    virtual ~TObject() = default;
    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassInfo() const { return StaticClass(); }
    const char* ClassName() const;
    bool InheritsFrom(const TClassInfo& info) const { return ClassInfo().InheritsFrom(info); }
    template <class T> bool Is() const { return InheritsFrom(T::StaticClass()); }
};

// Checked down-cast through the type information (no RTTI needed).
template <class T> T* As(TObject* object) {
    return object && object->Is<T>() ? static_cast<T*>(object) : nullptr;
}
template <class T> const T* As(const TObject* object) {
    return object && object->Is<T>() ? static_cast<const T*>(object) : nullptr;
}

class TPersistent : public TObject {
    VFC_CLASS(TPersistent, TObject)
    // Copies another object's contents; raises EConvertError-like EPropertyError when the
    // kinds do not fit.
    virtual void Assign(const TPersistent* source);
    // Loads the object's contents from a named resource of the executable (pictures).
    // Returns false when the class cannot be loaded that way.
    virtual bool AssignResource(const std::string& name);
    // Stored layouts keep some objects (pictures) as data: `Picture.Data = {424D...}`. False
    // when the class is not stored that way, or (saving) when there is nothing to store.
    virtual bool LoadData(const std::vector<uint8_t>& data);
    virtual bool SaveData(std::vector<uint8_t>& data) const;
};

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
    csLoading = 1,
    csReading = 2,
    csWriting = 4,
    csDestroying = 8,
    csDesigning = 16,
    csFreeNotification = 32,
};

class TComponent : public TPersistent {
    VFC_CLASS(TComponent, TPersistent)
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Destroys the component (and all it owns); the way components normally end.
    void Free();

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name);
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    int ComponentIndex() const;
    TComponent* FindComponent(std::string_view name) const;

    uint32_t ComponentState() const { return state_; }
    bool HasState(TComponentStateFlag f) const { return (state_ & f) != 0; }
    void SetDesigning(bool designing);

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Asks to be told (Notification opRemove) when `component` goes, across owners.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Stored layouts: loading brackets and parenting of children read inside this one.
    virtual void BeginLoading();
    virtual void Loaded();
    virtual void SetParentComponent(TComponent* parent);
    virtual TComponent* GetParentComponent() const { return nullptr; }

    int Tag = 0;

protected:
    // Sent to the owner, and from there to all its components, when a component is inserted
    // or removed; and to free-notification partners when one goes.
    virtual void Notification(TComponent* component, TOperation operation);
    // Marks this component and everything it owns as being destroyed.
    virtual void Destroying();
    void DestroyComponents();
    void SetState(TComponentStateFlag f, bool on) { state_ = on ? (state_ | f) : (state_ & ~f); }

private:
    void NotifyAll(TComponent* component, TOperation operation);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    uint32_t state_ = 0;
};

// ----------------------------------------------------------------------------------------------
// Class description

namespace vfc_detail {
template <class T> struct IsEvent : std::false_type {};
template <class Sig> struct IsEvent<TEvent<Sig>> : std::true_type {};
template <class T> struct IsSet : std::false_type {};
template <class E> struct IsSet<TSet<E>> : std::true_type { using Element = E; };

template <class V> TPropValue ToPropValue(const V& v) {
    if constexpr (std::is_same_v<V, bool>)
        return v;
    else if constexpr (std::is_enum_v<V>)
        return static_cast<int64_t>(v);
    else if constexpr (std::is_integral_v<V>)
        return static_cast<int64_t>(v);
    else if constexpr (IsSet<V>::value)
        return static_cast<int64_t>(v.Bits);
    else if constexpr (std::is_same_v<V, std::string>)
        return v;
    else if constexpr (IsEvent<V>::value)
        return v.ToMethod();
    else if constexpr (std::is_pointer_v<V>)
        return static_cast<TObject*>(const_cast<std::remove_const_t<std::remove_pointer_t<V>>*>(v));
    else
        static_assert(sizeof(V) == 0, "unsupported property type");
}

template <class V> V FromPropValue(const std::string& prop, const TPropValue& value) {
    if constexpr (std::is_same_v<V, bool>)
        return PropValueToOrdinal(prop, value) != 0;
    else if constexpr (std::is_enum_v<V>)
        return static_cast<V>(PropValueToOrdinal(prop, value));
    else if constexpr (std::is_integral_v<V>)
        return static_cast<V>(PropValueToOrdinal(prop, value));
    else if constexpr (IsSet<V>::value) {
        V s;
        s.Bits = static_cast<uint32_t>(PropValueToOrdinal(prop, value));
        return s;
    } else if constexpr (std::is_same_v<V, std::string>) {
        if (auto* s = std::get_if<std::string>(&value))
            return *s;
        throw EPropertyError("property " + prop + " expects a text");
    } else if constexpr (IsEvent<V>::value) {
        if (std::holds_alternative<std::monostate>(value))
            return V{};
        if (auto* m = std::get_if<TMethod>(&value)) {
            if (m->Code && (!m->Signature || *m->Signature != typeid(V)))
                throw EPropertyError("event " + prop + " expects another handler signature");
            return V::FromMethod(*m);
        }
        throw EPropertyError("property " + prop + " expects a method");
    } else if constexpr (std::is_pointer_v<V>) {
        using T = std::remove_const_t<std::remove_pointer_t<V>>;
        if (std::holds_alternative<std::monostate>(value))
            return nullptr;
        if (auto* o = std::get_if<TObject*>(&value)) {
            if (!*o)
                return nullptr;
            if (auto* t = As<T>(*o))
                return t;
            throw EPropertyError("property " + prop + " expects a " + T::StaticClass().Name());
        }
        throw EPropertyError("property " + prop + " expects an object");
    } else
        static_assert(sizeof(V) == 0, "unsupported property type");
}

template <class V> void FillType(TPropInfo& p) {
    if constexpr (std::is_same_v<V, bool>)
        p.Type = TPropType::Boolean;
    else if constexpr (std::is_enum_v<V>) {
        p.Type = TPropType::Enum;
        p.Enum = &EnumInfoOf<V>();
    } else if constexpr (std::is_integral_v<V>)
        p.Type = TPropType::Integer;
    else if constexpr (IsSet<V>::value) {
        p.Type = TPropType::Set;
        p.Enum = &EnumInfoOf<typename IsSet<V>::Element>();
    } else if constexpr (std::is_same_v<V, std::string>)
        p.Type = TPropType::String;
    else if constexpr (IsEvent<V>::value) {
        p.Type = TPropType::Event;
        p.Signature = &typeid(V);
    } else if constexpr (std::is_pointer_v<V>) {
        using T = std::remove_const_t<std::remove_pointer_t<V>>;
        p.Type = std::is_base_of_v<TComponent, T> ? TPropType::Component : TPropType::Object;
        p.ValueClassOf = &T::StaticClass;
    }
}

template <class F> struct MemberFn;
template <class C, class R> struct MemberFn<R (C::*)() const> {
    using Value = std::remove_cvref_t<R>;
};
template <class C, class R> struct MemberFn<R (C::*)() const noexcept> {
    using Value = std::remove_cvref_t<R>;
};
} // namespace vfc_detail

template <class C> class TClassBuilder {
public:
    static const TClassInfo& Build(const char* name) {
        static TClassInfo info(name, &C::Inherited::StaticClass());
        TClassBuilder b(info);
        if constexpr (!std::is_abstract_v<C>) {
            if constexpr (std::is_constructible_v<C, TComponent*>)
                info.Create = [](TObject* owner) -> TObject* {
                    return new C(static_cast<TComponent*>(owner));
                };
            else if constexpr (std::is_default_constructible_v<C>)
                info.Create = [](TObject*) -> TObject* { return new C(); };
        }
        C::DescribeClass(b);
        return info;
    }

    // Property read by a const getter and written by a setter taking the value (by value or
    // const reference).
    template <class Getter, class Setter>
    TPropInfo& Property(const char* name, Getter getter, Setter setter) {
        using V = typename vfc_detail::MemberFn<Getter>::Value;
        TPropInfo& p = Add(name);
        vfc_detail::FillType<V>(p);
        p.Get = [getter](const TObject& o) {
            return vfc_detail::ToPropValue<V>((static_cast<const C&>(o).*getter)());
        };
        if constexpr (!std::is_same_v<Setter, std::nullptr_t>)
            p.Set = [setter, name = std::string(name)](TObject& o, const TPropValue& v) {
                (static_cast<C&>(o).*setter)(vfc_detail::FromPropValue<V>(name, v));
            };
        return p;
    }
    template <class Getter> TPropInfo& ReadOnly(const char* name, Getter getter) {
        return Property(name, getter, nullptr);
    }

    // Property kept in a data member, written directly (events, plain stores).
    template <class V, class Base> TPropInfo& Field(const char* name, V Base::*member) {
        static_assert(std::is_base_of_v<Base, C>, "the field must belong to the class");
        TPropInfo& p = Add(name);
        vfc_detail::FillType<V>(p);
        p.Get = [member](const TObject& o) {
            return vfc_detail::ToPropValue<V>(static_cast<const Base&>(static_cast<const C&>(o)).*member);
        };
        p.Set = [member, name = std::string(name)](TObject& o, const TPropValue& v) {
            static_cast<Base&>(static_cast<C&>(o)).*member = vfc_detail::FromPropValue<V>(name, v);
        };
        return p;
    }

    // Keeps an inherited property readable and writable by name but out of stored layouts.
    void Unstored(const char* name) {
        if (const TPropInfo* inherited = C::Inherited::StaticClass().FindProperty(name)) {
            TPropInfo copy = *inherited;
            copy.Stored = false;
            Add(name) = std::move(copy);
        }
    }

    // A published method that stored layouts bind events to by name.
    template <auto Member, class EventType> void Method(const char* name) {
        info_.Methods.push_back(
            TMethodInfo{name, [](TObject& o) {
                            return EventType::template Bind<Member>(static_cast<C*>(&o)).ToMethod();
                        }});
    }

private:
    explicit TClassBuilder(TClassInfo& info) : info_(info) {}
    TPropInfo& Add(const char* name) {
        info_.Properties.push_back(TPropInfo{});
        info_.Properties.back().Name = name;
        return info_.Properties.back();
    }
    TClassInfo& info_;
};
