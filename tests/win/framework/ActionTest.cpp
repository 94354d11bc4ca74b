// Actions: linked controls follow the action's state, a click without a handler of its own
// executes it, either side may go first, and layouts keep actions inside their list.
#include "FrameworkFixture.h"

#include "framework/ActnList.h"
#include "framework/LayoutWriter.h"

namespace {

struct TExecuteLog {
    std::vector<std::string> Entries;
    void Executed(TObject*) { Entries.push_back("execute"); }
    void Clicked(TObject*) { Entries.push_back("click"); }
};

TEST_F(FormTest, LinkedControlsFollowTheActionAndTheirClicksExecuteIt) {
    auto* action = new TAction(form);
    action->SetCaption("&Go");
    TExecuteLog executed;
    action->OnExecute = TNotifyEvent::Bind<&TExecuteLog::Executed>(&executed);
    TProbeControl* windowed = AddProbe("Windowed", 10, 10);
    auto* label = new TLabel(form);
    label->SetParent(form);
    const std::vector<TControl*> linked{windowed, label};
    for (TControl* c : linked)
        c->SetAction(action);
    const std::function<void()> changes[] = {[&] { action->SetCaption("Stop"); },
                                             [&] { action->SetEnabled(false); },
                                             [&] { action->SetVisible(false); }};
    for (const auto& change : changes) {
        for (TControl* c : linked)
            EXPECT_EQ(c->Caption() + (c->Enabled() ? "+" : "-") + (c->Visible() ? "+" : "-"),
                      action->Caption() + (action->Enabled() ? "+" : "-") +
                          (action->Visible() ? "+" : "-"));
        change();
    }
    windowed->Click();
    EXPECT_TRUE(executed.Entries.empty()) << "a disabled action does not execute";
    action->SetEnabled(true);
    windowed->Click();
    windowed->OnClick = TNotifyEvent::Bind<&TExecuteLog::Clicked>(&executed);
    windowed->Click();
    EXPECT_EQ(executed.Entries, (std::vector<std::string>{"execute", "click"}));

    label->Free();
    EXPECT_EQ(action->ClientCount(), 1) << "a freed control unlinks";
    action->Free();
    EXPECT_EQ(windowed->Action(), nullptr) << "a freed action unlinks";
}

TEST_F(FormTest, StoredLayoutsKeepActionsInsideTheirList) {
    std::string text = R"(object Stored: TForm
  object Actions: TActionList
    object Open: TAction
      Checked = True
    end
  end
end
)";
    for (int round = 0; round < 2; ++round) { // as given, then as written back
        auto* stored = new TForm(Application);
        stored->ReadLayoutText(text, "actions.layout");
        auto* list = As<TActionList>(stored->FindComponent("Actions"));
        auto* open = As<TAction>(stored->FindComponent("Open"));
        ASSERT_TRUE(list && open && open->Checked()) << round;
        EXPECT_EQ(open->ActionList(), list);
        ASSERT_EQ(list->ActionCount(), 1);
        EXPECT_EQ(list->Actions(0), open);
        text = WriteLayout(*stored);
        list->Free();
        EXPECT_EQ(open->ActionList(), nullptr) << "a freed list lets its actions go";
        stored->Free();
    }
}

} // namespace
