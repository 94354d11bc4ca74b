// skin-pack and skin-inspect as programs: what one writes the other reads back line for
// line, exit statuses, and the archives checked by Info-ZIP's unzip.
#include "ReaderTestSupport.h"
#include "framework/BmpDecoder.h"

#include <gtest/gtest.h>

using namespace readertest;
namespace fs = std::filesystem;

namespace {

std::string Text(const fs::path& p) {
    const std::vector<uint8_t> b = ReadFile(p);
    return std::string(b.begin(), b.end());
}

class SkinTools : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(dir_ / "bmps");
        WriteFile(dir_ / "bmps" / "SKIN2_TITLEBAR1.bmp", Picture(30, 20));
        WriteFile(dir_ / "bmps" / "SKIN2_FormLeftBorder.BMP", Picture(3, 70));
        WriteFile(dir_ / "bmps" / "notes.txt", Bytes("not a bitmap, not packed"));
        WriteFile(dir_ / "values.txt", Bytes("# colours\n"
                                             "integer SKIN2_FORMCOLOR 0xE8E8E8\n"
                                             "\n"
                                             "  integer SKIN2_TITLEBARICONPOSX -4\r\n"
                                             "boolean SKIN2_TITLEFIVESECT true\n"
                                             "boolean SKIN2_TITLEBTNTRANS 200\n"
                                             "string SKIN2_NAME Blue  steel, v2\n"
                                             "integer SKIN2_ALLBITS 0xFFFFFFFF\n"));
    }
    static std::vector<uint8_t> Picture(int w, int h) {
        std::vector<uint32_t> px(static_cast<size_t>(w) * h);
        for (size_t i = 0; i < px.size(); ++i)
            px[i] = static_cast<uint32_t>(i * 2654435761u);
        return EncodeBmp24(w, h, px);
    }
    // Runs a tool with arguments; keeps standard output and error in out_ and err_.
    int Tool(const char* program, const std::string& arguments) {
        return RunShell(std::string(program) + " " + arguments + " >" + Quote(dir_ / "stdout") +
                        " 2>" + Quote(dir_ / "stderr"));
    }
    std::string Out() const { return Text(dir_ / "stdout"); }
    std::string Err() const { return Text(dir_ / "stderr"); }
    std::string P(const std::string& name) const { return Quote(dir_ / name); }

    TTempDir dir_;
    const std::string expected_ = "bitmap SKIN2_FormLeftBorder 3x70\n"
                                  "bitmap SKIN2_TITLEBAR1 30x20\n"
                                  "integer SKIN2_FORMCOLOR 15263976\n"
                                  "integer SKIN2_TITLEBARICONPOSX -4\n"
                                  "boolean SKIN2_TITLEFIVESECT 1\n"
                                  "boolean SKIN2_TITLEBTNTRANS 200\n"
                                  "string SKIN2_NAME Blue  steel, v2\n"
                                  "integer SKIN2_ALLBITS -1\n";
};

TEST_F(SkinTools, InspectReadsBackWhatPackWrote) {
    ASSERT_EQ(Tool(SKIN_PACK, "--values " + P("values.txt") + " " + P("bmps") + " " + P("s.zip")),
              0)
        << Err();
    ASSERT_EQ(Tool(SKIN_INSPECT, P("s.zip")), 0) << Err();
    EXPECT_EQ(Out(), expected_);
    if (HaveProgram("unzip")) {
        EXPECT_EQ(RunShell("unzip -tqq " + P("s.zip")), 0);
        EXPECT_EQ(RunShell("unzip -p " + P("s.zip") + " SKINDATA.SK2 >" + P("unzipped")), 0);
        ASSERT_EQ(Tool(SKIN_INSPECT, "extract " + P("s.zip") + " skindata.sk2 " + P("mine")), 0);
        EXPECT_EQ(ReadFile(dir_ / "unzipped"), ReadFile(dir_ / "mine"));
    }
}

