// The launcher window: background picture, description line and ten picture buttons.
#pragma once

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "skin/SUIButton.h"

class TfrmMain : public TForm {
    VFC_CLASS(TfrmMain, TForm)
    explicit TfrmMain(TComponent* owner) : TForm(owner) {}

    // Components of the stored layout, found by name once it has been read.
    TImage* Image1() const;
    TLabel* lblTitle() const;
    TLabel* lblDes() const;
    TsuiImageButton* Button(std::string_view name) const;

    void FormCreate(TObject* Sender);
    void Image1MouseEnter(TObject* Sender);
    void Image1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void btnCloseClick(TObject* Sender);
    void btnHomepageClick(TObject* Sender);

    void btnScreenRecorderClick(TObject* Sender);
    void btnSlideVideoMakerClick(TObject* Sender);
    void btnVideoDVDMakerClick(TObject* Sender);
    void btnVideoEditorClick(TObject* Sender);
    void btnDVDRipperClick(TObject* Sender);
    void btnVideoConverterClick(TObject* Sender);
    void btnAudioConverterClick(TObject* Sender);
    void btnAudioRecorderClick(TObject* Sender);

    void btnScreenRecorderMouseEnter(TObject* Sender);
    void btnSlideVideoMakerMouseEnter(TObject* Sender);
    void btnVideoDVDMakerMouseEnter(TObject* Sender);
    void btnVideoEditorMouseEnter(TObject* Sender);
    void btnDVDRipperMouseEnter(TObject* Sender);
    void btnVideoConverterMouseEnter(TObject* Sender);
    void btnAudioConverterMouseEnter(TObject* Sender);
    void btnAudioRecorderMouseEnter(TObject* Sender);

private:
    template <class T> T* Find(std::string_view name) const;
};

// Texts of the description line.
namespace DescriptionTexts {
constexpr std::string_view Welcome =
    "Velmora Free Center - 100% Free,Includes 8 Video/Audio Tools.";
constexpr std::string_view ScreenRecorder = "Record screen activities and sounds into *.flv files.";
constexpr std::string_view SlideVideoMaker =
    "Create video file from a series of photo images and music files.";
constexpr std::string_view VideoDVDMaker = "Allows home movie enthusiasts to create DVD discs! ";
constexpr std::string_view VideoEditor =
    "Contains video cutter,video splitter and video joiner in one program.";
constexpr std::string_view DVDRipper = "Rip DVD moive to all popular formats and more functions.";
constexpr std::string_view VideoConverter =
    "Converting videos of all popular formats and more functions.";
constexpr std::string_view AudioConverter =
    "Converting audios of all popular formats and rip cd songs.";
constexpr std::string_view AudioRecorder =
    "Record audio,internet radio or other sounds directly from your soundcard.";
} // namespace DescriptionTexts

// What screen readers say of each button: its name and, for the tools, the description line.
struct TButtonAccessibility {
    std::string_view Button;
    std::string_view Name;
    std::string_view Description;
};
constexpr TButtonAccessibility ButtonAccessibility[] = {
    {"btnVideoEditor", "ClipWorks Video Editor", DescriptionTexts::VideoEditor},
    {"btnVideoConverter", "ReelShift Video Converter", DescriptionTexts::VideoConverter},
    {"btnScreenRecorder", "ScreenCaptor Screen Recorder", DescriptionTexts::ScreenRecorder},
    {"btnAudioRecorder", "SoundTaker Audio Recorder", DescriptionTexts::AudioRecorder},
    {"btnDVDRipper", "DiscExtract DVD Ripper", DescriptionTexts::DVDRipper},
    {"btnVideoDVDMaker", "DiscAuthor Video DVD Maker", DescriptionTexts::VideoDVDMaker},
    {"btnSlideVideoMaker", "PhotoReel Slideshow Maker", DescriptionTexts::SlideVideoMaker},
    {"btnAudioConverter", "SoundShift Audio Converter", DescriptionTexts::AudioConverter},
    {"btnClose", "Close", ""},
    {"btnHomepage", "Home page", ""},
};

// Registers the classes the stored layout names.
void RegisterLauncherClasses(TClassRegistry& classes);
