// Stored layouts with a title bar: its buttons, sections, pictures and references written,
// read back and written again to the same text; stored lists replace what the style built.
#include "TitleBarFixture.h"

#include "framework/LayoutParser.h"
#include "framework/LayoutWriter.h"

namespace {
constexpr char kBarOnly[] = R"(object frmRead: TForm
  object TitleBar1: TsuiTitleBar
    UIStyle = WinXP
    Buttons = <
      item
        ButtonType = suiClose
      end>
  end
end
)";
constexpr char kTwoBoxes[] = R"(object frmRead: TForm
  object TitleBar1: TsuiTitleBar
    Buttons = <
      item
        ButtonType = suiControlBox
      end
      item
        ButtonType = suiControlBox
      end>
  end
end
)";

TsuiTitleBar* BarOf(TForm& form) {
    return As<TsuiTitleBar>(form.FindComponent("TitleBar1"));
}
} // namespace

TEST_F(TitleBarTest, LayoutWithButtonsAndSectionsRoundTrips) {
    TForm source(nullptr);
    source.SetName("frmSource");
    auto* menu = new TPopupMenu(&source);
    menu->SetName("PopupMenu1");
    auto* stored = new TsuiTitleBar(&source);
    stored->SetName("TitleBar1");
    stored->SetParent(&source);
    stored->SetUIStyle(Protein);
    stored->SetCaption("It's\tmine");
    stored->SetButtonInterval(3);
    stored->SetCustom(true); // keeps the stored parts as they are
    stored->Buttons()->Items(0)->SetControlBoxMenu(menu);
    stored->Buttons()->Items(2)->SetVisible(false);
    TPicture picture;
    FillPicture(picture, 7, 5, 0x336699);
    TsuiTitleBarButton* custom = stored->Buttons()->Add();
    custom->SetPicNormal(&picture);
    stored->Sections()->Items(1)->SetCapSec(true);

    const std::string text = WriteLayout(source);
    EXPECT_NE(text.find("Buttons = <"), std::string::npos) << text;
    TForm read(nullptr);
    read.ReadLayoutText(text, "round trip");
    TsuiTitleBar* bar2 = BarOf(read);
    ASSERT_NE(bar2, nullptr);
    EXPECT_EQ(WriteLayout(read), text);
    EXPECT_EQ(bar2->Caption(), "It's\tmine");
    EXPECT_EQ(bar2->ButtonInterval(), 3);
    ASSERT_EQ(bar2->Buttons()->Count(), 5);
    EXPECT_EQ(bar2->Buttons()->Items(0)->ControlBoxMenu(), read.FindComponent("PopupMenu1"));
    EXPECT_FALSE(bar2->Buttons()->Items(2)->Visible());
    EXPECT_EQ(PixelsOf(*bar2->Buttons()->Items(4)->PicNormal()), PixelsOf(picture));
    ASSERT_EQ(bar2->Sections()->Count(), 3);
    EXPECT_TRUE(bar2->Sections()->Items(1)->CapSec());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(PixelsOf(*bar2->Sections()->Items(i)->Picture()),
                  PixelsOf(*stored->Sections()->Items(i)->Picture()))
            << i;
}

TEST_F(TitleBarTest, StoredListsReplaceTheStylesPartsAndKeepTheRules) {
    TForm read(nullptr);
    read.ReadLayoutText(kBarOnly, "bar only");
    TsuiTitleBar* loaded = BarOf(read);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->Buttons()->Count(), 1) << "reading a list first empties it";
    EXPECT_EQ(loaded->Buttons()->Items(0)->ButtonType(), suiClose);
    EXPECT_TRUE(loaded->Buttons()->Items(0)->HasPictures());

    TForm twice(nullptr);
    try {
        twice.ReadLayoutText(kTwoBoxes, "two boxes");
        ADD_FAILURE() << "a second control box is refused";
    } catch (const ELayoutError& e) {
        EXPECT_NE(std::string(e.what()).find(
                      "Sorry, only one button's ButtonType property can be \"suiControlBox\""),
                  std::string::npos)
            << e.what();
    }
}
