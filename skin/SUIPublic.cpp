#include "skin/SUIPublic.h"

#include "framework/ImgList.h"

void QueryWorkArea(TRect& rect) {
    RECT area{};
    if (TCustomForm* main = Application->MainForm()) {
        // A form without a window yet is placed by its bounds, without making the window.
        HMONITOR monitor = nullptr;
        if (main->HandleAllocated()) {
            monitor = MonitorFromWindow(main->Handle(), MONITOR_DEFAULTTONEAREST);
        } else {
            const TRect b = main->BoundsRect();
            const RECT bounds{b.Left, b.Top, b.Right, b.Bottom};
            monitor = MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST);
        }
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        GetMonitorInfoA(monitor, &info);
        area = info.rcWork;
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    rect = Rect(area.left, area.top, area.right, area.bottom);
}

void MoveControlToRect(TControl* control, TRect rect) {
    if (!control)
        return;
    control->SetLeft(rect.Left);
    control->SetTop(rect.Top);
    control->SetWidth(rect.Right - rect.Left);
    control->SetHeight(rect.Bottom - rect.Top);
}

bool FormIsActive(TCustomForm* form) {
    TCustomForm* main = Application->MainForm();
    if (!main)
        return form && form->Active();
    const bool mdiFrame = main->FormStyle() == fsMDIForm;
    if (mdiFrame && form == main)
        return true;
    if (!Application->Active())
        return false;
    if (!form || form == main)
        return true;
    if (mdiFrame && main->ClientHandle() && form->HandleAllocated()) {
        const auto active =
            reinterpret_cast<HWND>(SendMessageA(main->ClientHandle(), WM_MDIGETACTIVE, 0, 0));
        if (active == form->Handle())
            return true;
    }
    return form->Active();
}

void DrawThreeSliceBar(TBitmap* bitmap, TCanvas* canvas, TRect rect, TColor transColor,
                       bool transparent) {
    if (!bitmap || !canvas)
        return;
    const TThreeSlicePlan plan = ThreeSlicePlan(bitmap->Width(), bitmap->Height(), rect);
    if (plan.FrameWidth < 1 || bitmap->Height() < 1)
        return;

    // Frame 0 is the left cap, 1 the middle, 2 the right cap.
    TImageList frames(nullptr);
    frames.SetWidth(plan.FrameWidth);
    frames.SetHeight(bitmap->Height());
    if (transparent)
        frames.AddMasked(bitmap, transColor);
    else
        frames.Add(bitmap, nullptr);

    for (int i = 0; i < plan.Count; ++i) {
        const TSlicePiece& piece = plan.Pieces[static_cast<size_t>(i)];
        const int frame = piece.Source.Left / plan.FrameWidth;
        if (piece.Masked) {
            frames.Draw(*canvas, piece.Dest.Left, piece.Dest.Top, frame);
            continue;
        }
        TBitmap copy;
        frames.GetBitmap(frame, &copy);
        if (piece.Stretched) {
            canvas->StretchDraw(piece.Dest, &copy);
        } else {
            copy.SetWidth(piece.Dest.Width()); // keeps the left part
            canvas->Draw(piece.Dest.Left, piece.Dest.Top, &copy);
        }
    }
}

void CutFrameFromStrip(TBitmap* source, TBitmap* dest, int frameCount, int frameIndex) {
    if (!source || !dest || source->Empty())
        return;
    const TRect from = FrameSourceRect(source->Width(), source->Height(), frameCount, frameIndex);
    const int width = from.Width(), height = from.Height();
    // Through a bitmap of its own, so that source and dest may be one bitmap.
    TBitmap frame;
    frame.SetPixelFormat(pf24bit);
    frame.SetSize(width, height);
    BitBlt(frame.Canvas()->Handle(), 0, 0, width, height, source->Canvas()->Handle(), from.Left,
           from.Top, SRCCOPY);
    dest->SetSize(width, height);
    BitBlt(dest->Canvas()->Handle(), 0, 0, width, height, frame.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void SplitRGB(TColor color, uint8_t& r, uint8_t& g, uint8_t& b) {
    const TRGBTriple rgb = SplitResolvedRGB(static_cast<TColor>(ColorToRGB(color)));
    r = rgb.R;
    g = rgb.G;
    b = rgb.B;
}

namespace {

// One line of a gradient: a horizontal line at `at` (down) or a vertical one (across).
void GradientLine(TCanvas* canvas, const TRect& rect, bool down, int at, TColor color) {
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(down ? rect.Left : at, down ? at : rect.Top);
    canvas->LineTo(down ? rect.Right : at, down ? at : rect.Bottom);
}

// The end lines in the two colours exactly, the lines between them blended per component.
void PaintGradient(TCanvas* canvas, const TRect& rect, bool down, TColor fromColor,
                   TColor toColor) {
    const int first = down ? rect.Top : rect.Left;
    const int end = down ? rect.Bottom : rect.Right;
    if (!canvas || end <= first)
        return;
    uint8_t r0, g0, b0, r1, g1, b1;
    SplitRGB(fromColor, r0, g0, b0);
    SplitRGB(toColor, r1, g1, b1);
    GradientLine(canvas, rect, down, first, fromColor);
    for (int at = first + 1; at <= end - 2; ++at) {
        auto step = [&](int c0, int c1) {
            return down ? GradientDownComponent(c0, c1, first, end, at)
                        : GradientAcrossComponent(c0, c1, first, end, at);
        };
        GradientLine(canvas, rect, down, at, ComposeRGB(step(r0, r1), step(g0, g1), step(b0, b1)));
    }
    GradientLine(canvas, rect, down, end - 1, toColor);
}

} // namespace

void PaintGradientDown(TCanvas* canvas, TRect rect, TColor fromColor, TColor toColor) {
    PaintGradient(canvas, rect, true, fromColor, toColor);
}

void PaintGradientAcross(TCanvas* canvas, TRect rect, TColor fromColor, TColor toColor) {
    PaintGradient(canvas, rect, false, fromColor, toColor);
}

void FrameRectColored(TCanvas* canvas, TRect rect, TColor color) {
    if (!canvas)
        return;
    canvas->Brush()->SetColor(color);
    canvas->FrameRect(rect);
}

void FillRectColored(TCanvas* canvas, TRect rect, TColor color) {
    if (!canvas)
        return;
    canvas->Brush()->SetColor(color);
    canvas->FillRect(rect);
}

void EllipsizeText(TCanvas* canvas, const std::string& text, int maxWidth, std::string& result) {
    result = text;
    if (!canvas || canvas->TextWidth(result) <= maxWidth)
        return;
    for (size_t i = 1; i < text.size(); ++i) {
        result = text.substr(0, i) + "...";
        if (canvas->TextWidth(result) >= maxWidth)
            return;
    }
    result = text;
}

bool HasNamedProperty(const TObject* component, std::string_view name) {
    if (!component)
        return false;
    const TPropInfo* prop = component->ClassInfo().FindProperty(name);
    return prop && prop->Stored;
}
