// UI styles on the Windows side: the style enumeration as a stored property type, the
// built-in bitmaps of the executable, how a component finds its look, and the manager that
// holds a loaded skin file for a file theme.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Controls.h"
#include "skin/BuiltinThemeTable.h"
#include "skin/SUI2SkinReader.h"
#include "skin/SUIResDef.h"
#include "skin/SUIStyle.h"

#include <memory>

template <> const TEnumInfo& EnumInfoOf<TsuiUIStyle>();

class TsuiFileTheme;

// Loads the row's bitmap resource into `bitmap` when the row is a bitmap row of the style;
// otherwise leaves `bitmap` as it was. A missing resource raises the bitmap's load error.
void LoadBuiltinBitmap(TsuiUIStyle style, ThemeRow row, TBitmap* bitmap);
// Frame frameIndex of frameCount of the row's strip; frameCount 0 loads the whole picture.
void LoadBuiltinBitmapFrame(TsuiUIStyle style, ThemeRow row, TBitmap* bitmap, int frameIndex,
                            int frameCount);

// Decides where a control takes its look from. True: from the ready file theme. False: from
// the built-in table with `builtinStyle` (DeepBlue standing in for FromThemeFile).
bool ResolveFileTheme(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle,
                      TsuiUIStyle& builtinStyle);

// One look that has both a file-theme record and a built-in row: the record when
// ResolveFileTheme chooses the file theme, otherwise the row of the built-in style it gives.
TColor ThemeColor(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, ThemeRow row,
                  ThemeColorKey key);
int ThemeInt(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, ThemeRow row, ThemeIntKey key);
bool ThemeBool(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, ThemeRow row, ThemeBoolKey key);
// Frame frameIndex of frameCount of the strip, as GetThemeBitmapFrame or
// LoadBuiltinBitmapFrame cut it.
void ThemeBitmapFrame(const TsuiFileTheme* fileTheme, TsuiUIStyle uiStyle, ThemeRow row,
                      ThemeBitmapKey key, TBitmap* bitmap, int frameIndex, int frameCount);
// The initial style of a new skinned component: that of the skinned frame on its form.
TsuiUIStyle StyleOfOwnerForm(TComponent* owner);
// Gives every direct child of `container` that has both stored properties "FileTheme" and
// "UIStyle" the theme and then the style, through by-name property writes.
void PropagateStyle(TWinControl* container, TsuiUIStyle uiStyle, TsuiFileTheme* fileTheme);

// Holds the reader of one loaded skin file and answers look-ups by key.
class TsuiFileThemeMgr {
public:
    TsuiFileThemeMgr() = default;
    virtual ~TsuiFileThemeMgr() = default;
    TsuiFileThemeMgr(const TsuiFileThemeMgr&) = delete;
    TsuiFileThemeMgr& operator=(const TsuiFileThemeMgr&) = delete;

    // False, keeping the current reader, when the file does not exist. Otherwise the current
    // reader goes, whatever the new one does; a reader that raises or is not ready leaves
    // none.
    bool LoadSkinFile(const std::string& fileName, const std::string& password);
    bool HasReader() const { return reader_ != nullptr; }

    // Without a reader: 0, 0, false and none.
    TColor GetThemeColor(ThemeColorKey key) const;
    int GetThemeInt(ThemeIntKey key) const;
    bool GetThemeBool(ThemeBoolKey key) const;
    TBitmap* GetThemeBitmap(ThemeBitmapKey key) const;

protected:
    // The reader of a file that exists; a replaceable seam for tests.
    virtual std::unique_ptr<Tsk2SkinFileReader> OpenReader(const std::string& fileName,
                                                           const std::string& password);

private:
    std::unique_ptr<Tsk2SkinFileReader> reader_;
};
