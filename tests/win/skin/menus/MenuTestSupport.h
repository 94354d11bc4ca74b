// Skinned menus under test: items measured and drawn through a menu's owner-draw dispatch,
// style pictures, a right-to-left locale and real popups watched while open.
#pragma once

#include "skin/SUIMainMenu.h"
#include "skin/SUIPopupMenu.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

constexpr TsuiUIStyle kBuiltinStyles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

TMenuItem* AddItem(TMenu& menu, const std::string& caption);
// The menu is built first (which attaches the handlers), then WM_MEASUREITEM as Windows sends
// it; WM_DRAWITEM into a new bitmap.
TSize MeasureThrough(TMenu& menu, TMenuItem* item);
std::unique_ptr<TBitmap> DrawThrough(TMenu& menu, TMenuItem* item, int width, int height,
                                     bool selected);
// WM_DRAWITEM with the DC, sent to the window that owns the menu.
void SendDrawItem(HWND owner, HDC dc, TMenuItem* item, RECT rect);
std::unique_ptr<TBitmap> Picture(const char* resource);
// One 16 x 16 image of one colour.
std::unique_ptr<TImageList> SolidImages(TColor color);

class TMiddleEastLocale : public TLocale {
public:
    TMiddleEastLocale() { Application->SetLocale(this); }
    ~TMiddleEastLocale() override { Application->SetLocale(nullptr); }
    bool IsMiddleEastLocale() const override { return true; }
};

// Opens the menu and closes it once `seen` holds for the open menu window, or after the pump
// timeout; true when it held.
bool PopupUntil(TPopupMenu& menu, const std::function<bool(HWND menuWindow)>& seen);
