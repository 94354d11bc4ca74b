#include "skin/SUIThemes.h"

#include "framework/Forms.h"
#include "skin/AnsiFileAccess.h"
#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"

template <> const TEnumInfo& EnumInfoOf<TsuiUIStyle>() {
    static const TEnumInfo info{
        "TsuiUIStyle", {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"}};
    return info;
}

void LoadBuiltinBitmap(TsuiUIStyle style, ThemeRow row, TBitmap* bitmap) {
    if (!bitmap)
        return;
    const char* name = BuiltinBitmapName(style, row);
    // Rows without a picture (no bitmap row, or an empty name) leave the bitmap alone.
    if (!name || !*name)
        return;
    bitmap->LoadFromResourceName(Application->Instance(), name);
}

void LoadBuiltinBitmapFrame(TsuiUIStyle style, ThemeRow row, TBitmap* bitmap, int frameIndex,
                            int frameCount) {
    if (!bitmap)
        return;
    if (frameCount == 0) {
        LoadBuiltinBitmap(style, row, bitmap);
        return;
    }
    TBitmap strip;
    LoadBuiltinBitmap(style, row, &strip);
    if (strip.Empty())
        return;
    CutFrameFromStrip(&strip, bitmap, frameCount, frameIndex);
}

bool ResolveFileTheme(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle,
                      TsuiUIStyle& builtinStyle) {
    builtinStyle = uiStyle;
    if (uiStyle != FromThemeFile)
        return false;
    if (fileTheme && fileTheme->Ready())
        return true;
    builtinStyle = DeepBlue;
    return false;
}

TColor ThemeColor(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, ThemeRow row,
                  ThemeColorKey key) {
    TsuiUIStyle builtin = uiStyle;
    return ResolveFileTheme(fileTheme, uiStyle, builtin) ? fileTheme->GetThemeColor(key)
                                                         : GetBuiltinColor(builtin, row);
}

int ThemeInt(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, ThemeRow row, ThemeIntKey key) {
    TsuiUIStyle builtin = uiStyle;
    return ResolveFileTheme(fileTheme, uiStyle, builtin) ? fileTheme->GetThemeInt(key)
                                                         : GetBuiltinInt(builtin, row);
}

bool ThemeBool(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, ThemeRow row,
               ThemeBoolKey key) {
    TsuiUIStyle builtin = uiStyle;
    return ResolveFileTheme(fileTheme, uiStyle, builtin) ? fileTheme->GetThemeBool(key)
                                                         : GetBuiltinBool(builtin, row);
}

void ThemeBitmapFrame(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, ThemeRow row,
                      ThemeBitmapKey key, TBitmap* bitmap, int frameIndex, int frameCount) {
    TsuiUIStyle builtin = uiStyle;
    if (ResolveFileTheme(fileTheme, uiStyle, builtin))
        fileTheme->GetThemeBitmapFrame(key, bitmap, frameIndex, frameCount);
    else
        LoadBuiltinBitmapFrame(builtin, row, bitmap, frameIndex, frameCount);
}

TsuiUIStyle StyleOfOwnerForm(TComponent* owner) {
    auto* form = As<TCustomForm>(owner);
    if (!form)
        return DeepBlue;
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* frame = As<TsuiForm>(form->Controls(i)))
            return frame->UIStyle();
    return DeepBlue;
}

void PropagateStyle(TWinControl* container, TsuiUIStyle uiStyle, TsuiFileTheme* fileTheme) {
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (!HasNamedProperty(child, "FileTheme") || !HasNamedProperty(child, "UIStyle"))
            continue;
        SetObjectProp(*child, "FileTheme", fileTheme);
        SetOrdProp(*child, "UIStyle", uiStyle);
    }
}

std::unique_ptr<Tsk2SkinFileReader> TsuiFileThemeMgr::OpenReader(const std::string& fileName,
                                                                 const std::string& password) {
    return std::make_unique<Tsk2SkinFileReader>(fileName, password);
}

bool TsuiFileThemeMgr::LoadSkinFile(const std::string& fileName, const std::string& password) {
    if (!AnsiFileExists(fileName))
        return false;
    reader_.reset();
    try {
        reader_ = OpenReader(fileName, password);
    } catch (...) { // whatever goes wrong, the theme is not ready
        reader_.reset();
        return false;
    }
    if (!reader_)
        return false;
    if (!reader_->Ready())
        reader_.reset();
    return reader_ != nullptr;
}

TColor TsuiFileThemeMgr::GetThemeColor(ThemeColorKey key) const {
    return reader_ ? reader_->FindInteger(ThemeColorKeyName(key)) : 0;
}

int TsuiFileThemeMgr::GetThemeInt(ThemeIntKey key) const {
    return reader_ ? reader_->FindInteger(ThemeIntKeyName(key)) : 0;
}

bool TsuiFileThemeMgr::GetThemeBool(ThemeBoolKey key) const {
    return reader_ && reader_->FindBoolean(ThemeBoolKeyName(key)) != 0;
}

TBitmap* TsuiFileThemeMgr::GetThemeBitmap(ThemeBitmapKey key) const {
    return reader_ ? reader_->FindBitmap(ThemeBitmapKeyName(key)) : nullptr;
}
