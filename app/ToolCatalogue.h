// The eight tools of the family, the web endpoints, and the fixed texts of the launch workflow.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

struct TToolEntry {
    std::string_view FirstId;
    std::string_view SecondId; // empty: the tool has one uninstall id only
    std::string_view ProgramFile;
    std::string_view InstallerFile;
};

// In the order of the click handlers of the main window. The ids are used exactly as
// written, letter case and doubled closing braces included.
namespace ToolCatalogue {
constexpr TToolEntry ScreenRecorder{"{5D0E1A72-8C34-4B19-A6F3-2E71C09B4D15}",
                                    "{9B2F6C04-13DA-47E8-B5C1-7A08E3D62F90}", "ScreenCaptor.exe",
                                    "vfc-screen-captor.exe"};
constexpr TToolEntry SlideVideoMaker{"{3E8A51C9-6F27-4D0B-9C44-B15E7A2830D6}",
                                     "{C71D094B-2A5E-4F83-8E16-D94B0C3F5A27}", "PhotoReel.exe",
                                     "vfc-photo-reel.exe"};
constexpr TToolEntry VideoDVDMaker{"{8F4B27D1-5C90-4e6a-A3D8-0E62B91C74F3}", "", "DiscAuthor.exe",
                                   "vfc-disc-author.exe"};
constexpr TToolEntry VideoEditor{"{6A1C83E5-D27B-4f90-9B35-C8E04F17A26D}", "", "clipworks.exe",
                                 "vfc-clipworks.exe"};
constexpr TToolEntry DVDRipper{"{E29B7C14-60A3-4D8F-B517-3C9A06E4F1B8}}",
                               "{4C06D8A2-9E51-4B37-8A2F-D513E76C092B}}", "DiscExtract.exe",
                               "vfc-disc-extract.exe"};
constexpr TToolEntry VideoConverter{"{B8E2046F-71C3-4A5D-9F08-26D1A3C5E794}", "", "reelshift.exe",
                                    "vfc-reelshift.exe"};
constexpr TToolEntry AudioConverter{"{0D73F5B8-C641-4E2A-B9D7-581A2E06C3F4}",
                                    "{F5A92E36-0B8D-4C71-A4E3-7D26B190C85A}", "SoundShift.exe",
                                    "vfc-soundshift.exe"};
constexpr TToolEntry AudioRecorder{"{2B6E0F91-D84A-4C35-8E72-A39C5F10D6E8}", "", "SoundTaker.exe",
                                   "vfc-soundtaker.exe"};

constexpr std::array<const TToolEntry*, 8> All{&ScreenRecorder, &SlideVideoMaker, &VideoDVDMaker,
                                               &VideoEditor,    &DVDRipper,       &VideoConverter,
                                               &AudioConverter, &AudioRecorder};
} // namespace ToolCatalogue

namespace Endpoints {
// The product web site, handed to the shell as a bare host name without a scheme.
constexpr std::string_view WebSite = "www.velmorafreecenter.com";
constexpr std::string_view DownloadServer = "http://download.velmorafreecenter.com";
constexpr std::string_view DownloadPagePath = "/downloads.html";
constexpr std::string_view InstallerFolder = "/velmoracenter/";
} // namespace Endpoints

namespace LaunchTexts {
constexpr std::string_view UninstallKeyPrefix =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr std::string_view UninstallKeySuffix = "_is1";
constexpr std::string_view InstallLocationValue = "InstallLocation";
constexpr std::string_view Downloader = "TovoDownloader.exe";
constexpr std::string_view DownloadOffer = "Download the core function files now?\t\n"
                                           "Click Cancel to download it manually.\t\n"
                                           "Click OK to start downloading automatically.";
constexpr unsigned DownloadOfferFlags = MB_OKCANCEL | MB_ICONQUESTION;
constexpr unsigned long RegistryAccess = KEY_READ; // no view flag
} // namespace LaunchTexts
