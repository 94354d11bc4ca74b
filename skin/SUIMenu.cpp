#include "skin/SUIMenu.h"

#include "framework/Bitmap.h"
#include "framework/CanvasScope.h"
#include "framework/Forms.h"

static_assert(sizeof(NONCLIENTMETRICSA) >= kNonClientMetricsSize);

namespace {
// A separator line runs this far below the item's top, this far clear of the side bar and
// this far short of the item's other end.
constexpr int kSeparatorLineTop = 2;
constexpr int kSeparatorBarGap = 4;
constexpr int kSeparatorEndGap = 2;

// How many top rows of the MacOS menu pictures are stretched over a separator and an item.
constexpr int kMacSeparatorRows = 12;
constexpr int kMacItemRows = 20;
} // namespace

bool LoadMenuFontSized(TFont* font, UINT metricsSize) {
    if (!font)
        return false;
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = metricsSize;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0))
        return false;
    font->SetHandle(CreateFontIndirectA(&metrics.lfMenuFont));
    font->SetColor(clMenuText);
    return true;
}

void LoadMenuFont(TFont* font) {
    LoadMenuFontSized(font, kNonClientMetricsSize);
}

void HookOwnerDrawItems(TMenuItem* item, TMenuMeasureItemEvent onMeasure,
                        TMenuDrawItemEvent onDraw) {
    if (!item)
        return;
    item->OnDrawItem = onDraw;
    item->OnMeasureItem = onMeasure;
    for (int i = 0; i < item->Count(); ++i)
        HookOwnerDrawItems(item->Items(i), onMeasure, onDraw);
}

void DrawMenuSeparatorLine(TCanvas* canvas, TRect rect, TColor color, bool leftToRight,
                           int barWidth) {
    if (!canvas)
        return;
    canvas->Pen()->SetColor(color);
    const int y = rect.Top + kSeparatorLineTop;
    if (leftToRight) {
        canvas->MoveTo(rect.Left + barWidth + kSeparatorBarGap, y);
        canvas->LineTo(rect.Right - kSeparatorEndGap, y);
    } else {
        canvas->MoveTo(rect.Left + kSeparatorEndGap, y);
        canvas->LineTo(rect.Right - barWidth - kSeparatorBarGap, y);
    }
}

namespace {

void PaintMacPicture(TCanvas* canvas, const TRect& rect, const char* resource, int rows) {
    if (!canvas)
        return;
    TBitmap picture;
    picture.LoadFromResourceName(Application->Instance(), resource);
    picture.SetHeight(rows); // keeps the upper rows
    canvas->StretchDraw(rect, &picture);
}

} // namespace

void PaintMacMenuSeparator(TCanvas* canvas, TRect rect) {
    PaintMacPicture(canvas, rect, "MACOS_MENU_BAR", kMacSeparatorRows);
}

void PaintMacMenuHighlight(TCanvas* canvas, TRect rect) {
    PaintMacPicture(canvas, rect, "MACOS_MENU_SELECT", kMacItemRows);
}

void PaintMacMenuBackground(TCanvas* canvas, TRect rect) {
    PaintMacPicture(canvas, rect, "MACOS_MENU_BAR", kMacItemRows);
}

void DrawFlatMenuFrame(HWND menuWindow, TColor frameColor, TColor edgeColor) {
    RECT w{};
    if (!menuWindow || !GetWindowRect(menuWindow, &w))
        return;
    const TWindowDC screen(GetDesktopWindow(), TWindowDC::WholeWindow);
    if (!screen)
        return;
    TBorrowedCanvas lent(screen.Get());
    TCanvas& canvas = *lent;
    // The top edge line runs one pixel past the right edge: keep it on the window.
    IntersectClipRect(screen.Get(), w.left, w.top, w.right, w.bottom);
    const int l = w.left, t = w.top, r = w.right, b = w.bottom;
    canvas.Brush()->SetColor(frameColor);
    canvas.FrameRect(Rect(l, t + 1, r - 1, b - 1));
    canvas.Brush()->SetColor(clWhite);
    canvas.FrameRect(Rect(l + 1, t + 2, r - 2, b - 2));
    canvas.Pen()->SetColor(edgeColor);
    canvas.MoveTo(l, b - 1);
    canvas.LineTo(r - 1, b - 1);
    canvas.LineTo(r - 1, t);
    canvas.LineTo(r, t);
    canvas.LineTo(l, t);
}
