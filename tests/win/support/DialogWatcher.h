// Finds and answers the message boxes of this process while a call that shows them blocks.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// A message box as the watcher found it.
struct TDialogSeen {
    HWND Owner = nullptr;
    std::string Caption;
    std::string Text;
    bool QuestionIcon = false;
    std::vector<std::pair<int, std::string>> Buttons; // id and text of the visible buttons
    bool Scripted = false; // answered from the script, not closed as unexpected
};

enum class TAnswer { Ok, Cancel, Escape };

// Runs on a thread of its own: every visible dialog box of this process that appears is
// recorded and answered with the next scripted answer; boxes beyond the script are closed with
// IDCANCEL.
class TDialogWatcher {
public:
    explicit TDialogWatcher(std::vector<TAnswer> script);
    ~TDialogWatcher();
    TDialogWatcher(const TDialogWatcher&) = delete;
    TDialogWatcher& operator=(const TDialogWatcher&) = delete;

    // Stops watching; the boxes seen so far.
    std::vector<TDialogSeen> Finish();

private:
    void Watch();
    void Answer(HWND box, TAnswer answer);

    std::deque<TAnswer> script_;
    std::vector<TDialogSeen> seen_;
    std::vector<HWND> handled_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::thread thread_;
};
