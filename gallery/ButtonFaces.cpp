#include "gallery/ButtonFaces.h"

#include "skin/SUIThemes.h"

#include <algorithm>

namespace {
// Frames of each style's button strip (normal, mouse on, mouse down, disabled, then focus
// and default looks the gallery does not use); WinXP has no disabled frame.
int StripFrames(TsuiUIStyle style) {
    switch (style) {
    case MacOS:
        return 4;
    case WinXP:
        return 3;
    case BlueGlass:
        return 7;
    default:
        return 6;
    }
}

// Columns kept unstretched at each end of a frame: its rounded corners.
constexpr int kEndWidth = 6;

int FrameOf(TsuiUIStyle style, TFaceState state) {
    const int frame = static_cast<int>(state) + 1;
    return frame <= StripFrames(style) ? frame : 1;
}
} // namespace

void ComposeButtonFace(TsuiUIStyle style, TFaceState state, int width, TPicture& face) {
    TBitmap frame;
    LoadBuiltinBitmapFrame(style, ThemeRow::ButtonPicture, &frame, FrameOf(style, state),
                           StripFrames(style));
    TBitmap* out = face.Bitmap();
    const int height = frame.Height();
    out->SetSize(width, height);
    const int end = std::min(kEndWidth, frame.Width() / 2);
    TCanvas* canvas = out->Canvas();
    canvas->CopyRect(TRect{0, 0, end, height}, frame.Canvas(), TRect{0, 0, end, height});
    canvas->CopyRect(TRect{end, 0, width - end, height}, frame.Canvas(),
                     TRect{end, 0, frame.Width() - end, height});
    canvas->CopyRect(TRect{width - end, 0, width, height}, frame.Canvas(),
                     TRect{frame.Width() - end, 0, frame.Width(), height});
}
