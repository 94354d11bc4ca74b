// The launcher window, created once per program the way the program start creates it, and
// its buttons as the stored layout the program is built with describes them.
#pragma once

#include "app/MainFrm.h"
#include "framework/LayoutParser.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TButtonSpec {
    std::string Name;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int TabOrder = 0;
    std::string PictureStem;    // asset file names: <stem>_Normal.bmp and so on
    const char* Text = nullptr; // description shown on pointer entry; null: none
};

// Which description each tool button shows.
inline const std::pair<std::string_view, std::string_view> kDescriptions[] = {
    {"btnScreenRecorder", DescriptionTexts::ScreenRecorder},
    {"btnSlideVideoMaker", DescriptionTexts::SlideVideoMaker},
    {"btnVideoDVDMaker", DescriptionTexts::VideoDVDMaker},
    {"btnVideoEditor", DescriptionTexts::VideoEditor},
    {"btnDVDRipper", DescriptionTexts::DVDRipper},
    {"btnVideoConverter", DescriptionTexts::VideoConverter},
    {"btnAudioConverter", DescriptionTexts::AudioConverter},
    {"btnAudioRecorder", DescriptionTexts::AudioRecorder},
};

inline const std::string kWelcome(DescriptionTexts::Welcome);

// The picture buttons of the stored layout resource, in creation order.
inline const std::vector<TButtonSpec>& StoredButtons() {
    static const std::vector<TButtonSpec> buttons = [] {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        HRSRC found = FindResourceA(instance, "TFRMMAIN", RT_RCDATA);
        HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
        const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        if (!data)
            throw std::runtime_error("no stored layout TFRMMAIN");
        const TLayoutObject form =
            ParseLayout(std::string_view(data, SizeofResource(instance, found)), "TFRMMAIN");
        std::vector<TButtonSpec> specs;
        for (const TLayoutObject& child : form.Children) {
            if (child.ClassName != "TsuiImageButton")
                continue;
            TButtonSpec& spec = specs.emplace_back();
            spec.Name = child.Name;
            spec.PictureStem = child.Name.substr(3); // btnVideoEditor -> VideoEditor
            const std::pair<const char*, int*> fields[] = {{"Left", &spec.Left},
                                                           {"Top", &spec.Top},
                                                           {"Width", &spec.Width},
                                                           {"Height", &spec.Height},
                                                           {"TabOrder", &spec.TabOrder}};
            for (const TLayoutProperty& property : child.Properties)
                for (const auto& [path, field] : fields)
                    if (property.Path == path)
                        *field = static_cast<int>(property.Value.Int);
            for (const auto& [name, text] : kDescriptions)
                if (name == spec.Name)
                    spec.Text = text.data();
        }
        return specs;
    }();
    return buttons;
}

inline const TButtonSpec& StoredButton(std::string_view name) {
    const auto& buttons = StoredButtons();
    const auto it = std::find_if(buttons.begin(), buttons.end(),
                                 [&](const TButtonSpec& spec) { return spec.Name == name; });
    if (it == buttons.end())
        throw std::runtime_error("no button " + std::string(name) + " in the stored layout");
    return *it;
}

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
    TsuiImageButton* Button(std::string_view name) const { return form->Button(name); }

    inline static TfrmMain* frmMain = nullptr;
    TfrmMain* form = nullptr;
};
