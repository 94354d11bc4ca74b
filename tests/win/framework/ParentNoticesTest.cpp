// Colour and font changes of a windowed control reach the children that follow their parent,
// and through them the children's own children.
#include "FrameworkFixture.h"

#include "framework/Panels.h"

namespace {

TEST_F(FormTest, ColourAndFontChangesReachTheChildrenThatFollowTheirParent) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* windowed = new TProbeControl(form);
    windowed->SetParent(panel);
    auto* label = new TLabel(form);
    label->SetParent(panel);
    auto* own = new TProbeControl(form);
    own->SetParent(panel);
    own->SetColor(clFuchsia);
    own->Font()->SetSize(9);
    const struct {
        TControl* Control;
        bool Follows;
    } cases[] = {{panel, true}, {windowed, true}, {label, true}, {own, false}};
    for (const auto& c : cases)
        if (c.Follows) {
            c.Control->SetParentColor(true);
            c.Control->SetParentFont(true);
        }

    constexpr TColor kNewColor = 0x123456;
    constexpr int kNewSize = 17;
    form->SetColor(kNewColor);
    form->Font()->SetSize(kNewSize);
    for (const auto& c : cases) {
        EXPECT_EQ(c.Control->Color() == kNewColor, c.Follows) << c.Control->ClassName();
        EXPECT_EQ(c.Control->Font()->Size() == kNewSize, c.Follows) << c.Control->ClassName();
        EXPECT_EQ(c.Control->ParentColor(), c.Follows) << "following goes on";
        EXPECT_EQ(c.Control->ParentFont(), c.Follows);
    }
}

} // namespace
