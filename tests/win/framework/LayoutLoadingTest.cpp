// Stored layouts given as text: nested properties, pictures by resource name, component
// references resolved after the whole layout, events bound to the form's methods, and errors
// that name the layout, the line and the offending name.
#include "FrameworkFixture.h"

namespace {

constexpr char kLayout[] = R"(object Probe: TLayoutTestForm
  Caption = 'Probe form'
  ActiveControl = Second
  Font.Name = 'Courier New'
  Font.Height = -17
  Font.Style = [fsBold]
  Color = clBlue
  object Picture1: TImage
    Left = 4
    Top = 6
    AutoSize = True
    Picture = resource('BTNCLOSE_NORMAL')
    OnMouseDown = PictureDown
  end
  object First: TProbeControl
    Left = 50
    OnClick = FirstClick
  end
  object Second: TProbeControl
    Left = 100
    TabOrder = 0
  end
end
)";

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { form = new TLayoutTestForm(Application); }
    void TearDown() override { form->Free(); }
    // The message of the error the layout raises, or "" when it loads.
    std::string ErrorOf(const std::string& text) {
        try {
            form->ReadLayoutText(text, "probe.layout");
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    }
    TLayoutTestForm* form = nullptr;
};

TEST_F(LayoutTest, ReadsNestedPropertiesPicturesReferencesAndEvents) {
    form->ReadLayoutText(kLayout, "probe.layout");
    EXPECT_EQ(form->Name(), "Probe");
    EXPECT_EQ(form->Caption(), "Probe form");
    EXPECT_EQ(form->Font()->Name(), "Courier New");
    EXPECT_EQ(form->Font()->Height(), -17);
    EXPECT_TRUE(form->Font()->Style().Contains(fsBold));
    EXPECT_EQ(form->Color(), 0xFF0000);

    auto* picture = As<TImage>(form->FindComponent("Picture1"));
    auto* first = As<TProbeControl>(form->FindComponent("First"));
    auto* second = As<TProbeControl>(form->FindComponent("Second"));
    ASSERT_TRUE(picture && first && second);
    EXPECT_EQ(picture->Parent(), form);
    EXPECT_EQ(picture->Left(), 4);
    EXPECT_EQ(picture->Width(), 29) << "sized to the resource picture";
    EXPECT_EQ(picture->Height(), 20);
    // The picture is the resource's pixels, the same as the bitmap file it was built from.
    TPicture fromFile;
    fromFile.LoadFromFile(VFC_ASSETS_DIR "/Close_Normal.bmp");
    EXPECT_EQ(PixelsOf(*picture->Picture()), PixelsOf(fromFile));

    // A reference to a component that the layout names only later.
    EXPECT_EQ(form->ActiveControl(), second);
    EXPECT_EQ(second->TabOrder(), 0);
    EXPECT_EQ(first->TabOrder(), 1);

    first->Click();
    EXPECT_EQ(form->ClickSenders, std::vector<TObject*>{first});
    picture->OnMouseDown(picture, mbRight, {}, 1, 1);
    EXPECT_EQ(form->PictureButtons, std::vector<TMouseButton>{mbRight});
    EXPECT_FALSE(form->HasState(csLoading));
    EXPECT_FALSE(first->HasState(csLoading));
}

TEST_F(LayoutTest, AnUnknownClassIsNamedWithTheLayoutAndLine) {
    const std::string error = ErrorOf("object Probe: TLayoutTestForm\n"
                                      "  object X: TNoSuchControl\n"
                                      "  end\n"
                                      "end\n");
    EXPECT_NE(error.find("probe.layout"), std::string::npos) << error;
    EXPECT_NE(error.find("(2)"), std::string::npos) << error;
    EXPECT_NE(error.find("TNoSuchControl"), std::string::npos) << error;
}

TEST_F(LayoutTest, AnUnknownPropertyIsNamedWithTheLayoutAndLine) {
    const std::string error = ErrorOf("object Probe: TLayoutTestForm\n"
                                      "  Caption = 'x'\n"
                                      "  object First: TProbeControl\n"
                                      "    Left = 3\n"
                                      "    Wobble = 4\n"
                                      "  end\n"
                                      "end\n");
    EXPECT_NE(error.find("probe.layout"), std::string::npos) << error;
    EXPECT_NE(error.find("(5)"), std::string::npos) << error;
    EXPECT_NE(error.find("Wobble"), std::string::npos) << error;
}

TEST_F(LayoutTest, AnUnknownNestedPropertyIsNamed) {
    const std::string error = ErrorOf("object Probe: TLayoutTestForm\n"
                                      "  Font.Wobble = 4\n"
                                      "end\n");
    EXPECT_NE(error.find("(2)"), std::string::npos) << error;
    EXPECT_NE(error.find("Wobble"), std::string::npos) << error;
}

TEST_F(LayoutTest, AnUnknownHandlerIsNamedWithTheLayoutAndLine) {
    const std::string error = ErrorOf("object Probe: TLayoutTestForm\n"
                                      "  object First: TProbeControl\n"
                                      "    OnClick = NoSuchHandler\n"
                                      "  end\n"
                                      "end\n");
    EXPECT_NE(error.find("probe.layout"), std::string::npos) << error;
    EXPECT_NE(error.find("(3)"), std::string::npos) << error;
    EXPECT_NE(error.find("NoSuchHandler"), std::string::npos) << error;
}

TEST_F(LayoutTest, AHandlerOfTheWrongKindIsRefused) {
    const std::string error = ErrorOf("object Probe: TLayoutTestForm\n"
                                      "  object First: TProbeControl\n"
                                      "    OnClick = PictureDown\n"
                                      "  end\n"
                                      "end\n");
    EXPECT_NE(error.find("(3)"), std::string::npos) << error;
    EXPECT_NE(error.find("PictureDown"), std::string::npos) << error;
}

TEST_F(LayoutTest, AnUnknownComponentReferenceAndAMissingResourceAreNamed) {
    std::string error = ErrorOf("object Probe: TLayoutTestForm\n"
                                "  ActiveControl = Nobody\n"
                                "end\n");
    EXPECT_NE(error.find("(2)"), std::string::npos) << error;
    EXPECT_NE(error.find("Nobody"), std::string::npos) << error;
    error = ErrorOf("object Probe: TLayoutTestForm\n"
                    "  object Picture1: TImage\n"
                    "\n"
                    "    Picture = resource('NO_SUCH_BITMAP')\n"
                    "  end\n"
                    "end\n");
    EXPECT_NE(error.find("(4)"), std::string::npos) << error;
    EXPECT_NE(error.find("NO_SUCH_BITMAP"), std::string::npos) << error;
}

} // namespace
