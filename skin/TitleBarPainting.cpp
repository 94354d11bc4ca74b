// Painting of the title bar: sections into the paint buffer and the frame's strip bitmaps,
// then buttons, the application icon or control box, and the caption.
#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"
#include "skin/SUITitleBar.h"

namespace {
// On a skinned frame the pictures start under the frame's top border.
constexpr int kSkinnedTopOffset = -3;
constexpr int kFallbackSideOffset = -3;
// Caption section: room kept beside the caption text.
constexpr int kCaptionSectionMargin = 21;
constexpr int kCaptionSectionPadding = 17;
// The application icon, and the room it takes before the caption.
constexpr int kIconSize = 16;
constexpr int kIconInset = 3;
constexpr int kIconRoom = 21;
constexpr int kIconLeftInset = 4;
constexpr int kControlBoxGap = 5;
constexpr int kCaptionStartWithoutIcon = 6;
constexpr int kRightToLeftCaptionGap = 10;
constexpr int kFileCaptionRaise = 3;
constexpr int kProteinCaptionDrop = 3;
constexpr char kEllipsis[] = "...";

bool HasArea(const TRect& r) {
    return r.Right > r.Left && r.Bottom > r.Top;
}

void StretchInto(TCanvas& canvas, const TRect& r, TBitmap* picture) {
    if (picture && HasArea(r))
        canvas.StretchDraw(r, picture);
}

// The caption cut to what fits in `room`, with "..." appended; "..." alone when nothing fits.
std::string ShortenedCaption(TCanvas& canvas, const std::string& caption, int room) {
    if (canvas.TextWidth(caption) <= room)
        return caption;
    std::string text = caption;
    while (!text.empty() && canvas.TextWidth(text + kEllipsis) > room)
        text.pop_back();
    return text + kEllipsis;
}
} // namespace

