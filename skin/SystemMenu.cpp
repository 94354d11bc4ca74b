// The title bar's system menu: Minimize, Maximize/Restore, a line and Close, enabled by the
// bar's visible buttons each time it opens.
#include "framework/ResourceStrings.h"
#include "skin/SUIResourceStrings.h"
#include "skin/SUITitleBar.h"

namespace {
constexpr int kRightToLeftMenuShift = 176;

bool HasVisibleButton(const TsuiTitleBar* bar, TsuiTitleBarBtnType type) {
    if (!bar)
        return false;
    for (int i = 0; i < bar->Buttons()->Count(); ++i) {
        const TsuiTitleBarButton* button = bar->Buttons()->Items(i);
        if (button->ButtonType() == type && button->Visible())
            return true;
    }
    return false;
}
} // namespace

VFC_DESCRIBE(TsuiTitleBarPopupMenu) {
    (void)b;
}

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TComponent* owner) : TsuiPopupMenu(owner) {
    SetAutoHotkeys(maManual);
    struct Entry {
        const char* Line; // a separator when set
        UINT Text;
        TNotifyEvent Click;
    };
    const Entry entries[] = {
        {nullptr, SSysMenuMinimize,
         TNotifyEvent::Bind<&TsuiTitleBarPopupMenu::MinimizeClick>(this)},
        {nullptr, SSysMenuMaximizeRestore,
         TNotifyEvent::Bind<&TsuiTitleBarPopupMenu::MaximizeRestoreClick>(this)},
        {"-", 0, {}},
        {nullptr, SSysMenuClose, TNotifyEvent::Bind<&TsuiTitleBarPopupMenu::CloseClick>(this)},
    };
    for (const Entry& entry : entries) {
        auto* item = new TMenuItem(this);
        item->SetCaption(entry.Line ? std::string(entry.Line) : LoadResString(entry.Text));
        item->OnClick = entry.Click;
        Items()->Add(item);
    }
    AttachItemHandlers();
}

TsuiTitleBarPopupMenu::~TsuiTitleBarPopupMenu() = default;

void TsuiTitleBarPopupMenu::Popup(int x, int y) {
    if (titleBar_ && titleBar_->RightToLeft())
        x += kRightToLeftMenuShift;
    Items()->Items(MinimizeIndex)->SetEnabled(HasVisibleButton(titleBar_, suiMin));
    Items()->Items(MaximizeRestoreIndex)->SetEnabled(HasVisibleButton(titleBar_, suiMax));
    Items()->Items(CloseIndex)->SetEnabled(HasVisibleButton(titleBar_, suiClose));
    TsuiPopupMenu::Popup(x, y);
}

void TsuiTitleBarPopupMenu::MinimizeClick(TObject*) {
    TCustomForm* form = titleBar_ ? GetParentForm(titleBar_) : nullptr;
    if (!form)
        return;
    if (form == Application->MainForm())
        SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    else
        form->SetWindowState(wsMinimized);
}

void TsuiTitleBarPopupMenu::MaximizeRestoreClick(TObject*) {
    if (!titleBar_)
        return;
    for (int i = 0; i < titleBar_->Buttons()->Count(); ++i) {
        TsuiTitleBarButton* button = titleBar_->Buttons()->Items(i);
        if (button->ButtonType() == suiMax && button->Visible())
            button->Click();
    }
}

void TsuiTitleBarPopupMenu::CloseClick(TObject*) {
    if (TCustomForm* form = titleBar_ ? GetParentForm(titleBar_) : nullptr)
        form->Close();
}
