#include "test_classes.h"

#include <gtest/gtest.h>

TEST(TypeInfo, PropertiesAreFoundByNameInAnyCaseThroughAncestors) {
    const TClassInfo& info = TBigWidget::StaticClass();
    ASSERT_NE(info.FindProperty("extra"), nullptr);
    ASSERT_NE(info.FindProperty("TEXT"), nullptr);
    ASSERT_NE(info.FindProperty("name"), nullptr); // from TComponent
    EXPECT_EQ(info.FindProperty("Nothing"), nullptr);
    EXPECT_STREQ(info.Name(), "TBigWidget");
    EXPECT_TRUE(info.InheritsFrom(TComponent::StaticClass()));
    EXPECT_FALSE(TWidget::StaticClass().InheritsFrom(TBigWidget::StaticClass()));
}

TEST(TypeInfo, RedeclaredPropertyReplacesTheAncestorsOne) {
    const TPropInfo* size = TBigWidget::StaticClass().FindProperty("Size");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->Default, 10);
    auto all = TBigWidget::StaticClass().AllProperties();
    int sizes = 0;
    for (const TPropInfo* p : all)
        sizes += SameText(p->Name, "size");
    EXPECT_EQ(sizes, 1);
    EXPECT_EQ(TWidget::StaticClass().FindProperty("Size")->Default, std::nullopt);
}

TEST(TypeInfo, ReadAndWriteEveryKindByName) {
    TWidget w(nullptr);
    SetOrdProp(w, "size", 42);
    SetOrdProp(w, "Active", 1);
    SetStrProp(w, "text", "hello");
    SetOrdProp(w, "Shape", shTriangle);
    SetOrdProp(w, "Edges", (1 << edTop) | (1 << edBottom));
    EXPECT_EQ(w.Size(), 42);
    EXPECT_TRUE(w.Active());
    EXPECT_EQ(GetStrProp(w, "TEXT"), "hello");
    EXPECT_EQ(w.Shape(), shTriangle);
    EXPECT_TRUE(w.Edges().Contains(edTop));
    EXPECT_FALSE(w.Edges().Contains(edLeft));
    EXPECT_EQ(GetOrdProp(w, "edges"), (1 << edTop) | (1 << edBottom));
    EXPECT_EQ(GetObjectProp(w, "Pen"), w.Pen());
}

TEST(TypeInfo, ComponentReferencesAreTypeChecked) {
    TWidget owner(nullptr);
    auto* a = new TWidget(&owner);
    TPen2 notAComponent;
    SetObjectProp(owner, "Buddy", a);
    EXPECT_EQ(owner.Buddy(), a);
    EXPECT_THROW(SetObjectProp(owner, "Buddy", &notAComponent), EPropertyError);
    SetObjectProp(owner, "Buddy", nullptr);
    EXPECT_EQ(owner.Buddy(), nullptr);
}

TEST(TypeInfo, MisuseRaisesPropertyErrors) {
    TWidget w(nullptr);
    EXPECT_THROW(SetOrdProp(w, "Missing", 1), EPropertyError);
    EXPECT_THROW(SetOrdProp(w, "ReadOnlyValue", 1), EPropertyError);
    EXPECT_EQ(GetOrdProp(w, "ReadOnlyValue"), 7);
    EXPECT_THROW(SetPropValue(w, "Size", std::string("ten")), EPropertyError);
    EXPECT_THROW(SetPropValue(w, "Text", int64_t{3}), EPropertyError);
    EXPECT_THROW(GetStrProp(w, "Size"), EPropertyError);
}

TEST(TypeInfo, EventsKeepTheirSignature) {
    std::vector<std::string> log;
    TWidget target(nullptr), source(nullptr);
    target.log = &log;
    target.SetName("target");
    source.SetName("source");
    const TMethodInfo* ping = target.ClassInfo().FindMethod("PING");
    ASSERT_NE(ping, nullptr);
    SetPropValue(source, "OnPing", ping->Bind(target));
    source.OnPing(&source);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "ping target from source");
    // A handler of another signature does not fit the event.
    const TMethodInfo* count = target.ClassInfo().FindMethod("Count");
    EXPECT_THROW(SetPropValue(source, "OnPing", count->Bind(target)), EPropertyError);
    SetPropValue(source, "OnCount", count->Bind(target));
    source.OnCount(&source, 3);
    EXPECT_EQ(log.back(), "count 3");
    // Empty events are no-ops.
    SetPropValue(source, "OnPing", TPropValue{});
    source.OnPing(&source);
    EXPECT_EQ(log.size(), 2u);
}

TEST(TypeInfo, CheckedDownCast) {
    TBigWidget big(nullptr);
    TWidget plain(nullptr);
    TObject* a = &big;
    TObject* b = &plain;
    EXPECT_EQ(As<TBigWidget>(a), &big);
    EXPECT_EQ(As<TBigWidget>(b), nullptr);
    EXPECT_EQ(As<TWidget>(a), &big);
    EXPECT_EQ(As<TWidget>(static_cast<TObject*>(nullptr)), nullptr);
    EXPECT_STREQ(a->ClassName(), "TBigWidget");
}

TEST(TypeInfo, ClassRegistryFindsByNameIgnoringCase) {
    TClassRegistry r;
    r.Register(TWidget::StaticClass());
    r.Register(TWidget::StaticClass());
    EXPECT_EQ(r.Find("twidget"), &TWidget::StaticClass());
    EXPECT_EQ(r.Find("TBigWidget"), nullptr);
    ASSERT_TRUE(TWidget::StaticClass().Create);
    std::unique_ptr<TObject> made(TWidget::StaticClass().Create(nullptr));
    EXPECT_NE(As<TWidget>(made.get()), nullptr);
}
