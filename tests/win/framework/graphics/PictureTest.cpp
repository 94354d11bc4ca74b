#include "GraphicsFixtures.h"
#include "tests/win/support/Pixels.h"

#include "framework/LayoutParser.h"
#include "framework/LayoutReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {
constexpr TColor kRed = 0x0000FF;

struct ChangeCounter {
    int n = 0;
    void Count(TObject*) { ++n; }
};

TEST(Picture, BitmapReplacesAnyOtherGraphic) {
    TPicture picture;
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 0);
    TIcon* icon = picture.Icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(picture.Graphic()->Is<TIcon>());
    TBitmap* bitmap = picture.Bitmap();
    EXPECT_TRUE(picture.Graphic()->Is<TBitmap>());
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(picture.Bitmap(), bitmap); // asking again keeps it
}

TEST(Picture, AssignCopiesTheGraphic) {
    TPicture source;
    Fill(*source.Bitmap(), 3, 2, kRed);
    TPicture copy;
    copy.Assign(&source);
    ASSERT_NE(copy.Graphic(), nullptr);
    EXPECT_NE(copy.Graphic(), source.Graphic());
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Height(), 2);
    EXPECT_EQ(copy.Bitmap()->CopyPixels(), source.Bitmap()->CopyPixels());

    TJPEGImage jpeg;
    jpeg.LoadFromMemory(ReadFixture("quadrants.jpg"));
    copy.Assign(&jpeg);
    EXPECT_TRUE(copy.Graphic()->Is<TJPEGImage>());
    EXPECT_EQ(copy.Width(), 16);

    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
}

TEST(Picture, ReportsChangesOfItsGraphic) {
    TPicture picture;
    ChangeCounter counter;
    picture.OnChange = TNotifyEvent::Bind<&ChangeCounter::Count>(&counter);
    TBitmap* bitmap = picture.Bitmap();
    const int afterCreate = counter.n;
    EXPECT_GE(afterCreate, 1);
    bitmap->SetSize(2, 2);
    const int afterResize = counter.n;
    EXPECT_GT(afterResize, afterCreate);
    bitmap->Canvas()->FillRect(Rect(0, 0, 1, 1)); // drawing changes the picture too
    EXPECT_EQ(counter.n, afterResize + 1);
}

TEST(Picture, AssignResourceLoadsTheExecutablesBitmap) {
    TPicture picture;
    EXPECT_TRUE(picture.AssignResource("TEST_GRADIENT24"));
    ASSERT_NE(As<TBitmap>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_FALSE(picture.AssignResource("NO_SUCH_BITMAP"));
    EXPECT_EQ(picture.Width(), 5);
}

class PictureFile : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        std::string path = std::string(dir) + "vfc_graphics_" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        written.push_back(path);
        return path;
    }
    void TearDown() override {
        for (const std::string& p : written)
            DeleteFileA(p.c_str());
    }
    std::vector<std::string> written;
};

TEST_F(PictureFile, ChoosesTheGraphicClassByExtension) {
    TBitmap b;
    Fill(b, 4, 4, kRed);
    const std::vector<uint8_t> jpeg = ReadFixture("quadrants.jpg");
    TPicture picture;
    picture.LoadFromFile(Write("a.bmp", b.SaveToMemory()));
    EXPECT_TRUE(picture.Graphic()->Is<TBitmap>());
    EXPECT_EQ(picture.Width(), 4);
    picture.LoadFromFile(Write("b.JPG", jpeg));
    EXPECT_TRUE(picture.Graphic()->Is<TJPEGImage>());
    picture.LoadFromFile(Write("c.jpeg", jpeg));
    EXPECT_TRUE(picture.Graphic()->Is<TJPEGImage>());
    picture.LoadFromFile(Write("d.ico", ReadFixture("twosizes.ico")));
    EXPECT_TRUE(picture.Graphic()->Is<TIcon>());
}

TEST_F(PictureFile, UnknownExtensionsAndBadContentsLeaveThePictureAlone) {
    TPicture picture;
    Fill(*picture.Bitmap(), 2, 2, kRed);
    EXPECT_THROW(picture.LoadFromFile(Write("e.gif", {1, 2, 3})), EGraphicsError);
    EXPECT_THROW(picture.LoadFromFile(Write("noext", {1, 2, 3})), EGraphicsError);
    // A bitmap named as a JPEG file is read as JPEG data, and fails.
    EXPECT_THROW(picture.LoadFromFile(Write("f.jpg", picture.Bitmap()->SaveToMemory())),
                 EGraphicsError);
    EXPECT_THROW(picture.LoadFromFile(FixturePath("missing.bmp")), EGraphicsError);
    EXPECT_TRUE(picture.Graphic()->Is<TBitmap>());
    EXPECT_EQ(picture.Width(), 2);
}

