// Method references: an object and one of its member functions, called with the sender first.
// An event is empty until bound; calling an empty event is a no-op returning a default value.
#pragma once

#include <typeinfo>
#include <utility>

class TObject;

// Type-erased method reference, as stored in property values and method tables.
struct TMethod {
    void (*Code)() = nullptr;
    void* Data = nullptr;
    const std::type_info* Signature = nullptr;
    explicit operator bool() const { return Code != nullptr; }
    friend bool operator==(const TMethod& a, const TMethod& b) {
        return a.Code == b.Code && a.Data == b.Data;
    }
};

template <class Sig> class TEvent;

template <class R, class... A> class TEvent<R(A...)> {
    using Thunk = R (*)(void*, A...);

public:
    TEvent() = default;

    // TEvent<void(TObject*)>::Bind<&TForm1::ButtonClick>(form)
    template <auto Member, class C> static TEvent Bind(C* object) {
        TEvent e;
        e.data_ = object;
        e.code_ = [](void* d, A... args) -> R {
            return (static_cast<C*>(d)->*Member)(std::forward<A>(args)...);
        };
        return e;
    }

    R operator()(A... args) const {
        if (!code_) {
            if constexpr (std::is_void_v<R>)
                return;
            else
                return R{};
        }
        return code_(data_, std::forward<A>(args)...);
    }

    explicit operator bool() const { return code_ != nullptr; }
    void* Object() const { return data_; }

    TMethod ToMethod() const {
        return TMethod{reinterpret_cast<void (*)()>(code_), data_, &typeid(TEvent)};
    }
    // An empty method, or one of another signature, gives an empty event.
    static TEvent FromMethod(const TMethod& m) {
        TEvent e;
        if (m.Code && m.Signature && *m.Signature == typeid(TEvent)) {
            e.code_ = reinterpret_cast<Thunk>(m.Code);
            e.data_ = m.Data;
        }
        return e;
    }

    friend bool operator==(const TEvent& a, const TEvent& b) {
        return a.code_ == b.code_ && a.data_ == b.data_;
    }

private:
    void* data_ = nullptr;
    Thunk code_ = nullptr;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;
