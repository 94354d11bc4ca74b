// The gallery's main window: a plain form with a skinned title bar (help and custom buttons
// besides the standard ones), a row of style buttons, picture buttons in their states, a status
// line and a skinned popup menu on right click.
#pragma once

#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/StdCtrls.h"
#include "gallery/TraceWriter.h"
#include "skin/SUIButton.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUITitleBar.h"

class TfrmGallery : public TForm {
    VFC_CLASS(TfrmGallery, TForm)
    explicit TfrmGallery(TComponent* owner) : TForm(owner) {}

    // Components of the stored layout, found by name once it has been read.
    TsuiTitleBar* TitleBar1() const;
    TsuiPopupMenu* PopupMenu1() const;
    TImageList* ImageList1() const;
    TLabel* lblStatus() const;
    TsuiImageButton* Button(std::string_view name) const;

    // Trace lines go to `trace`, which must outlive the form.
    void SetTrace(const TTraceWriter* trace) { trace_ = trace; }
    // Loads the skin file into the form's file theme; false when it cannot be loaded.
    bool LoadSkin(const std::string& fileName, const std::string& password);
    // Gives every control of the window the style (FromThemeFile: the loaded skin), traces
    // it and marks it in the choosers. The popup menu's Style items and the style buttons come
    // here, as any other chooser of the window should.
    void SwitchStyle(TsuiUIStyle style);
    TsuiUIStyle CurrentStyle() const { return style_; }
    TsuiFileTheme* FileTheme() const { return fileTheme_; }

    void FormCreate(TObject* Sender);
    void FormMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void MenuItemClick(TObject* Sender);
    void StyleItemClick(TObject* Sender);
    void StyleButtonClick(TObject* Sender);
    void StateButtonClick(TObject* Sender);
    void TitleBar1HelpBtnClick(TObject* Sender, int ButtonIndex);
    void TitleBar1CustomBtnsClick(TObject* Sender, int ButtonIndex);

private:
    template <class T> T* Find(std::string_view name) const;
    void Trace(const std::string& line) const;
    void Status(const std::string& text) const;
    void RestyleButtons();
    void RestylePictures();
    void MarkStyle();

    const TTraceWriter* trace_ = nullptr;
    TsuiFileTheme* fileTheme_ = nullptr; // owned by the form
    TsuiUIStyle style_ = DeepBlue;
};

// Registers the classes the stored layout names.
void RegisterGalleryClasses(TClassRegistry& classes);