TEST(PictureFormats, TheJpegEntriesAndLookUp) {
    const TGraphicFileFormat* jpg = FindGraphicFileFormat("JPG");
    ASSERT_NE(jpg, nullptr);
    EXPECT_STREQ(jpg->Description, "JPEG Image File");
    EXPECT_EQ(&jpg->GraphicClass(), &TJPEGImage::StaticClass());
    ASSERT_NE(FindGraphicFileFormat("jpeg"), nullptr);
    EXPECT_STREQ(FindGraphicFileFormat("jpeg")->Description, "JPEG Image File");
    EXPECT_EQ(&FindGraphicFileFormat("bmp")->GraphicClass(), &TBitmap::StaticClass());
    EXPECT_EQ(&FindGraphicFileFormat("ico")->GraphicClass(), &TIcon::StaticClass());
    EXPECT_EQ(FindGraphicFileFormat("png"), nullptr);
}

// A component with a font and a picture, as controls have them.
class TPictureHolder : public TComponent {
    VFC_CLASS(TPictureHolder, TComponent)
    explicit TPictureHolder(TComponent* owner) : TComponent(owner) {}
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* f) { font_->Assign(f); }
    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(TPicture* p) { picture_->Assign(p); }

private:
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
    std::unique_ptr<TPicture> picture_ = std::make_unique<TPicture>();
};

VFC_DESCRIBE(TPictureHolder) {
    b.Property("Font", &TPictureHolder::Font, &TPictureHolder::SetFont);
    b.Property("Picture", &TPictureHolder::Picture, &TPictureHolder::SetPicture);
}

TEST(GraphicsLayout, FontAndPictureComeFromAStoredLayout) {
    TClassRegistry classes;
    classes.Register(TPictureHolder::StaticClass());
    TPictureHolder holder(nullptr);
    const TLayoutObject layout = ParseLayout(R"(
object Holder: TPictureHolder
  Font.Name = 'Arial'
  Font.Height = -16
  Font.Style = [fsBold, fsItalic]
  Font.Color = clWhite
  Picture = resource('TEST_GRADIENT24')
end
)",
                                             "test");
    TLayoutReader(classes, "test").Read(holder, layout);
    EXPECT_EQ(holder.Font()->Name(), "Arial");
    EXPECT_EQ(holder.Font()->Height(), -16);
    EXPECT_EQ(holder.Font()->Size(), 12);
    EXPECT_EQ(holder.Font()->Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(holder.Font()->Color(), clWhite);
    ASSERT_NE(As<TBitmap>(holder.Picture()->Graphic()), nullptr);
    EXPECT_EQ(holder.Picture()->Width(), 5);

    const TLayoutObject bad =
        ParseLayout("object Holder: TPictureHolder\n  Picture = resource('NO_SUCH')\nend\n", "bad");
    EXPECT_THROW(TLayoutReader(classes, "bad").Read(holder, bad), ELayoutError);
    EXPECT_THROW(TLayoutReader(classes, "bad")
                     .Read(holder, ParseLayout("object Holder: TPictureHolder\n  Font.Style = "
                                               "[fsHeavy]\nend\n",
                                               "bad")),
                 ELayoutError);
}

TEST(GraphicsObjects, FontSizeAndAdoptedHandles) {
    TFont font;
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);

    LOGFONTA lf{};
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    lf.lfUnderline = TRUE;
    lf.lfCharSet = ANSI_CHARSET;
    lstrcpyA(lf.lfFaceName, "Courier New");
    HFONT made = CreateFontIndirectA(&lf);
    font.SetHandle(made);
    EXPECT_EQ(font.Handle(), made);
    EXPECT_EQ(font.Name(), "Courier New");
    EXPECT_EQ(font.Height(), -20);
    EXPECT_EQ(font.Charset(), ANSI_CHARSET);
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsUnderline}));
    font.SetColor(kRed);
    EXPECT_EQ(font.Handle(), made); // colour is not part of the font object
}
} // namespace
