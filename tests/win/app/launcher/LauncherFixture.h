// The launcher window, created once per program the way the program start creates it, and
// the values its stored layout must hold, typed in independently of the layout file.
#pragma once

#include "app/MainFrm.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

struct TButtonSpec {
    const char* Name;
    int Left, Top, Width, Height;
    int TabOrder;
    const char* PictureStem; // asset file names: <stem>_Normal.bmp and so on
    const char* Text;        // description shown on pointer entry; null: none
};

inline const TButtonSpec kButtons[] = {
    {"btnVideoEditor", 39, 109, 243, 116, 3, "VideoEditor",
     "Contains video cutter,video splitter and video joiner in one program."},
    {"btnVideoConverter", 293, 109, 230, 80, 0, "VideoConverter",
     "Converting videos of all popular formats and more functions."},
    {"btnScreenRecorder", 39, 363, 243, 79, 1, "ScreenRecorder",
     "Record screen activities and sounds into *.flv files."},
    {"btnAudioRecorder", 534, 296, 230, 146, 2, "AudioRecorder",
     "Record audio,internet radio or other sounds directly from your soundcard."},
    {"btnDVDRipper", 39, 236, 243, 116, 4, "DVDRipper",
     "Rip DVD moive to all popular formats and more functions."},
    {"btnClose", 766, 11, 29, 20, 5, "Close", nullptr},
    {"btnVideoDVDMaker", 293, 200, 230, 116, 6, "VideoDVDMaker",
     "Allows home movie enthusiasts to create DVD discs! "},
    {"btnSlideVideoMaker", 293, 327, 230, 115, 7, "SlideVideoMaker",
     "Create video file from a series of photo images and music files."},
    {"btnAudioConverter", 534, 109, 230, 173, 8, "AudioConverter",
     "Converting audios of all popular formats and rip cd songs."},
    {"btnHomepage", 686, 59, 78, 24, 9, "Homepage", nullptr},
};

inline constexpr char kWelcome[] = "Velmora Free Center - 100% Free,Includes 8 Video/Audio Tools.";

class LauncherTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!frmMain) {
            MoveCursorTo({2, 2}); // off the window, so no button is entered at start
            Application->CreateForm(frmMain);
            ShowAndActivate(*frmMain);
        }
    }
    void SetUp() override { form = frmMain; }
    TsuiImageButton* Button(const char* name) const { return form->Button(name); }

    inline static TfrmMain* frmMain = nullptr;
    TfrmMain* form = nullptr;
};
