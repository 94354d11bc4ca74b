// A context menu whose items are drawn in the look of a skin style.
#pragma once

#include "skin/SkinnedMenuItems.h"

class TsuiPopupMenu : public TsuiSkinnedMenu<TPopupMenu> {
    VFC_CLASS(TsuiPopupMenu, TsuiSkinnedMenu<TPopupMenu>)
    // Takes the style of the skinned frame on the owner form; check marks from the list all
    // popup menus share.
    explicit TsuiPopupMenu(TComponent* owner);
};
