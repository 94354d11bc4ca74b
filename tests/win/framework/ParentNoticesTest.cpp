// Colour and font changes of a windowed control reach the children that follow their parent,
// and through them the children's own children.
#include "FrameworkFixture.h"

#include "framework/Panels.h"

namespace {

TEST_F(FormTest, ColourAndFontChangesReachTheChildrenThatFollowTheirParent) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* windowed = new TProbeControl(form);
    auto* label = new TLabel(form);
    auto* own = new TProbeControl(form);
    for (TControl* c : std::initializer_list<TControl*>{windowed, label, own})
        c->SetParent(panel);
    own->SetColor(clFuchsia);
    own->Font()->SetSize(9);
    const std::pair<TControl*, bool> cases[] = {
        {panel, true}, {windowed, true}, {label, true}, {own, false}};
    for (const auto& [control, follows] : cases)
        if (follows) {
            control->SetParentColor(true);
            control->SetParentFont(true);
        }
    constexpr TColor kNewColor = 0x123456;
    constexpr int kNewSize = 17;
    form->SetColor(kNewColor);
    form->Font()->SetSize(kNewSize);
    for (const auto& [control, follows] : cases) {
        EXPECT_EQ(control->Color() == kNewColor, follows) << control->ClassName();
        EXPECT_EQ(control->Font()->Size() == kNewSize, follows) << control->ClassName();
        EXPECT_EQ(control->ParentColor() && control->ParentFont(), follows) << "following goes on";
    }
}

} // namespace
