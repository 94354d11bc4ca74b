// The download offer: the box itself, Cancel and Escape, and OK with the real stand-in downloader.
#include "LaunchTest.h"

#include "app/ToolCatalogue.h"

namespace {
const std::string SoundTakerInstaller =
    std::string(Endpoints::DownloadServer) + "/velmoracenter/vfc-soundtaker.exe";
const std::string OfferText = "Download the core function files now?\t\n"
                              "Click Cancel to download it manually.\t\n"
                              "Click OK to start downloading automatically.";

std::string Lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}
} // namespace

class DownloadOffer : public LaunchTest, public ::testing::WithParamInterface<TAnswer> {};

TEST_P(DownloadOffer, CancelOrEscapeOpensTheDownloadPageAndStartsNothing) {
    TRecordingShell shell;
    const auto boxes = ClickAnswering("btnSlideVideoMaker", {GetParam()});
    ASSERT_EQ(boxes.size(), 1u);
    const TDialogSeen& box = boxes[0];
    EXPECT_TRUE(box.Scripted);
    EXPECT_EQ(box.Owner, LauncherHandle());
    EXPECT_EQ(box.Caption, Application->Title());
    EXPECT_EQ(box.Caption, "Velmora Free Center");
    EXPECT_EQ(box.Text, OfferText);
    EXPECT_TRUE(box.QuestionIcon);
    using TButtons = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(box.Buttons, (TButtons{{IDOK, "OK"}, {IDCANCEL, "Cancel"}}));

    ASSERT_EQ(shell.Opened.size(), 1u);
    EXPECT_EQ(shell.Opened[0].File, std::string(Endpoints::WebSite) + "/downloads.html");
    EXPECT_TRUE(shell.Executed.empty());
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(visibility.Steps(), "");
    ExpectLauncherUsable();
}

INSTANTIATE_TEST_SUITE_P(Answers, DownloadOffer,
                         ::testing::Values(TAnswer::Cancel, TAnswer::Escape), [](const auto& info) {
                             return info.param == TAnswer::Cancel ? "Cancel" : "Escape";
                         });

TEST_F(LaunchTest, OkRunsTheDownloaderAndThenTheToolItInstalled) {
    TRecordingShell shell;
    const auto boxes = ClickAnswering("btnAudioRecorder", {TAnswer::Ok});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(shell.Opened.empty());

    const std::string folder = scratch.Path() + "\\Installed Tool Folder";
    const std::string program = folder + "\\SoundTaker.exe";
    ASSERT_EQ(shell.Executed.size(), 2u);
    const TExecuteCall& downloader = shell.Executed[0];
    EXPECT_EQ(downloader.File, "TovoDownloader.exe");
    EXPECT_EQ(downloader.Parameters, SoundTakerInstaller);
    EXPECT_EQ(downloader.ScreenCursor, crDefault);
    EXPECT_TRUE(downloader.GotProcess);
    const TExecuteCall& tool = shell.Executed[1];
    EXPECT_EQ(tool.File, Quoted(program));
    EXPECT_FALSE(tool.Parameters);
    EXPECT_EQ(tool.ScreenCursor, crHourGlass);
    EXPECT_TRUE(tool.GotProcess);

    // Downloader, then the tool it installed, each while the window was hidden.
    EXPECT_EQ(log.Kinds(),
              (std::vector<std::string>{"downloader", "watch", "installed", "tool", "watch"}));
    const auto started = log.Lines("downloader");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(Lower(started[0].at(2)), Lower(FixtureFolder() + "\\TovoDownloader.exe"))
        << "found through the search path";
    // The address is the only parameter, unquoted, after the program name.
    const std::string& commandLine = started[0].at(1);
    const std::string& address = SoundTakerInstaller;
    ASSERT_GE(commandLine.size(), address.size());
    EXPECT_EQ(commandLine.substr(commandLine.size() - address.size()), address);
    EXPECT_EQ(commandLine.find('"' + address), std::string::npos);
    const auto ran = log.Lines("tool");
    ASSERT_EQ(ran.size(), 1u);
    EXPECT_EQ(Lower(ran[0].at(2)), Lower(program));
    for (const auto& watch : log.Lines("watch"))
        EXPECT_EQ(watch.at(1), "hidden");

    EXPECT_EQ(visibility.Steps(), "HSHS");
    EXPECT_EQ(Application->ScreenCursor(), crDefault);
    ExpectLauncherUsable();
}

TEST_F(LaunchTest, OkEndsSilentlyWhenTheDownloaderInstalledNothing) {
    TEnvironmentScope failing("VFC_DOWNLOADER_FAIL", "1");
    TRecordingShell shell;
    const auto boxes = ClickAnswering("btnVideoConverter", {TAnswer::Ok});
    EXPECT_EQ(boxes.size(), 1u) << "no second box, no message";
    ASSERT_EQ(shell.Executed.size(), 1u);
    EXPECT_EQ(shell.Executed[0].File, "TovoDownloader.exe");
    EXPECT_EQ(log.Kinds(), (std::vector<std::string>{"downloader", "watch", "failed"}));
    EXPECT_TRUE(shell.Opened.empty());
    EXPECT_EQ(visibility.Steps(), "HS");
    ExpectLauncherUsable();
}

TEST_F(LaunchTest, DownloaderThatCannotBeStartedLeavesTheWindowShown) {
    TEnvironmentScope noDownloader("PATH", "C:\\windows\\system32;C:\\windows");
    TRecordingShell shell;
    const auto boxes = ClickAnswering("btnVideoDVDMaker", {TAnswer::Ok});
    ASSERT_GE(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, OfferText);
    // Anything after the offer is the shell's own report, never one of the launcher's.
    for (size_t i = 1; i < boxes.size(); ++i) {
        EXPECT_NE(boxes[i].Text, OfferText);
        EXPECT_NE(boxes[i].Owner, LauncherHandle());
    }
    ASSERT_EQ(shell.Executed.size(), 1u);
    EXPECT_FALSE(shell.Executed[0].Result);
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(visibility.Steps(), "");
    ExpectLauncherUsable();
}

namespace {
// A box that cannot be shown: MessageBoxA's answer of 0.
class TUnshownBoxes : public TSystemMessageBoxes {
public:
    int Ask(HWND, const std::string&, const std::string&, unsigned) override { return 0; }
};
} // namespace

TEST_F(LaunchTest, AnOfferThatCannotBeShownStartsNothing) {
    TRecordingShell shell;
    TUnshownBoxes boxes;
    Application->SetMessageBoxes(&boxes);
    const auto seen = ClickAnswering("btnAudioRecorder");
    Application->SetMessageBoxes(nullptr);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(shell.Executed.empty());
    EXPECT_TRUE(shell.Opened.empty());
    EXPECT_TRUE(log.Lines().empty());
    ExpectLauncherUsable();
}
