#include "skin/SUIPopupMenu.h"

#include "skin/SUIMgr.h"

VFC_DESCRIBE(TsuiPopupMenu) {
    DescribeSkinnedMenu(b);
}

TsuiPopupMenu::TsuiPopupMenu(TComponent* owner)
    : TsuiSkinnedMenu<TPopupMenu>(owner, SharedCheckMarks(), true) {
    TMenu::SetOwnerDraw(true);
}