void TsuiTitleBar::Paint() {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    // Kept between paints, so that its DC, bitmap and font are made once, not on every hover.
    if (!paintBuffer_) {
        paintBuffer_ = std::make_unique<TBitmap>();
        paintBuffer_->SetPixelFormat(pf24bit); // drawn in the process, not by the display
    }
    TBitmap& buffer = *paintBuffer_;
    buffer.Canvas()->Brush()->SetStyle(bsClear);
    buffer.Canvas()->SetFont(Font());
    buffer.SetSize(w, h);
    PatBlt(buffer.Canvas()->Handle(), 0, 0, w, h, WHITENESS); // as a new bitmap starts
    DrawSections(buffer);
    DrawButtonsAndCaption(buffer);
    if (Canvas()->HandleAllocated())
        BitBlt(Canvas()->Handle(), 0, 0, w, h, buffer.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsuiTitleBar::DrawSections(TBitmap& buffer) {
    if (!GetParentForm(this))
        return;
    const int w = buffer.Width(), h = buffer.Height();
    int dx = 0, dy = 0;
    if (OnSkinnedForm()) {
        const int border = BorderWidth();
        dx = border == 0 ? kFallbackSideOffset : -border;
        dy = kSkinnedTopOffset;
    }
    int buttonsWidth = 0;
    for (int i = 0; i < buttons_->Count(); ++i)
        buttonsWidth += buttons_->Items(i)->PicNormal()->Width() + buttonInterval_;

    strip_->SetSize(std::max(0, w - 2 * dx), std::max(0, h - dy));
    back_->SetSize(strip_->Width(), strip_->Height());
    if (!back_->Empty()) {
        back_->Canvas()->Brush()->SetColor(fillColor_);
        back_->Canvas()->FillRect(Rect(0, 0, back_->Width(), back_->Height()));
    }
    TCanvas& out = *buffer.Canvas();
    TCanvas* strip = strip_->Empty() ? nullptr : strip_->Canvas();
    int x = dx, right = w - dx, lastLeftWidth = 0;
    TsuiTitleBarSection* client = nullptr;
    bool captionDrawn = false;

    for (int i = 0; i < sections_->Count(); ++i) {
        TsuiTitleBarSection* section = sections_->Items(i);
        TBitmap* picture = section->PictureBitmap();
        const int pw = picture ? picture->Width() : 0, ph = picture ? picture->Height() : 0;
        if (section->CapSec()) {
            const int next = i + 1 < sections_->Count() ? sections_->Items(i + 1)->Width() : 0;
            EllipsizeText(&out, caption_,
                          w - leftBtnXOffset_ - kCaptionSectionMargin - buttonsWidth - next,
                          fittedCaption_);
            const int sw = out.TextWidth(fittedCaption_) + leftBtnXOffset_ +
                           kCaptionSectionPadding - lastLeftWidth;
            StretchInto(out, Rect(x, dy, x + sw, dy + ph), picture);
            if (strip)
                StretchInto(*strip, Rect(x - dx, 0, x + sw - dx, ph), picture);
            x += sw;
            captionDrawn = true;
            continue;
        }
        switch (section->Align()) {
        case suiLeft:
            if (picture) {
                out.Draw(x, dy, picture);
                if (strip)
                    strip->Draw(x - dx, 0, picture);
            }
            x += pw;
            lastLeftWidth = pw;
            break;
        case suiRight:
            if (picture) {
                TBitmap over;
                over.SetPixelFormat(pf24bit);
                over.Assign(picture);
                over.SetPixelFormat(pf24bit);
                over.SetTransparentColor(transColor_);
                over.SetTransparent(true);
                TBitmap backed;
                backed.SetPixelFormat(pf24bit);
                backed.SetSize(pw, ph);
                backed.Canvas()->Brush()->SetColor(fillColor_);
                backed.Canvas()->FillRect(Rect(0, 0, pw, ph));
                backed.Canvas()->Draw(0, 0, &over);
                out.Draw(right - pw, dy, &backed);
                if (strip)
                    strip->Draw(right - dx - pw, 0, picture);
            }
            right -= pw;
            break;
        case suiClient:
            client = section;
            break;
        }
    }
    if (client && client->PictureBitmap()) {
        TBitmap* picture = client->PictureBitmap();
        StretchInto(out, Rect(x, dy, right, dy + picture->Height()), picture);
        if (strip)
            StretchInto(*strip, Rect(x - dx, 0, right - dx, picture->Height()), picture);
    }
    if (!back_->Empty())
        back_->Canvas()->Draw(0, 0, strip_.get());
    if (!captionDrawn)
        fittedCaption_.clear();
    else if (auto* frame = As<TsuiForm>(Parent()))
        frame->RepaintFrame();
}

void TsuiTitleBar::DrawButtonPicture(TBitmap& buffer, TBitmap& scratch, TsuiTitleBarButton& button,
                                     TPicture* picture, int x, int y) {
    auto* image = As<TBitmap>(picture->Graphic());
    if (!image)
        return;
    const int w = scratch.Width(), h = scratch.Height();
    scratch.SetTransparent(false);
    scratch.Canvas()->CopyRect(Rect(0, 0, w, h), image->Canvas(),
                               Rect(0, 0, image->Width(), image->Height()));
    if (uiStyle_ != FromThemeFile)
        scratch.SetTransparentColor(scratch.Canvas()->Pixels(0, h - 1));
    scratch.SetTransparent(button.Transparent());
    buffer.Canvas()->Draw(x, y, &scratch);
}

void TsuiTitleBar::DrawApplicationIcon(TBitmap& buffer, int x, int y) {
    // A 16 x 16 copy of the application's icon, made again only when the icon changed.
    HICON source = Application->Icon()->Handle();
    if (!iconCopy_ || source != iconSource_) {
        iconSource_ = source;
        if (source)
            iconCopy_.Reset(static_cast<HICON>(
                CopyImage(source, IMAGE_ICON, kIconSize, kIconSize, LR_COPYFROMRESOURCE)));
        else
            iconCopy_.Reset(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON",
                                                          IMAGE_ICON, kIconSize, kIconSize, 0)));
    }
    if (iconCopy_)
        DrawIconEx(buffer.Canvas()->Handle(), x, y, iconCopy_.Get(), kIconSize, kIconSize, 0,
                   nullptr, DI_NORMAL);
}

