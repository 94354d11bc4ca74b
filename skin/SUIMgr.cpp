#include "skin/SUIMgr.h"

#include "framework/Forms.h"
#include "skin/AnsiFileAccess.h"
#include "skin/SUIForm.h"
#include "skin/SUIPublic.h"

#include <string_view>

namespace {
std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}

std::string FileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExecutableFolder() {
    char buffer[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, n <= MAX_PATH ? n : 0);
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The folder the query answers, empty when it fails.
std::string SystemFolder(TsuiFileTheme::TFolderQuery query) {
    char buffer[MAX_PATH + 1] = {};
    UINT n = query(buffer, MAX_PATH);
    return n > 0 && n <= MAX_PATH ? std::string(buffer, n) : std::string();
}

// The class-name prefix of the skinned components that re-apply a reloaded theme.
constexpr std::string_view kSkinnedClassPrefix = "Tsui";
} // namespace

VFC_DESCRIBE(TsuiFileTheme) {
    b.Property("ThemeFile", &TsuiFileTheme::ThemeFile, &TsuiFileTheme::SetThemeFile);
    b.Property("Password", &TsuiFileTheme::Password, &TsuiFileTheme::SetPassword);
    b.Property("Ready", &TsuiFileTheme::Ready, &TsuiFileTheme::SetReady);
}

TsuiFileTheme::TsuiFileTheme(TComponent* owner)
    : TComponent(owner), manager_(std::make_unique<TsuiFileThemeMgr>()) {}

TsuiFileTheme::~TsuiFileTheme() = default;

std::vector<std::string> TsuiFileTheme::CandidatePaths(const std::string& value) {
    return CandidatePaths(value, &GetWindowsDirectoryA, &GetSystemDirectoryA);
}

std::vector<std::string> TsuiFileTheme::CandidatePaths(const std::string& value,
                                                       TFolderQuery windowsFolder,
                                                       TFolderQuery systemFolder) {
    const std::string name = FileNamePart(value);
    std::vector<std::string> paths = {value};
    const std::string executable = ExecutableFolder();
    if (!executable.empty())
        paths.push_back(executable + name);
    for (TFolderQuery query : {windowsFolder, systemFolder})
        if (const std::string folder = SystemFolder(query); !folder.empty())
            paths.push_back(WithBackslash(folder) + name);
    return paths;
}

void TsuiFileTheme::SetThemeFile(const std::string& value) {
    const bool wasEmpty = themeFile_.empty();
    std::string resolved;
    for (const std::string& candidate : CandidatePaths(value))
        if (AnsiFileExists(candidate)) {
            resolved = candidate;
            break;
        }
    if (resolved.empty())
        return;
    themeFile_ = resolved;
    ready_ = manager_->LoadSkinFile(themeFile_, password_);
    if (ready_)
        ReapplyToForm(wasEmpty);
}

void TsuiFileTheme::ReapplyToForm(bool wasEmpty) {
    auto* form = As<TCustomForm>(Owner());
    if (!form)
        return;
    bool frameUsesTheme = false;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent* component = form->Components(i);
        if (component->Is<TsuiForm>() && HasNamedProperty(component, "FileTheme") &&
            GetObjectProp(*component, "FileTheme") == this)
            frameUsesTheme = true;
        if (std::string_view(component->ClassName()).starts_with(kSkinnedClassPrefix) &&
            HasNamedProperty(component, "FileTheme") &&
            GetObjectProp(*component, "FileTheme") == this) {
            SetObjectProp(*component, "FileTheme", nullptr);
            SetObjectProp(*component, "FileTheme", this);
        }
    }
    if (frameUsesTheme && !wasEmpty && form->HandleAllocated())
        SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0, kFrameChangedOnly);
}

void TsuiFileTheme::SetPassword(const std::string& value) {
    password_ = value;
    if (!value.empty())
        SetThemeFile(themeFile_);
}

void TsuiFileTheme::GetThemeBitmapFrame(ThemeBitmapKey key, TBitmap* dest, int frameIndex,
                                        int frameCount) const {
    if (!dest)
        return;
    TBitmap* source = GetThemeBitmap(key);
    // A picture the skin lacks counts as empty, whether a frame or the whole was asked for.
    if (!source)
        dest->Assign(nullptr);
    else if (frameIndex != 0 && frameCount != 0)
        CutFrameFromStrip(source, dest, frameCount, frameIndex);
    else
        dest->Assign(source);
}
