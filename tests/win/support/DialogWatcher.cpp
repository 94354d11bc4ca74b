#include "tests/win/support/DialogWatcher.h"

#include "tests/win/support/Input.h"

#include <algorithm>
#include <optional>

namespace {
constexpr char kDialogClass[] = "#32770";
constexpr UINT kAnswerTimeoutMs = 2000;
constexpr DWORD kWatchIntervalMs = 10;

std::string WindowText(HWND window) {
    char buffer[2048] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied))
        return {};
    return std::string(buffer, copied);
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

struct TBoxSearch {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TBoxSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) && ClassOf(window) == kDialogClass)
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK DescribeChild(HWND child, LPARAM data) {
    auto* seen = reinterpret_cast<TDialogSeen*>(data);
    if (!IsWindowVisible(child))
        return TRUE;
    const std::string kind = ClassOf(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
        DWORD_PTR icon = 0;
        SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &icon);
        seen->QuestionIcon = reinterpret_cast<HICON>(icon) == LoadIconA(nullptr, IDI_QUESTION);
    } else if (kind == "Static") {
        seen->Text += WindowText(child);
    } else if (kind == "Button") {
        seen->Buttons.emplace_back(GetDlgCtrlID(child), WindowText(child));
    }
    return TRUE;
}
} // namespace

TDialogWatcher::TDialogWatcher(std::vector<TAnswer> script)
    : script_(script.begin(), script.end()), thread_([this] { Watch(); }) {}

TDialogWatcher::~TDialogWatcher() {
    Finish();
}

std::vector<TDialogSeen> TDialogWatcher::Finish() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    std::lock_guard lock(mutex_);
    return seen_;
}

void TDialogWatcher::Watch() {
    while (!stop_) {
        TBoxSearch search{GetCurrentProcessId(), {}};
        EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
        for (HWND box : search.found) {
            if (std::find(handled_.begin(), handled_.end(), box) != handled_.end())
                continue;
            handled_.push_back(box);
            TDialogSeen seen;
            seen.Owner = GetWindow(box, GW_OWNER);
            seen.Caption = WindowText(box);
            EnumChildWindows(box, DescribeChild, reinterpret_cast<LPARAM>(&seen));
            std::optional<TAnswer> answer;
            {
                std::lock_guard lock(mutex_);
                if (!script_.empty()) {
                    answer = script_.front();
                    script_.pop_front();
                }
                seen.Scripted = answer.has_value();
                seen_.push_back(seen);
            }
            if (answer)
                Answer(box, *answer);
            else
                PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        }
        Sleep(kWatchIntervalMs);
    }
}

void TDialogWatcher::Answer(HWND box, TAnswer answer) {
    switch (answer) {
    case TAnswer::Ok:
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        break;
    case TAnswer::Cancel:
        PostMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
        break;
    case TAnswer::Escape: {
        // The key goes where the keyboard focus of the box is, as a pressed key would.
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
        const HWND target = info.hwndFocus ? info.hwndFocus : box;
        PostKey(target, VK_ESCAPE);
        PostKey(target, VK_ESCAPE, true);
        break;
    }
    }
}
