// Ownership of kernel and user handles (windows, registry keys, process and file handles),
// on the same owning template as the GDI handles.
#pragma once

#include "framework/GdiHandles.h"

namespace vfc_detail {
struct WindowTraits {
    static void Free(HWND h) { DestroyWindow(h); }
};
struct RegistryKeyTraits {
    static void Free(HKEY h) { RegCloseKey(h); }
};
struct KernelHandleTraits {
    static void Free(HANDLE h) { CloseHandle(h); }
};
} // namespace vfc_detail

using TOwnedWindow = TOwnedHandle<HWND, vfc_detail::WindowTraits>;
using TOwnedRegistryKey = TOwnedHandle<HKEY, vfc_detail::RegistryKeyTraits>;
using TOwnedKernelHandle = TOwnedHandle<HANDLE, vfc_detail::KernelHandleTraits>;
