// Ownership of GDI handles as a matter of type: a TOwned...Handle frees what it holds, a plain
// handle (HBITMAP, HDC, ...) is only borrowed. All owners here are move-only. The guards of
// window, paint and saved DC state are in framework/DcGuards.h.
#pragma once

#include "framework/DcGuards.h"

#include <windows.h>

#include <utility>

namespace vfc_detail {
// The traits of an owner whose handle is freed by one system call.
template <auto FreeFunction> struct FreedBy {
    template <class Handle> static void Free(Handle h) { FreeFunction(h); }
};
using GdiObjectTraits = FreedBy<&DeleteObject>;
using IconTraits = FreedBy<&DestroyIcon>;
} // namespace vfc_detail

template <class Handle, class Traits> class TOwnedHandle {
public:
    TOwnedHandle() = default;
    explicit TOwnedHandle(Handle h) : handle_(h) {}
    ~TOwnedHandle() { Reset(); }
    TOwnedHandle(TOwnedHandle&& other) noexcept : handle_(other.Release()) {}
    TOwnedHandle& operator=(TOwnedHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    TOwnedHandle(const TOwnedHandle&) = delete;
    TOwnedHandle& operator=(const TOwnedHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives the handle up without freeing it.
    [[nodiscard]] Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle h = nullptr) {
        Handle old = std::exchange(handle_, h);
        if (old)
            Traits::Free(old);
    }

private:
    Handle handle_ = nullptr;
};

using TOwnedBitmapHandle = TOwnedHandle<HBITMAP, vfc_detail::GdiObjectTraits>;
using TOwnedFontHandle = TOwnedHandle<HFONT, vfc_detail::GdiObjectTraits>;
using TOwnedPenHandle = TOwnedHandle<HPEN, vfc_detail::GdiObjectTraits>;
using TOwnedBrushHandle = TOwnedHandle<HBRUSH, vfc_detail::GdiObjectTraits>;
using TOwnedRegionHandle = TOwnedHandle<HRGN, vfc_detail::GdiObjectTraits>;
using TOwnedIconHandle = TOwnedHandle<HICON, vfc_detail::IconTraits>;

// A memory device context (CreateCompatibleDC / DeleteDC).
class TMemoryDC {
public:
    // No DC yet.
    TMemoryDC() = default;
    // A new DC compatible with `reference`, or with the screen when it is null.
    explicit TMemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
    ~TMemoryDC() { Reset(); }
    void Reset() {
        if (dc_)
            DeleteDC(std::exchange(dc_, nullptr));
    }
    TMemoryDC(TMemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    TMemoryDC& operator=(TMemoryDC&& other) noexcept {
        if (this != &other) {
            if (dc_)
                DeleteDC(dc_);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_ = nullptr;
};

// Selects an object into a DC for the lifetime of this guard, then puts the previous one back.
class TScopedSelect {
public:
    TScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TScopedSelect() {
        if (dc_ && previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    TScopedSelect(TScopedSelect&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)),
          previous_(std::exchange(other.previous_, nullptr)) {}
    TScopedSelect& operator=(TScopedSelect&&) = delete;
    TScopedSelect(const TScopedSelect&) = delete;
    TScopedSelect& operator=(const TScopedSelect&) = delete;

    HGDIOBJ Previous() const { return previous_; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};
