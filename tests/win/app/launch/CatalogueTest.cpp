// The eight tools as the buttons find, offer and start them, and the web endpoints.
#include "LaunchTest.h"

#include "app/ToolCatalogue.h"

#include <fstream>

namespace {

struct TExpectedTool {
    const char* Button;
    std::string_view FirstId, SecondId, Program, Installer;
};

// The catalogue in the order of the click handlers.
constexpr TExpectedTool Tools[] = {
    {"btnScreenRecorder", "{5D0E1A72-8C34-4B19-A6F3-2E71C09B4D15}",
     "{9B2F6C04-13DA-47E8-B5C1-7A08E3D62F90}", "ScreenCaptor.exe", "vfc-screen-captor.exe"},
    {"btnSlideVideoMaker", "{3E8A51C9-6F27-4D0B-9C44-B15E7A2830D6}",
     "{C71D094B-2A5E-4F83-8E16-D94B0C3F5A27}", "PhotoReel.exe", "vfc-photo-reel.exe"},
    {"btnVideoDVDMaker", "{8F4B27D1-5C90-4e6a-A3D8-0E62B91C74F3}", "", "DiscAuthor.exe",
     "vfc-disc-author.exe"},
    {"btnVideoEditor", "{6A1C83E5-D27B-4f90-9B35-C8E04F17A26D}", "", "clipworks.exe",
     "vfc-clipworks.exe"},
    {"btnDVDRipper", "{E29B7C14-60A3-4D8F-B517-3C9A06E4F1B8}}",
     "{4C06D8A2-9E51-4B37-8A2F-D513E76C092B}}", "DiscExtract.exe", "vfc-disc-extract.exe"},
    {"btnVideoConverter", "{B8E2046F-71C3-4A5D-9F08-26D1A3C5E794}", "", "reelshift.exe",
     "vfc-reelshift.exe"},
    {"btnAudioConverter", "{0D73F5B8-C641-4E2A-B9D7-581A2E06C3F4}",
     "{F5A92E36-0B8D-4C71-A4E3-7D26B190C85A}", "SoundShift.exe", "vfc-soundshift.exe"},
    {"btnAudioRecorder", "{2B6E0F91-D84A-4C35-8E72-A39C5F10D6E8}", "", "SoundTaker.exe",
     "vfc-soundtaker.exe"},
};

// An empty file is enough where the shell only records the start.
std::string Touch(const std::string& folder, std::string_view program) {
    const std::string path = folder + "\\" + std::string(program);
    std::ofstream(path, std::ios::binary).put('\0');
    return path;
}

} // namespace

// The registry ignores letter case, so the exact ids are checked on the catalogue itself.
TEST(ToolCatalogueData, HoldsTheTabledToolsInHandlerOrder) {
    ASSERT_EQ(ToolCatalogue::All.size(), std::size(Tools));
    for (size_t i = 0; i < std::size(Tools); ++i) {
        SCOPED_TRACE(Tools[i].Button);
        EXPECT_EQ(ToolCatalogue::All[i]->FirstId, Tools[i].FirstId);
        EXPECT_EQ(ToolCatalogue::All[i]->SecondId, Tools[i].SecondId);
        EXPECT_EQ(ToolCatalogue::All[i]->ProgramFile, Tools[i].Program);
        EXPECT_EQ(ToolCatalogue::All[i]->InstallerFile, Tools[i].Installer);
    }
    EXPECT_EQ(ToolCatalogue::DVDRipper.FirstId.size(), 39u);
    EXPECT_EQ(ToolCatalogue::DVDRipper.SecondId.size(), 39u);
}

TEST_F(LaunchTest, EachButtonStartsItsOwnToolThroughEachOfItsIds) {
    TRecordingShell shell(TRecordingShell::SucceedWithoutProcess);
    for (const TExpectedTool& tool : Tools) {
        for (std::string_view id : {tool.FirstId, tool.SecondId}) {
            if (id.empty())
                continue;
            SCOPED_TRACE(std::string(tool.Button) + " " + std::string(id));
            TUninstallKeys::RemoveAll();
            shell.Executed.clear();
            const std::string folder = scratch.Folder(std::string(tool.Program) + " home");
            const std::string program = Touch(folder, tool.Program);
            keys.SetLocation(id, folder);

            EXPECT_TRUE(ClickAnswering(tool.Button).empty()) << "no box while the tool is there";
            ASSERT_EQ(shell.Executed.size(), 1u);
            EXPECT_EQ(shell.Executed[0].File, Quoted(program));
        }
    }
}

