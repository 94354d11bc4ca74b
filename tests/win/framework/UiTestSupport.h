// Helpers shared by the Windows tests of controls and forms: pumping the application's
// messages until a condition holds, pictures of known pixels, pixel reads of painted
// controls, real input through SendInput and taps on a control's window procedure.
#pragma once

#include "framework/Forms.h"
#include "framework/Graphics.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Initialises the application object once, then runs every test of the program.
int RunUiTests(int argc, char** argv);

// Handles the application's messages until `done` holds; false when `timeoutMs` passed first.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Handles every message waiting now.
void PumpPending();

template <class Container, class Value> bool Contains(const Container& c, const Value& v) {
    return std::find(std::begin(c), std::end(c), v) != std::end(c);
}

// Colours as 0x00RRGGBB, the way TBitmap::CopyPixels and the tests compare them.
constexpr uint32_t RgbOf(TColor c) {
    const uint32_t v = static_cast<uint32_t>(c);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
constexpr TColor ColorOf(uint32_t rgb) {
    return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

// A picture holding a 24-bit bitmap of one colour, or of the colours `pixel` gives.
void FillPicture(TPicture& picture, int width, int height, uint32_t rgb);
void PaintPicture(TPicture& picture, int width, int height,
                  const std::function<uint32_t(int x, int y)>& pixel);
// The pixels of the bitmap a picture holds (empty when it holds none).
std::vector<uint32_t> PixelsOf(const TPicture& picture);

// The pixels of a painted area, row by row.
struct TPixels {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Rgb;
    uint32_t At(int x, int y) const { return Rgb.at(static_cast<size_t>(y) * Width + x); }
    // How many pixels in the rectangle differ from `rgb`.
    int CountOtherThan(uint32_t rgb, const TRect& r) const;
    int CountOf(uint32_t rgb) const;
};

// Paints the control into a memory bitmap of its size (WM_ERASEBKGND, then WM_PAINT, both
// with the bitmap's DC) and reads the result.
TPixels RenderControl(TWinControl& control);
// Reads the control's area from its window's DC (what is on the screen).
TPixels ScreenPixels(TWinControl& control);

// Shows the form, makes it the foreground window and waits until it is.
void ShowAndActivate(TCustomForm& form);

// Real pointer input, injected through SendInput.
void MoveCursorTo(TPoint screen);
void MoveCursorOver(TControl& control, int x, int y);
// Moves the cursor there, again every quarter second, until `done` holds: other programs on
// the same Wine server share the cursor and may move it meanwhile.
bool MoveCursorUntil(TPoint screen, const std::function<bool()>& done, int timeoutMs = 3000);
void SendMouseButton(DWORD flag);

// Keyboard input through the loop that other programs on the same Wine server cannot take
// away: the key's messages are posted to the focused window as the keyboard driver would
// queue them, with the modifiers held in this thread's key state while the scope lives.
class THeldModifiers {
public:
    explicit THeldModifiers(std::initializer_list<WORD> modifiers);
    ~THeldModifiers();
    THeldModifiers(const THeldModifiers&) = delete;
    THeldModifiers& operator=(const THeldModifiers&) = delete;

private:
    BYTE saved_[256];
};
// Posts key down and key up (system keys while Alt is held) to the window with the focus.
void PostKeyStroke(WORD vk);
// Holds the modifiers, posts the key stroke and handles every message that follows from it.
void PressKey(WORD vk, std::initializer_list<WORD> modifiers = {});

// Puts itself in front of a control's window procedure: every message is shown to `Filter`
// first, which returns true to swallow it; otherwise the previous procedure gets it.
// The previous procedure comes back when the tap goes.
class TWindowProcTap {
public:
    using Filter = std::function<bool(TMessage&)>;
    TWindowProcTap(TControl& control, Filter filter);
    ~TWindowProcTap();
    TWindowProcTap(const TWindowProcTap&) = delete;
    TWindowProcTap& operator=(const TWindowProcTap&) = delete;

private:
    void Proc(TMessage& message);
    TControl& control_;
    Filter filter_;
    TWndMethod previous_;
};

// A recording shell: remembers every ShellExecute and starts nothing.
class TRecordingShell : public TShell {
public:
    struct Call {
        HWND Owner;
        std::string Verb, File, Parameters, Directory;
        bool HasParameters, HasDirectory;
        int Show;
    };
    HINSTANCE ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show) override;
    BOOL ShellExecuteEx(SHELLEXECUTEINFOA* info) override;
    std::vector<Call> Calls;
    int ExCalls = 0;
};
