// Starting an installed tool: the quoted path, the hidden window while the tool runs, the
// hourglass, and a shell that gives no process or cannot start the program.
#include "LaunchTest.h"

#include "app/ToolCatalogue.h"

#include <fstream>

namespace {
std::string Lower(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

HCURSOR SystemCursor(LPCSTR id) {
    return LoadCursorA(nullptr, id);
}
} // namespace

TEST_F(LaunchTest, ToolInABlankFolderStartsAndTheWindowStaysHiddenUntilItEnds) {
    const std::string program = Install("Disc Author Tool", "DiscAuthor.exe");
    keys.SetLocation(ToolCatalogue::VideoDVDMaker.FirstId, scratch.Path() + "\\Disc Author Tool");
    const std::string release = scratch.Path() + "\\release";
    TEnvironmentScope releaseVariable("VFC_RELEASE", release);
    TRecordingShell shell;

    // The click blocks until the tool ends; the tool ends when released, and it is released only
    // once it has seen the window hidden.
    bool hiddenWhileRunning = false;
    std::thread releaser([&] {
        WaitFor([&] { return !log.Lines("watch").empty(); });
        hiddenWhileRunning = !IsWindowVisible(LauncherHandle());
        std::ofstream(release).put('x');
    });
    const auto boxes = ClickAnswering("btnVideoDVDMaker");
    releaser.join();

    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(log.Kinds(), (std::vector<std::string>{"tool", "watch", "exit"}));
    ASSERT_EQ(log.Lines("exit").size(), 1u);
    EXPECT_EQ(log.Lines("exit")[0].at(1), "released") << "the click returned after the tool ended";
    EXPECT_TRUE(hiddenWhileRunning);
    EXPECT_EQ(log.Lines("watch")[0].at(1), "hidden");
    const auto ran = log.Lines("tool");
    EXPECT_EQ(Lower(ran[0].at(2)), Lower(program));
    EXPECT_EQ(ran[0].at(1).rfind(Quoted(program), 0), 0u) << ran[0].at(1);

    ASSERT_EQ(shell.Executed.size(), 1u);
    const TExecuteCall& call = shell.Executed[0];
    EXPECT_EQ(call.File, Quoted(program));
    EXPECT_FALSE(call.Parameters);
    EXPECT_FALSE(call.Verb);
    EXPECT_FALSE(call.Directory);
    EXPECT_EQ(call.Owner, nullptr);
    EXPECT_EQ(call.Mask, static_cast<ULONG>(SEE_MASK_NOCLOSEPROCESS));
    EXPECT_EQ(call.Show, 5);
    EXPECT_EQ(call.RecordSize, sizeof(SHELLEXECUTEINFOA));
    EXPECT_TRUE(call.WindowVisible) << "hidden only once the tool has started";
    EXPECT_EQ(call.ScreenCursor, crHourGlass);
    EXPECT_EQ(call.SystemCursor, SystemCursor(IDC_WAIT));
    ASSERT_EQ(shell.Processes.size(), 1u);
    EXPECT_EQ(WaitForSingleObject(shell.Processes[0].Get(), 0), WAIT_OBJECT_0);

    EXPECT_EQ(Application->ScreenCursor(), crDefault);
    EXPECT_EQ(GetCursor(), SystemCursor(IDC_ARROW));
    EXPECT_EQ(visibility.Steps(), "HS");
    ExpectLauncherUsable();
}

// A program that sends to the launcher's (hidden) window while a tool runs is answered.
TEST_F(LaunchTest, MessagesSentWhileAToolRunsAreAnswered) {
    Install("Editor", ToolCatalogue::VideoEditor.ProgramFile);
    keys.SetLocation(ToolCatalogue::VideoEditor.FirstId, scratch.Path() + "\\Editor");
    TEnvironmentScope send("VFC_SEND_SETTING", "1");
    TRecordingShell shell;
    ClickAnswering("btnVideoEditor");
    EXPECT_EQ(log.Kinds(), (std::vector<std::string>{"tool", "watch", "sent"}));
    ASSERT_EQ(log.Lines("sent").size(), 1u);
    EXPECT_EQ(log.Lines("sent")[0].at(1), "answered");
    ExpectLauncherUsable();
}

TEST_F(LaunchTest, LaunchingLeavesNoHandleOpen) {
    keys.SetLocation(ToolCatalogue::VideoEditor.FirstId, scratch.Folder("Editor"));
    Install("Editor", ToolCatalogue::VideoEditor.ProgramFile);
    TRecordingShell shell;
    ClickAnswering("btnVideoEditor"); // first use settles the shell's own handles
    ASSERT_EQ(log.Lines("tool").size(), 1u);
    shell.Processes.clear();
    DWORD before = 0, after = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));
    ClickAnswering("btnVideoEditor");
    shell.Processes.clear();
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_EQ(log.Lines("tool").size(), 2u);
    EXPECT_EQ(after, before);
}

