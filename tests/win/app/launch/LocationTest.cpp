// Where a click looks for a tool: first and second uninstall id, the folder separator, a missing
// program file, and an install location that is not text.
#include "LaunchTest.h"

#include "app/ToolCatalogue.h"

namespace {

enum class TFirstKey { Missing, WithoutValue, EmptyValue };

struct TFallbackCase {
    const char* Button;
    const TToolEntry* Tool;
    TFirstKey FirstKey;
};

std::string Describe(const ::testing::TestParamInfo<TFallbackCase>& info) {
    static const char* const states[] = {"FirstKeyMissing", "FirstKeyWithoutValue",
                                         "FirstValueEmpty"};
    return std::string(info.param.Button + 3) + "_" + states[static_cast<int>(info.param.FirstKey)];
}

void PrintTo(const TFallbackCase& c, std::ostream* os) {
    *os << c.Button;
}

class SecondIdFallback : public LaunchTest, public ::testing::WithParamInterface<TFallbackCase> {};

} // namespace

TEST_P(SecondIdFallback, FindsTheToolThroughTheSecondId) {
    const TFallbackCase& c = GetParam();
    TRecordingShell shell(TRecordingShell::SucceedWithoutProcess);
    if (c.FirstKey == TFirstKey::WithoutValue)
        keys.CreateWithoutValue(c.Tool->FirstId);
    if (c.FirstKey == TFirstKey::EmptyValue)
        keys.SetLocation(c.Tool->FirstId, "");
    const std::string folder = scratch.Folder("second location");
    const std::string program = Install("second location", c.Tool->ProgramFile);
    keys.SetLocation(c.Tool->SecondId, folder);

    EXPECT_TRUE(ClickAnswering(c.Button).empty());
    ASSERT_EQ(shell.Executed.size(), 1u);
    EXPECT_EQ(shell.Executed[0].File, Quoted(program));
}

INSTANTIATE_TEST_SUITE_P(
    TwoIdTools, SecondIdFallback,
    ::testing::Values(
        TFallbackCase{"btnScreenRecorder", &ToolCatalogue::ScreenRecorder, TFirstKey::Missing},
        TFallbackCase{"btnScreenRecorder", &ToolCatalogue::ScreenRecorder, TFirstKey::WithoutValue},
        TFallbackCase{"btnScreenRecorder", &ToolCatalogue::ScreenRecorder, TFirstKey::EmptyValue},
        TFallbackCase{"btnDVDRipper", &ToolCatalogue::DVDRipper, TFirstKey::Missing},
        TFallbackCase{"btnDVDRipper", &ToolCatalogue::DVDRipper, TFirstKey::WithoutValue},
        TFallbackCase{"btnDVDRipper", &ToolCatalogue::DVDRipper, TFirstKey::EmptyValue}),
    Describe);

TEST_F(LaunchTest, FirstIdWinsWhenBothHoldALocation) {
    TRecordingShell shell(TRecordingShell::SucceedWithoutProcess);
    const std::string first = Install("first", ToolCatalogue::AudioConverter.ProgramFile);
    Install("second", ToolCatalogue::AudioConverter.ProgramFile);
    keys.SetLocation(ToolCatalogue::AudioConverter.FirstId, scratch.Path() + "\\first");
    keys.SetLocation(ToolCatalogue::AudioConverter.SecondId, scratch.Path() + "\\second");

    ClickAnswering("btnAudioConverter");
    ASSERT_EQ(shell.Executed.size(), 1u);
    EXPECT_EQ(shell.Executed[0].File, Quoted(first));
}

TEST_F(LaunchTest, ExactlyOneBackslashJoinsLocationAndProgram) {
    TRecordingShell shell(TRecordingShell::SucceedWithoutProcess);
    const std::string folder = scratch.Folder("Video Editor");
    const std::string program = Install("Video Editor", ToolCatalogue::VideoEditor.ProgramFile);
    for (const std::string& location : {folder, folder + "\\"}) {
        SCOPED_TRACE(location);
        shell.Executed.clear();
        keys.SetLocation(ToolCatalogue::VideoEditor.FirstId, location);
        EXPECT_TRUE(ClickAnswering("btnVideoEditor").empty());
        ASSERT_EQ(shell.Executed.size(), 1u);
        EXPECT_EQ(shell.Executed[0].File, Quoted(program));
    }
}

TEST_F(LaunchTest, DeletedProgramFileGetsTheDownloadOffer) {
    TRecordingShell shell;
    const std::string program = Install("Ripper", "DiscExtract.exe");
    keys.SetLocation(ToolCatalogue::DVDRipper.FirstId, scratch.Path() + "\\Ripper");
    ASSERT_TRUE(DeleteFileA(program.c_str()));
    // A folder of the program's name is no program either.
    scratch.Folder("Ripper\\DiscExtract.exe");

    const auto boxes = ClickAnswering("btnDVDRipper", {TAnswer::Cancel});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, LaunchTexts::DownloadOffer);
    EXPECT_TRUE(shell.Executed.empty());
    EXPECT_EQ(shell.Opened.size(), 1u);
}

class NonTextLocation : public LaunchTest {
protected:
    // The key of the first id holds a number; the second id holds a real location.
    void SetUp() override {
        keys.SetDword(ToolCatalogue::ScreenRecorder.FirstId, 7);
        keys.SetLocation(ToolCatalogue::ScreenRecorder.SecondId, scratch.Folder("Captor"));
        Install("Captor", "ScreenCaptor.exe");
    }
    // After the error the window takes the next click as usual.
    void ExpectNextClickStartsTheTool(TRecordingShell& shell) {
        ExpectLauncherUsable();
        keys.SetLocation(ToolCatalogue::ScreenRecorder.FirstId, scratch.Path() + "\\Captor");
        EXPECT_TRUE(ClickAnswering("btnScreenRecorder").empty());
        ASSERT_EQ(shell.Executed.size(), 1u);
        EXPECT_EQ(log.Lines("tool").size(), 1u);
        ExpectLauncherUsable();
    }
};

TEST_F(NonTextLocation, StopsTheClickWithTheErrorReport) {
    TRecordingShell shell;
    std::vector<std::string> reports;
    Application->OnException = [&reports](const std::string& text) { reports.push_back(text); };

    EXPECT_TRUE(ClickAnswering("btnScreenRecorder").empty()) << "no download offer";
    EXPECT_EQ(reports, std::vector<std::string>{"Invalid data type for 'InstallLocation'"});
    EXPECT_TRUE(shell.Executed.empty()) << "the second id is not tried";
    EXPECT_EQ(visibility.Steps(), "");
    ExpectNextClickStartsTheTool(shell);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(NonTextLocation, ShowsTheErrorInTheApplicationsMessageBox) {
    TRecordingShell shell;
    const auto boxes = ClickAnswering("btnScreenRecorder", {TAnswer::Ok});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Invalid data type for 'InstallLocation'");
    EXPECT_EQ(boxes[0].Caption, Application->Title());
    EXPECT_TRUE(shell.Executed.empty());
    ExpectNextClickStartsTheTool(shell);
}
