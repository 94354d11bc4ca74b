// Ownership of kernel and user handles (windows, registry keys, process and file handles),
// on the same owning template as the GDI handles.
#pragma once

#include "framework/GdiHandles.h"

using TOwnedWindow = TOwnedHandle<HWND, vfc_detail::FreedBy<&DestroyWindow>>;
using TOwnedRegistryKey = TOwnedHandle<HKEY, vfc_detail::FreedBy<&RegCloseKey>>;
using TOwnedKernelHandle = TOwnedHandle<HANDLE, vfc_detail::FreedBy<&CloseHandle>>;
