"""Fast reads of screen pixels straight from the X server through libX11 (no extra packages).

`import -window root` takes a few hundred milliseconds per picture; XGetImage of one region takes
a few milliseconds, fast enough to poll for the first paint of a window.
"""

import ctypes
import ctypes.util

import numpy as np
from PIL import Image

_ALL_PLANES = ctypes.c_ulong(~0 & 0xFFFFFFFFFFFFFFFF)
_Z_PIXMAP = 2


class _XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.POINTER(ctypes.c_ubyte)),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
        ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong),
        ("blue_mask", ctypes.c_ulong),
    ]


def _load_xlib():
    lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    lib.XDefaultRootWindow.restype = ctypes.c_ulong
    lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    lib.XGetImage.restype = ctypes.POINTER(_XImage)
    lib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    lib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
    return lib


class ScreenReader:
    """One connection to an X display for reading root-window pixels as RGB arrays."""

    def __init__(self, display_name):
        self._xlib = _load_xlib()
        self._display = self._xlib.XOpenDisplay(display_name.encode())
        if not self._display:
            raise RuntimeError(f"cannot open X display {display_name}")
        self._root = self._xlib.XDefaultRootWindow(self._display)

    def close(self):
        if self._display:
            self._xlib.XCloseDisplay(self._display)
            self._display = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def grab(self, left, top, width, height):
        """The region as an array of shape (height, width, 3), dtype uint8, RGB order."""
        image = self._xlib.XGetImage(self._display, self._root, left, top, width, height,
                                     _ALL_PLANES, _Z_PIXMAP)
        if not image:
            raise RuntimeError(f"XGetImage failed for {width}x{height}+{left}+{top}")
        try:
            ximage = image.contents
            if ximage.bits_per_pixel != 32 or ximage.byte_order != 0:
                raise RuntimeError("expected a 24-bit screen stored as 32-bit little-endian pixels")
            size = ximage.bytes_per_line * height
            raw = np.ctypeslib.as_array(ximage.data, shape=(size,)).copy()
        finally:
            self._xlib.XDestroyImage(image)
        pixels = raw.reshape(height, ximage.bytes_per_line // 4, 4)[:, :width, :]
        return pixels[:, :, 2::-1].copy()  # BGRX in memory -> RGB

    def grab_image(self, left, top, width, height):
        return Image.fromarray(self.grab(left, top, width, height), "RGB")
