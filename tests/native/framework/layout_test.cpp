#include "framework/LayoutReader.h"
#include "test_classes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
TClassRegistry Registry() {
    TClassRegistry r;
    r.Register(TWidget::StaticClass());
    r.Register(TBigWidget::StaticClass());
    return r;
}

std::string ErrorOf(const std::string& text, TWidget* root = nullptr) {
    TWidget local(nullptr);
    TWidget& target = root ? *root : local;
    try {
        TLayoutReader(Registry(), "Test.layout").Read(target, ParseLayout(text, "Test.layout"));
    } catch (const ELayoutError& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(LayoutParser, ValuesOfEveryKind) {
    TLayoutObject root = ParseLayout("object Root: TWidget // comment\n"
                                     "  A = -12\n"
                                     "  B = $FF000000\n"
                                     "  C = 'it''s'#9'tab'\n"
                                     "  D = [x, Y]\n"
                                     "  E = []\n"
                                     "  F = resource('PIC')\n"
                                     "  Font.Name = Ident\n"
                                     "  object Child: TWidget\n"
                                     "  end\n"
                                     "end\n",
                                     "t");
    ASSERT_EQ(root.Properties.size(), 7u);
    EXPECT_EQ(root.Properties[0].Value.Int, -12);
    EXPECT_EQ(root.Properties[1].Value.Int, 0xFF000000LL);
    EXPECT_EQ(root.Properties[2].Value.Text, "it's\ttab");
    EXPECT_EQ(root.Properties[3].Value.Items, (std::vector<std::string>{"x", "Y"}));
    EXPECT_TRUE(root.Properties[4].Value.Items.empty());
    EXPECT_EQ(root.Properties[4].Value.Kind, TLayoutValue::Set);
    EXPECT_EQ(root.Properties[5].Value.Kind, TLayoutValue::Resource);
    EXPECT_EQ(root.Properties[5].Value.Text, "PIC");
    EXPECT_EQ(root.Properties[6].Path, "Font.Name");
    EXPECT_EQ(root.Properties[6].Line, 8);
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Name, "Child");
    EXPECT_EQ(root.Children[0].Line, 9);
}

TEST(LayoutParser, SyntaxErrorsNameTheLayoutAndLine) {
    auto errorOf = [](const char* text) {
        try {
            ParseLayout(text, "Bad.layout");
        } catch (const ELayoutError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(errorOf("object A: T\n  X = 'open\nend\n"), "Bad.layout(2): unterminated text");
    EXPECT_EQ(errorOf("object A: T\n  X = 1\n"), "Bad.layout(3): missing 'end' of object A");
    EXPECT_EQ(errorOf("object A: T\n\n  X = 99999999999999999999\nend"),
              "Bad.layout(3): number too large");
    EXPECT_EQ(errorOf("object A: T\n  X = #300\nend"), "Bad.layout(2): character code out of range");
    EXPECT_EQ(errorOf("object A T\nend"), "Bad.layout(1): expected ':' after the component name");
    EXPECT_EQ(errorOf("object A: T\nend\nobject B: T\nend"),
              "Bad.layout(3): text after the root object's end");
    EXPECT_EQ(errorOf("object A: T\n  X = 1 2\nend"),
              "Bad.layout(2): unexpected text at the end of the line");
}

TEST(LayoutReader, BuildsChildrenWithPropertiesNestedObjectsAndEvents) {
    std::vector<std::string> log;
    TWidget root(nullptr);
    root.log = &log;
    TLayoutReader(Registry(), "Form.layout")
        .Read(root, ParseLayout("object Form1: TWidget\n"
                                "  Size = 3\n"
                                "  object First: TBigWidget\n"
                                "    shape = shSquare\n"
                                "    Edges = [edLeft, edBottom]\n"
                                "    Active = True\n"
                                "    Text = 'one'\n"
                                "    Pen = resource('THICK')\n"
                                "    Pen.Width = 5\n"
                                "    Buddy = Second\n" // forward reference
                                "    OnPing = Ping\n"
                                "    Extra = 9\n"
                                "  end\n"
                                "  object Second: TWidget\n"
                                "    Buddy = Form1\n"
                                "  end\n"
                                "end\n",
                                "Form.layout"));
    EXPECT_EQ(root.Name(), "Form1");
    EXPECT_EQ(root.Size(), 3);
    auto* first = As<TBigWidget>(root.FindComponent("First"));
    auto* second = As<TWidget>(root.FindComponent("Second"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->Owner(), &root);
    EXPECT_EQ(first->parentComponent, &root);
    EXPECT_TRUE(first->loadingSeenBySetParent);
    EXPECT_EQ(first->Shape(), shSquare);
    EXPECT_TRUE(first->Edges().Contains(edLeft) && first->Edges().Contains(edBottom));
    EXPECT_FALSE(first->Edges().Contains(edTop));
    EXPECT_TRUE(first->Active());
    EXPECT_EQ(first->Text(), "one");
    EXPECT_EQ(first->Pen()->Width(), 5);
    EXPECT_EQ(first->Pen()->Name(), "resource:THICK");
    EXPECT_EQ(first->Extra(), 9);
    EXPECT_EQ(first->Buddy(), second);
    EXPECT_EQ(second->Buddy(), &root);
    // Handlers are the root's methods.
    first->OnPing(first);
    EXPECT_EQ(log.back(), "ping Form1 from First");
    // Loaded ran once everything was in place.
    EXPECT_EQ(std::count(log.begin(), log.end(), "loaded Form1"), 1);
    EXPECT_FALSE(root.HasState(csLoading));
    EXPECT_FALSE(first->HasState(csLoading));
}

TEST(LayoutReader, LoadedRunsLastForTheRoot) {
    std::vector<std::string> log;
    TWidget root(nullptr);
    root.log = &log;
    TLayoutReader(Registry(), "L")
        .Read(root, ParseLayout("object R: TWidget\n  object C: TWidget\n  end\nend\n", "L"));
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(log.back(), "loaded R");
    EXPECT_FALSE(root.Components(0)->HasState(csLoading));
}

TEST(LayoutReader, UnknownNamesFailWithLayoutLineAndName) {
    EXPECT_EQ(ErrorOf("object R: TWidget\n  object C: TNoSuchClass\n  end\nend"),
              "Test.layout(2): unknown class 'TNoSuchClass'");
    EXPECT_EQ(ErrorOf("object R: TWidget\n\n  Colour = 3\nend"),
              "Test.layout(3): unknown property 'Colour' of class TWidget");
    EXPECT_EQ(ErrorOf("object R: TWidget\n  Pen.Height = 3\nend"),
              "Test.layout(2): unknown property 'Height' of class TPen2");
    EXPECT_EQ(ErrorOf("object R: TWidget\n  OnPing = NoSuchHandler\nend"),
              "Test.layout(2): unknown handler 'NoSuchHandler' of class TWidget");
    EXPECT_EQ(ErrorOf("object R: TWidget\n  Buddy = Nobody\nend"),
              "Test.layout(2): unknown component 'Nobody'");
    EXPECT_EQ(ErrorOf("object R: TWidget\n  Shape = shOval\nend"),
              "Test.layout(2): unknown value 'shOval' for property 'Shape'");
    EXPECT_EQ(ErrorOf("object R: TWidget\n  OnPing = Count\nend"),
              "Test.layout(2): handler 'Count' does not fit event 'OnPing'");
    EXPECT_EQ(ErrorOf("object R: TWidget\n  Size = 'big'\nend"),
              "Test.layout(2): property 'Size' expects an integer");
    EXPECT_EQ(ErrorOf("object R: TWidget\n  Active = 1\nend"),
              "Test.layout(2): property 'Active' expects True or False");
    EXPECT_EQ(ErrorOf("object R: TWidget\n  object A: TWidget\n  end\n  object A: TWidget\n  end\nend"),
              "Test.layout(4): duplicate component name 'A'");
}

TEST(LayoutReader, RootMustBeOfTheLayoutsClass) {
    TWidget plain(nullptr);
    EXPECT_EQ(ErrorOf("object R: TBigWidget\nend", &plain),
              "Test.layout(1): root is a TWidget, not a TBigWidget");
}