namespace {
struct TSystemShellCall {
    TSystemShell Shell;
    SHELLEXECUTEINFOA Info{};
    std::string File;
    BOOL ExResult = FALSE;
    INT_PTR OpenResult = 0;
};

DWORD WINAPI CallSystemShell(LPVOID data) {
    auto* call = static_cast<TSystemShellCall*>(data);
    call->ExResult = call->Shell.StartProcess(&call->Info);
    call->OpenResult = reinterpret_cast<INT_PTR>(call->Shell.OpenDocument(
        nullptr, "open", call->File.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return 0;
}
} // namespace

// The application's own shell, which the launcher uses outside the tests, reaches the system.
TEST_F(LaunchTest, SystemShellStartsPrograms) {
    TEnvironmentScope noWatch("VFC_WATCH_WINDOW", "");
    TSystemShellCall call;
    call.File = Install("System Shell", "SoundTaker.exe");
    const std::string quoted = Quoted(call.File);
    call.Info.cbSize = sizeof(call.Info);
    call.Info.fMask = SEE_MASK_NOCLOSEPROCESS;
    call.Info.lpFile = quoted.c_str();
    call.Info.nShow = SW_SHOW;
    // On a thread of its own, so that a call that never returns fails the test only.
    TOwnedKernelHandle thread(CreateThread(nullptr, 0, CallSystemShell, &call, 0, nullptr));
    ASSERT_TRUE(thread);
    const bool returned = WaitForSingleObject(thread.Get(), 5000) == WAIT_OBJECT_0;
    if (!returned)
        TerminateThread(thread.Get(), 1);
    ASSERT_TRUE(returned) << "TSystemShell did not return from the shell call";
    EXPECT_TRUE(call.ExResult);
    TOwnedKernelHandle process(call.Info.hProcess);
    ASSERT_TRUE(process);
    EXPECT_EQ(WaitForSingleObject(process.Get(), 10000), WAIT_OBJECT_0);
    EXPECT_GT(call.OpenResult, 32);
    EXPECT_TRUE(WaitFor([&] { return log.Lines("tool").size() == 2; }));
}

TEST_F(LaunchTest, ShellWithoutProcessGivesTheWindowBackAtOnce) {
    Install("Reel Shift", "reelshift.exe");
    keys.SetLocation(ToolCatalogue::VideoConverter.FirstId, scratch.Path() + "\\Reel Shift");
    TRecordingShell shell(TRecordingShell::SucceedWithoutProcess);
    // Another window in front, and the launcher moved away from where it started.
    TOwnedWindow other(CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(other.Get());
    ASSERT_EQ(GetForegroundWindow(), other.Get());
    SetWindowPos(LauncherHandle(), nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT before{}, after{};
    GetWindowRect(LauncherHandle(), &before);

    EXPECT_TRUE(ClickAnswering("btnVideoConverter").empty());
    ASSERT_EQ(shell.Executed.size(), 1u);
    EXPECT_EQ(visibility.Steps(), "HS");
    EXPECT_EQ(GetForegroundWindow(), LauncherHandle()) << "shown again in front";
    GetWindowRect(LauncherHandle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "shown again where it was";
    EXPECT_EQ(Application->ScreenCursor(), crDefault);
    ExpectLauncherUsable();
}

TEST_F(LaunchTest, ToolThatCannotBeStartedGivesTheCursorBackSilently) {
    Install("Photo Reel", "PhotoReel.exe");
    keys.SetLocation(ToolCatalogue::SlideVideoMaker.FirstId, scratch.Path() + "\\Photo Reel");
    TRecordingShell shell(TRecordingShell::Fail);

    EXPECT_TRUE(ClickAnswering("btnSlideVideoMaker").empty());
    ASSERT_EQ(shell.Executed.size(), 1u);
    EXPECT_EQ(shell.Executed[0].ScreenCursor, crHourGlass);
    EXPECT_EQ(Application->ScreenCursor(), crDefault);
    EXPECT_EQ(GetCursor(), SystemCursor(IDC_ARROW));
    EXPECT_EQ(visibility.Steps(), "");
    EXPECT_TRUE(log.Lines().empty());
    ExpectLauncherUsable();
}
