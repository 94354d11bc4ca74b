// Program start: the command line, the gallery window from its stored layout, an optional
// skin, the loop. Exit status 0 when the window closes, 64 on a bad command line, 1 when the
// skin cannot be loaded or the window cannot be made.
#include "gallery/GalleryFrm.h"
#include "gallery/GalleryOptions.h"
#include "gallery/TraceWriter.h"

#include <cstdlib>
#include <variant>

namespace {
constexpr int kExitUsage = 64;
constexpr int kExitFailure = 1;
constexpr std::string_view kProgram = "ToolkitGallery: ";

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i)
        arguments.emplace_back(__argv[i]);
    return arguments;
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Never load a library from the current folder.
    SetDllDirectoryA("");
    const TGalleryArguments parsed = ParseGalleryArguments(CommandLineArguments());
    if (const auto* error = std::get_if<TUsageError>(&parsed)) {
        WriteErrorLine(std::string(kProgram) + error->Reason);
        WriteErrorLine(kGalleryUsage);
        return kExitUsage;
    }
    const auto& options = std::get<TGalleryOptions>(parsed);
    const TTraceWriter trace(options.Trace);

    Application->Initialize();
    RegisterGalleryClasses(Application->Classes());
    TfrmGallery* frmGallery = nullptr;
    try {
        Application->CreateForm(frmGallery);
    } catch (const std::exception& e) {
        WriteErrorLine(std::string(kProgram) + e.what());
        return kExitFailure;
    }
    if (!options.SkinFile.empty()) {
        if (!frmGallery->LoadSkin(options.SkinFile, options.Password)) {
            WriteErrorLine(std::string(kProgram) + "cannot load the skin file " + options.SkinFile);
            return kExitFailure;
        }
        frmGallery->SwitchStyle(FromThemeFile);
    } else if (options.Style != frmGallery->CurrentStyle()) {
        frmGallery->SwitchStyle(options.Style);
    }
    // Only what the user does from here on is traced.
    frmGallery->SetTrace(&trace);
    Application->Run();
    return 0;
}
