// Skinned menus under test: items added by caption, an item measured and drawn through the
// menu's owner-draw dispatch into a memory bitmap, style pictures from the resources, a forced
// right-to-left locale and real popups watched while they are open.
#pragma once

#include "skin/SUIMainMenu.h"
#include "skin/SUIPopupMenu.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

constexpr TsuiUIStyle kBuiltinStyles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

TMenuItem* AddItem(TMenu& menu, const std::string& caption);
// WM_MEASUREITEM as Windows sends it for the item: width and height.
TSize MeasureThrough(TMenu& menu, TMenuItem* item);
// WM_DRAWITEM into a fresh bitmap of the given size, first filled with `under`.
std::unique_ptr<TBitmap> DrawThrough(TMenu& menu, TMenuItem* item, int width, int height,
                                     bool selected, TColor under = 0x00FF00FF);
// A bitmap resource of the program.
std::unique_ptr<TBitmap> Picture(const char* resource);
// An image list of one 16 x 16 image of one colour.
std::unique_ptr<TImageList> SolidImages(TColor color);

// The application's locale answers Middle East while the scope lives.
class TMiddleEastLocale : public TLocale {
public:
    TMiddleEastLocale() { Application->SetLocale(this); }
    ~TMiddleEastLocale() override { Application->SetLocale(nullptr); }
    bool IsMiddleEastLocale() const override { return true; }
};

// Opens the menu at (x, y) and watches the open menu window until `seen` holds (or five
// seconds passed); then closes the menu. True when `seen` held.
bool PopupUntil(TPopupMenu& menu, int x, int y, const std::function<bool(HWND menuWindow)>& seen);
