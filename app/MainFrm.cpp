#include "app/MainFrm.h"

#include "app/ToolLauncher.h"

#include <oleacc.h>

VFC_DESCRIBE(TfrmMain) {
    b.Method<&TfrmMain::FormCreate, TNotifyEvent>("FormCreate");
    b.Method<&TfrmMain::Image1MouseEnter, TNotifyEvent>("Image1MouseEnter");
    b.Method<&TfrmMain::Image1MouseDown, TMouseEvent>("Image1MouseDown");
    b.Method<&TfrmMain::btnCloseClick, TNotifyEvent>("btnCloseClick");
    b.Method<&TfrmMain::btnHomepageClick, TNotifyEvent>("btnHomepageClick");
    b.Method<&TfrmMain::btnScreenRecorderClick, TNotifyEvent>("btnScreenRecorderClick");
    b.Method<&TfrmMain::btnSlideVideoMakerClick, TNotifyEvent>("btnSlideVideoMakerClick");
    b.Method<&TfrmMain::btnVideoDVDMakerClick, TNotifyEvent>("btnVideoDVDMakerClick");
    b.Method<&TfrmMain::btnVideoEditorClick, TNotifyEvent>("btnVideoEditorClick");
    b.Method<&TfrmMain::btnDVDRipperClick, TNotifyEvent>("btnDVDRipperClick");
    b.Method<&TfrmMain::btnVideoConverterClick, TNotifyEvent>("btnVideoConverterClick");
    b.Method<&TfrmMain::btnAudioConverterClick, TNotifyEvent>("btnAudioConverterClick");
    b.Method<&TfrmMain::btnAudioRecorderClick, TNotifyEvent>("btnAudioRecorderClick");
    b.Method<&TfrmMain::btnScreenRecorderMouseEnter, TNotifyEvent>("btnScreenRecorderMouseEnter");
    b.Method<&TfrmMain::btnSlideVideoMakerMouseEnter, TNotifyEvent>("btnSlideVideoMakerMouseEnter");
    b.Method<&TfrmMain::btnVideoDVDMakerMouseEnter, TNotifyEvent>("btnVideoDVDMakerMouseEnter");
    b.Method<&TfrmMain::btnVideoEditorMouseEnter, TNotifyEvent>("btnVideoEditorMouseEnter");
    b.Method<&TfrmMain::btnDVDRipperMouseEnter, TNotifyEvent>("btnDVDRipperMouseEnter");
    b.Method<&TfrmMain::btnVideoConverterMouseEnter, TNotifyEvent>("btnVideoConverterMouseEnter");
    b.Method<&TfrmMain::btnAudioConverterMouseEnter, TNotifyEvent>("btnAudioConverterMouseEnter");
    b.Method<&TfrmMain::btnAudioRecorderMouseEnter, TNotifyEvent>("btnAudioRecorderMouseEnter");
}

void RegisterLauncherClasses(TClassRegistry& classes) {
    classes.Register(TImage::StaticClass());
    classes.Register(TLabel::StaticClass());
    classes.Register(TsuiImageButton::StaticClass());
    classes.Register(TfrmMain::StaticClass());
}

template <class T> T* TfrmMain::Find(std::string_view name) const {
    return As<T>(FindComponent(name));
}

TImage* TfrmMain::Image1() const {
    return Find<TImage>("Image1");
}
TLabel* TfrmMain::lblTitle() const {
    return Find<TLabel>("lblTitle");
}
TLabel* TfrmMain::lblDes() const {
    return Find<TLabel>("lblDes");
}
TsuiImageButton* TfrmMain::Button(std::string_view name) const {
    return Find<TsuiImageButton>(name);
}

void TfrmMain::FormCreate(TObject*) {
    Application->SetTitle(lblTitle()->Caption());
    lblDes()->SetCaption(std::string(DescriptionTexts::Welcome));
    for (const TButtonAccessibility& entry : ButtonAccessibility)
        if (TsuiImageButton* button = Button(entry.Button))
            button->SetAccessibleText(
                {std::string(entry.Name), std::string(entry.Description), ROLE_SYSTEM_PUSHBUTTON});
}

void TfrmMain::Image1MouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::Welcome));
}

void TfrmMain::Image1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    // Any button, any keys: hand the window to the system's move loop.
    ReleaseCapture();
    SendMessageA(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void TfrmMain::btnCloseClick(TObject*) {
    Close();
}

void TfrmMain::btnHomepageClick(TObject*) {
    Application->Shell().OpenDocument(nullptr, "open", std::string(Endpoints::WebSite).c_str(),
                                      nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmMain::btnScreenRecorderClick(TObject*) {
    RunToolWorkflow(ToolCatalogue::ScreenRecorder, *this);
}
void TfrmMain::btnSlideVideoMakerClick(TObject*) {
    RunToolWorkflow(ToolCatalogue::SlideVideoMaker, *this);
}
void TfrmMain::btnVideoDVDMakerClick(TObject*) {
    RunToolWorkflow(ToolCatalogue::VideoDVDMaker, *this);
}
void TfrmMain::btnVideoEditorClick(TObject*) {
    RunToolWorkflow(ToolCatalogue::VideoEditor, *this);
}
void TfrmMain::btnDVDRipperClick(TObject*) {
    RunToolWorkflow(ToolCatalogue::DVDRipper, *this);
}
void TfrmMain::btnVideoConverterClick(TObject*) {
    RunToolWorkflow(ToolCatalogue::VideoConverter, *this);
}
void TfrmMain::btnAudioConverterClick(TObject*) {
    RunToolWorkflow(ToolCatalogue::AudioConverter, *this);
}
void TfrmMain::btnAudioRecorderClick(TObject*) {
    RunToolWorkflow(ToolCatalogue::AudioRecorder, *this);
}

void TfrmMain::btnScreenRecorderMouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::ScreenRecorder));
}
void TfrmMain::btnSlideVideoMakerMouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::SlideVideoMaker));
}
void TfrmMain::btnVideoDVDMakerMouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::VideoDVDMaker));
}
void TfrmMain::btnVideoEditorMouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::VideoEditor));
}
void TfrmMain::btnDVDRipperMouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::DVDRipper));
}
void TfrmMain::btnVideoConverterMouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::VideoConverter));
}
void TfrmMain::btnAudioConverterMouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::AudioConverter));
}
void TfrmMain::btnAudioRecorderMouseEnter(TObject*) {
    lblDes()->SetCaption(std::string(DescriptionTexts::AudioRecorder));
}