void TsuiTitleBar::DrawButtonsAndCaption(TBitmap& buffer) {
    if (!GetParentForm(this))
        return;
    const int w = buffer.Width();
    const int border = BorderWidth();
    int limit = w - rightBtnXOffset_ + border - 1;

    TBitmap scratch;
    if (uiStyle_ == FromThemeFile) {
        scratch.SetPixelFormat(pf24bit);
        scratch.SetTransparentColor(transColor_);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const TPoint p = ScreenToClient({cursor.x, cursor.y});
    hotButton_ = -1;
    int controlBox = -1;

    auto pictureFor = [&](TsuiTitleBarButton& button, int index, const TRect& r) {
        if (!PointInRect(p, r))
            return button.PicNormal();
        hotButton_ = index;
        return mouseIsDown_ ? button.PicMouseDown() : button.PicMouseOn();
    };

    for (int i = 0; i < buttons_->Count(); ++i) {
        TsuiTitleBarButton& button = *buttons_->Items(i);
        if (!button.Visible() || !button.HasPictures())
            continue;
        const int bw = button.PicNormal()->Width(), bh = button.PicNormal()->Height();
        if (button.ButtonType() == suiControlBox) {
            controlBox = i;
            continue;
        }
        limit -= button.ButtonType() == suiClose ? bw : bw + buttonInterval_ + 1;
        if (w < limit + bw + 1)
            limit = w - bw - 1;
        const TRect r = Rect(limit, buttonTop_, limit + bw, buttonTop_ + bh);
        scratch.SetSize(bw, bh);
        DrawButtonPicture(buffer, scratch, button, pictureFor(button, i, r), limit, buttonTop_);
    }

    int iconX = std::max(0, leftBtnXOffset_ - kIconLeftInset - (border - 1));
    if (controlBox >= 0) {
        TsuiTitleBarButton& box = *buttons_->Items(controlBox);
        const int bw = box.PicNormal()->Width(), bh = box.PicNormal()->Height();
        const TRect r = Rect(iconX, iconTop_, iconX + bw, iconTop_ + bh);
        if (drawAppIcon_) {
            if (PointInRect(p, r))
                hotButton_ = controlBox;
            DrawApplicationIcon(buffer, iconX + kIconInset, iconTop_);
            iconX += kIconRoom;
        } else {
            scratch.SetSize(bw, bh);
            DrawButtonPicture(buffer, scratch, box, pictureFor(box, controlBox, r), iconX,
                              iconTop_ - 1);
            iconX += bw + kControlBoxGap;
        }
    }
    if (iconX == 0)
        iconX = kCaptionStartWithoutIcon;

    TCanvas& out = *buffer.Canvas();
    if (!formActive_)
        out.Font()->SetColor(inactiveCaptionColor_);
    const std::string text =
        !fittedCaption_.empty() ? fittedCaption_ : ShortenedCaption(out, caption_, limit - iconX);
    const int x = RightToLeft() ? limit - out.TextWidth(text) - kRightToLeftCaptionGap : iconX;
    TsuiUIStyle builtin = uiStyle_;
    int y = buttonTop_;
    if (ResolveFileTheme(fileTheme_, uiStyle_, builtin))
        y = captionTop_ - kFileCaptionRaise;
    else if (builtin == Protein)
        y = buttonTop_ + kProteinCaptionDrop;
    out.Brush()->SetStyle(bsClear);
    out.TextOut(x, y, text);
}
