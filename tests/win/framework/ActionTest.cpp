// Actions: linked controls follow the action's caption, enabled and visible state, a click
// without a handler of its own executes the action, and either side may go first.
#include "FrameworkFixture.h"

#include "framework/ActnList.h"
#include "framework/LayoutWriter.h"

namespace {

struct TExecuteLog {
    std::vector<std::string> Entries;
    void Executed(TObject* sender) {
        Entries.push_back("execute:" + As<TComponent>(sender)->Name());
    }
    void Clicked(TObject*) { Entries.push_back("click"); }
};

class ActionTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        action = new TAction(form);
        action->SetName("Go");
        action->SetCaption("&Go");
        action->OnExecute = TNotifyEvent::Bind<&TExecuteLog::Executed>(&log);
    }
    TAction* action = nullptr;
    TExecuteLog log;
};

TEST_F(ActionTest, LinkedControlsTakeAndFollowTheActionsState) {
    TProbeControl* windowed = AddProbe("Windowed", 10, 10);
    auto* label = new TLabel(form);
    label->SetParent(form);
    for (TControl* c : {static_cast<TControl*>(windowed), static_cast<TControl*>(label)}) {
        c->SetAction(action);
        EXPECT_EQ(c->Caption(), "&Go") << "taken when linked";
    }
    const struct {
        const char* What;
        std::function<void()> Change;
        std::function<bool(const TControl&)> Follows;
    } cases[] = {
        {"caption", [&] { action->SetCaption("Stop"); },
         [](const TControl& c) { return c.Caption() == "Stop"; }},
        {"disabled", [&] { action->SetEnabled(false); },
         [](const TControl& c) { return !c.Enabled(); }},
        {"hidden", [&] { action->SetVisible(false); },
         [](const TControl& c) { return !c.Visible(); }},
        {"enabled and shown again",
         [&] {
             action->SetEnabled(true);
             action->SetVisible(true);
         },
         [](const TControl& c) { return c.Enabled() && c.Visible(); }},
    };
    for (const auto& c : cases) {
        c.Change();
        EXPECT_TRUE(c.Follows(*windowed)) << c.What;
        EXPECT_TRUE(c.Follows(*label)) << c.What;
    }
    EXPECT_EQ(action->ClientCount(), 2);
}

TEST_F(ActionTest, AClickExecutesTheActionUnlessTheControlHasItsOwnHandler) {
    TProbeControl* probe = AddProbe("Probe", 10, 10);
    probe->SetAction(action);
    probe->Click();
    EXPECT_EQ(log.Entries, std::vector<std::string>{"execute:Go"});

    log.Entries.clear();
    action->SetEnabled(false);
    probe->Click();
    EXPECT_FALSE(action->Execute());
    EXPECT_TRUE(log.Entries.empty()) << "a disabled action does not execute";

    action->SetEnabled(true);
    probe->OnClick = TNotifyEvent::Bind<&TExecuteLog::Clicked>(&log);
    probe->Click();
    EXPECT_EQ(log.Entries, std::vector<std::string>{"click"});
}

TEST_F(ActionTest, EitherSideMayBeFreedFirst) {
    TProbeControl* first = AddProbe("First", 10, 10);
    TProbeControl* second = AddProbe("Second", 60, 10);
    first->SetAction(action);
    second->SetAction(action);
    second->Free();
    EXPECT_EQ(action->ClientCount(), 1);
    action->SetCaption("Still here"); // reaches only the control that is left
    EXPECT_EQ(first->Caption(), "Still here");

    action->Free();
    EXPECT_EQ(first->Action(), nullptr);
    first->Click(); // nothing to execute any more
    EXPECT_TRUE(log.Entries.empty());
}

TEST_F(ActionTest, StoredLayoutsKeepActionsInsideTheirList) {
    constexpr char kLayout[] = R"(object Stored: TForm
  object Actions: TActionList
    object Open: TAction
      Caption = 'Open'
      Checked = True
    end
  end
end
)";
    std::string written;
    for (int round = 0; round < 2; ++round) {
        auto* stored = new TForm(Application);
        stored->ReadLayoutText(round == 0 ? std::string(kLayout) : written, "actions.layout");
        auto* list = As<TActionList>(stored->FindComponent("Actions"));
        auto* open = As<TAction>(stored->FindComponent("Open"));
        ASSERT_NE(list, nullptr) << round;
        ASSERT_NE(open, nullptr) << round;
        EXPECT_EQ(open->ActionList(), list) << round;
        ASSERT_EQ(list->ActionCount(), 1) << round;
        EXPECT_EQ(list->Actions(0), open) << round;
        EXPECT_TRUE(open->Checked()) << round;
        written = WriteLayout(*stored);
        list->Free();
        EXPECT_EQ(open->ActionList(), nullptr) << "a freed list lets its actions go";
        stored->Free();
    }
}

TEST_F(ActionTest, StoredLayoutsKnowTheActionClass) {
    const TClassInfo* info = Application->Classes().Find("TAction");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"Caption", "Enabled", "Visible", "Checked", "OnExecute"})
        EXPECT_NE(info->FindProperty(name), nullptr) << name;
    const TPropInfo* link = TControl::StaticClass().FindProperty("Action");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Type, TPropType::Component);
}

} // namespace