TEST_F(SkinTools, PasswordProtectedSkins) {
    ASSERT_EQ(Tool(SKIN_PACK, "--password 'open sesame' --values " + P("values.txt") + " " +
                                  P("bmps") + " " + P("e.zip")),
              0)
        << Err();
    EXPECT_EQ(Tool(SKIN_INSPECT, P("e.zip")), 2);
    EXPECT_EQ(Out(), "");
    EXPECT_EQ(Tool(SKIN_INSPECT, "--password wrong " + P("e.zip")), 2);
    ASSERT_EQ(Tool(SKIN_INSPECT, "--password 'open sesame' " + P("e.zip")), 0) << Err();
    EXPECT_EQ(Out(), expected_);
    if (HaveProgram("unzip")) {
        EXPECT_EQ(RunShell("unzip -tqq -P 'open sesame' " + P("e.zip")), 0);
    }
    EXPECT_EQ(Tool(SKIN_INSPECT, "extract " + P("e.zip") + " SKINDATA.SK2 " + P("x")), 2);
    EXPECT_FALSE(fs::exists(dir_ / "x"));
}

TEST_F(SkinTools, InspectFailuresCarryTheReadersMessage) {
    EXPECT_EQ(Tool(SKIN_INSPECT, P("missing.zip")), 1);
    EXPECT_EQ(Err(), "Failed to read skin file!\n");
    WriteFile(dir_ / "bad.bmp", Bytes("BM not really a bitmap"));
    ASSERT_EQ(Tool(SKIN_PACK, P("bmps") + " " + P("s.zip")), 0);
    ASSERT_EQ(RunShell("cd " + P("bmps") + " && cp ../bad.bmp SKIN2_BAD.bmp"), 0);
    EXPECT_EQ(Tool(SKIN_PACK, P("bmps") + " " + P("t.zip")), 1);
    EXPECT_NE(Err().find("SKIN2_BAD.bmp"), std::string::npos) << Err();
    EXPECT_FALSE(fs::exists(dir_ / "t.zip"));
}

TEST_F(SkinTools, ExtractStatusAndOutputFile) {
    ASSERT_EQ(Tool(SKIN_PACK, P("bmps") + " " + P("s.zip")), 0);
    EXPECT_EQ(Tool(SKIN_INSPECT, "extract " + P("s.zip") + " OTHER " + P("x")), 1);
    EXPECT_FALSE(fs::exists(dir_ / "x"));
    EXPECT_EQ(
        Tool(SKIN_INSPECT, "extract --password unused " + P("s.zip") + " SKINDATA.SK2 " + P("x")),
        0);
    EXPECT_TRUE(fs::exists(dir_ / "x"));
}

TEST_F(SkinTools, ValuesFileErrorsNameTheLine) {
    WriteFile(dir_ / "v.txt", Bytes("integer A 1\ninteger B twelve\n"));
    EXPECT_EQ(Tool(SKIN_PACK, "--values " + P("v.txt") + " " + P("bmps") + " " + P("o.zip")), 1);
    EXPECT_NE(Err().find("line 2"), std::string::npos) << Err();
    EXPECT_FALSE(fs::exists(dir_ / "o.zip"));
    for (const char* line :
         {"colour A 1", "boolean A 256", "integer A 0x100000000", "integer",
          "integer "
          "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA 1"}) {
        WriteFile(dir_ / "v.txt", Bytes(std::string(line) + "\n"));
        EXPECT_EQ(Tool(SKIN_PACK, "--values " + P("v.txt") + " " + P("bmps") + " " + P("o.zip")), 1)
            << line;
    }
}

TEST_F(SkinTools, UsageAndHelp) {
    for (const char* args : {"", "a b c", "--frobnicate x", "extract a b", "extract a b c d"}) {
        EXPECT_EQ(Tool(SKIN_INSPECT, args), 64) << args;
        EXPECT_NE(Err().find("usage:"), std::string::npos);
    }
    for (const char* args : {"", "onlyone", "--password", "--bogus a b"})
        EXPECT_EQ(Tool(SKIN_PACK, args), 64) << args;
    ASSERT_EQ(Tool(SKIN_INSPECT, "--help"), 0);
    EXPECT_NE(Out().find("skin-inspect extract"), std::string::npos);
    ASSERT_EQ(Tool(SKIN_PACK, "--help"), 0);
    EXPECT_NE(Out().find("--values"), std::string::npos);
}

} // namespace