TEST_F(LaunchTest, SingleIdToolsNeverTryAnotherId) {
    TRecordingShell shell;
    // Every other id of the catalogue points at a folder holding every program file.
    const std::string folder = scratch.Folder("all programs");
    for (const TExpectedTool& tool : Tools)
        Touch(folder, tool.Program);
    for (const TExpectedTool& tool : Tools) {
        if (!tool.SecondId.empty())
            continue;
        SCOPED_TRACE(tool.Button);
        TUninstallKeys::RemoveAll();
        for (const TExpectedTool& other : Tools)
            for (std::string_view id : {other.FirstId, other.SecondId})
                if (!id.empty() && id != tool.FirstId)
                    keys.SetLocation(id, folder);

        const auto boxes = ClickAnswering(tool.Button, {TAnswer::Cancel});
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].Text, LaunchTexts::DownloadOffer);
        EXPECT_TRUE(shell.Executed.empty());
    }
}

TEST_F(LaunchTest, EachButtonHandsItsInstallerAddressToTheDownloader) {
    TRecordingShell shell(TRecordingShell::Fail);
    for (const TExpectedTool& tool : Tools) {
        SCOPED_TRACE(tool.Button);
        shell.Executed.clear();
        const auto boxes = ClickAnswering(tool.Button, {TAnswer::Ok});
        ASSERT_EQ(boxes.size(), 1u);
        ASSERT_EQ(shell.Executed.size(), 1u) << "the tool is still missing: nothing more starts";
        const TExecuteCall& call = shell.Executed[0];
        EXPECT_EQ(call.File, "TovoDownloader.exe");
        EXPECT_EQ(call.Parameters, std::string(Endpoints::DownloadServer) + "/velmoracenter/" +
                                       std::string(tool.Installer));
        EXPECT_EQ(call.RecordSize, sizeof(SHELLEXECUTEINFOA));
        EXPECT_EQ(call.Mask, static_cast<ULONG>(SEE_MASK_NOCLOSEPROCESS));
        EXPECT_EQ(call.Show, 5);
        EXPECT_EQ(call.Owner, nullptr);
        EXPECT_FALSE(call.Verb);
        EXPECT_FALSE(call.Directory);
        EXPECT_EQ(call.ScreenCursor, crDefault) << "the hourglass is for the tool only";
    }
    EXPECT_EQ(visibility.Steps(), "") << "a downloader that did not start never hides the window";
    EXPECT_TRUE(shell.Opened.empty());
}

TEST_F(LaunchTest, HomePageIsABareHostAndTheDownloadPageLiesBelowIt) {
    TRecordingShell shell;
    EXPECT_TRUE(ClickAnswering("btnHomepage").empty());
    ASSERT_EQ(shell.Opened.size(), 1u);
    const std::string site = shell.Opened[0].File.value_or("");
    EXPECT_FALSE(site.empty());
    EXPECT_EQ(site.find("://"), std::string::npos);
    EXPECT_EQ(site.find('/'), std::string::npos);

    ClickAnswering("btnVideoEditor", {TAnswer::Cancel});
    ASSERT_EQ(shell.Opened.size(), 2u);
    const TOpenCall& page = shell.Opened[1];
    EXPECT_EQ(page.File, site + "/downloads.html");
    EXPECT_EQ(page.Owner, nullptr);
    EXPECT_EQ(page.Verb, "open");
    EXPECT_FALSE(page.Parameters);
    EXPECT_FALSE(page.Directory);
    EXPECT_EQ(page.Show, SW_SHOWNORMAL);
    EXPECT_TRUE(shell.Executed.empty());

    const std::string server(Endpoints::DownloadServer);
    EXPECT_TRUE(server.rfind("http://", 0) == 0 || server.rfind("https://", 0) == 0) << server;
    EXPECT_NE(server.back(), '/');
}
