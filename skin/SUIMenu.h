// Pieces of the owner-drawn menus: the system menu font, handlers on a whole item tree,
// separator lines, the MacOS menu pictures and the flat frame around an open menu window.
#pragma once

#include "framework/Canvas.h"
#include "framework/Menus.h"

#include <windows.h>

// The record size of NONCLIENTMETRICSA without iPaddedBorderWidth, which every system reads.
constexpr UINT kNonClientMetricsSize = 340;

// The font takes the system menu font and the colour clMenuText; unchanged when the system
// cannot tell.
void LoadMenuFont(TFont* font);
// LoadMenuFont with a given record size; false (font unchanged) when the system call fails.
bool LoadMenuFontSized(TFont* font, UINT metricsSize);

// The item and, depth first in index order, every item below it get both handlers.
void HookOwnerDrawItems(TMenuItem* item, TMenuMeasureItemEvent onMeasure,
                        TMenuDrawItemEvent onDraw);

// A line in the pen colour `color`, two pixels below the top, keeping clear of the side bar
// (on the left when leftToRight, else on the right). The end point is not painted.
void DrawMenuSeparatorLine(TCanvas* canvas, TRect rect, TColor color, bool leftToRight,
                           int barWidth);

// The MacOS menu pictures, loaded from the executable on every call and stretched over rect:
// the top 12 rows of "MACOS_MENU_BAR" for separators, the top 20 rows of "MACOS_MENU_SELECT"
// for the selected item, the top 20 rows of "MACOS_MENU_BAR" for the background.
void PaintMacMenuSeparator(TCanvas* canvas, TRect rect);
void PaintMacMenuHighlight(TCanvas* canvas, TRect rect);
void PaintMacMenuBackground(TCanvas* canvas, TRect rect);

// Three rings over an open menu window, drawn on the screen: frameColor inset by one row at
// the top and one pixel at the right and bottom, white inside it, edgeColor along the
// outermost bottom row, right column and top row. Nothing is drawn outside the window.
void DrawFlatMenuFrame(HWND menuWindow, TColor frameColor, TColor edgeColor);
