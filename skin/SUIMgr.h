// A non-visual component that gives the skinned controls of its form a look loaded from a
// skin file. Controls point at it through their FileTheme property.
#pragma once

#include "skin/SUIThemes.h"

class TsuiFileTheme : public TComponent {
    VFC_CLASS(TsuiFileTheme, TComponent)
    explicit TsuiFileTheme(TComponent* owner);
    ~TsuiFileTheme() override;

    const std::string& ThemeFile() const { return themeFile_; }
    // Finds the file (as given, then beside the executable, in the Windows folder and in
    // the system folder, each by its file-name part) and loads it. A name found nowhere
    // changes nothing. After a successful load every "Tsui" component of the form that uses
    // this theme re-applies it.
    void SetThemeFile(const std::string& value);
    const std::string& Password() const { return password_; }
    // A non-empty password reloads the current file; an empty one is only stored.
    void SetPassword(const std::string& value);
    bool Ready() const { return ready_; }
    // Stored layouts carry Ready; the written value never overrides the real state.
    void SetReady(bool) {}

    // Without a skin: 0 (colour, integer), false, none; a skin without the record: -1, -1,
    // false, none.
    TColor GetThemeColor(ThemeColorKey key) const { return manager_->GetThemeColor(key); }
    int GetThemeInt(ThemeIntKey key) const { return manager_->GetThemeInt(key); }
    bool GetThemeBool(ThemeBoolKey key) const { return manager_->GetThemeBool(key); }
    TBitmap* GetThemeBitmap(ThemeBitmapKey key) const { return manager_->GetThemeBitmap(key); }
    // Frame frameIndex of frameCount of the theme bitmap, or a copy of the whole bitmap when
    // either is 0 (an empty bitmap when the theme has none).
    void GetThemeBitmapFrame(ThemeBitmapKey key, TBitmap* dest, int frameIndex,
                             int frameCount) const;

    // The places tried for a theme file name, in order.
    static std::vector<std::string> CandidatePaths(const std::string& value);
    // The same with the Windows and system folder queries given; a folder whose query fails
    // gives no candidate (never one in the root of the current drive).
    using TFolderQuery = UINT(WINAPI*)(LPSTR, UINT);
    static std::vector<std::string>
    CandidatePaths(const std::string& value, TFolderQuery windowsFolder, TFolderQuery systemFolder);

private:
    void ReapplyToForm(bool wasEmpty);

    std::unique_ptr<TsuiFileThemeMgr> manager_;
    std::string themeFile_;
    bool ready_ = false;
    std::string password_;
};
