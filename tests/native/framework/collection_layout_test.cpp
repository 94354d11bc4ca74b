// Collections in stored layouts: the item list and data syntax, and reading a list into a
// collection (which first empties it) and writing it back.
#include "framework/Collections.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"

#include <gtest/gtest.h>

namespace {
class TPoint3 : public TCollectionItem {
    VFC_CLASS(TPoint3, TCollectionItem)
    explicit TPoint3(TCollection* c) : TCollectionItem(c) {}
    int X = 0;
    std::string Label;
    void Assign(const TPersistent* source) override {
        auto* p = As<TPoint3>(source);
        X = p->X;
        Label = p->Label;
    }
};
VFC_DESCRIBE(TPoint3) {
    b.Field("X", &TPoint3::X).WithDefault(0);
    b.Field("Label", &TPoint3::Label);
}

class TPoints : public TCollection {
    VFC_CLASS(TPoints, TCollection)
    explicit TPoints(TPersistent* owner) : TCollection(owner, &MakeCollectionItem<TPoint3>) {}
    int Updates = 0;

protected:
    void Update(TCollectionItem*) override { ++Updates; }
};
VFC_DESCRIBE(TPoints) {
    (void)b;
}

class TShape : public TComponent {
    VFC_CLASS(TShape, TComponent)
    explicit TShape(TComponent* owner) : TComponent(owner), points_(this) { points_.AddItem(); }
    TPoints* Points() const { return const_cast<TPoints*>(&points_); }
    void SetPoints(TPoints* p) { points_.Assign(p); }

private:
    TPoints points_;
};
VFC_DESCRIBE(TShape) {
    b.Property("Points", &TShape::Points, &TShape::SetPoints);
}

constexpr char kLayout[] = "object Shape1: TShape\n"
                           "  Points = <\n"
                           "    item\n"
                           "      X = 3\n"
                           "      Label = 'a''b'\n"
                           "    end\n"
                           "    item\n"
                           "    end>\n"
                           "end\n";

// As written back: texts have no default, so the second item's empty label is stored.
constexpr char kWritten[] = "object Shape1: TShape\n"
                            "  Points = <\n"
                            "    item\n"
                            "      X = 3\n"
                            "      Label = 'a''b'\n"
                            "    end\n"
                            "    item\n"
                            "      Label = ''\n"
                            "    end>\n"
                            "end\n";

std::string ParseError(const char* text) {
    try {
        ParseLayout(text, "T");
    } catch (const ELayoutError& e) {
        return e.what();
    }
    return {};
}
} // namespace

TEST(CollectionLayout, ListsAreReadIntoAnEmptiedCollectionAndWrittenBackAlike) {
    TClassRegistry registry;
    registry.Register(TShape::StaticClass());
    TShape shape(nullptr);
    TLayoutReader(registry, "T").Read(shape, ParseLayout(kLayout, "T"));
    ASSERT_EQ(shape.Points()->Count(), 2) << "the item made by the constructor went";
    EXPECT_EQ(static_cast<TPoint3*>(shape.Points()->Item(0))->X, 3);
    EXPECT_EQ(static_cast<TPoint3*>(shape.Points()->Item(0))->Label, "a'b");
    EXPECT_EQ(WriteLayout(shape), kWritten);

    const int updates = shape.Points()->Updates;
    shape.SetPoints(shape.Points());
    EXPECT_EQ(shape.Points()->Count(), 2) << "assigning a collection to itself keeps it";
    EXPECT_EQ(shape.Points()->Updates, updates);
}

TEST(CollectionLayout, DataAndListSyntaxErrorsNameTheLine) {
    TLayoutObject o = ParseLayout("object A: T\n  P = {0aFF\n   10}\nend\n", "T");
    EXPECT_EQ(o.Properties.at(0).Value.Bytes, (std::vector<uint8_t>{0x0A, 0xFF, 0x10}));
    EXPECT_NE(ParseError("object A: T\n  P = {0aF}\nend\n").find("T(2)"), std::string::npos);
    EXPECT_NE(ParseError("object A: T\n  P = <\n  item\n  end\nend\n").find("'item' or '>'"),
              std::string::npos);
    EXPECT_NE(ParseError("object A: T\n  P = {zz}\nend\n").find("hex"), std::string::npos);
}
