// The program's modal message boxes and its locale query, behind small interfaces: the real ones
// ask Windows; tests put observers in their place (TApplication::SetMessageBoxes, SetLocale), so
// that a control's error box never blocks a test and right-to-left drawing can be forced.
#pragma once

#include <windows.h>

#include <string>

class TMessageBoxes {
public:
    virtual ~TMessageBoxes() = default;
    // A modal box with an OK button and an error icon.
    virtual void ShowError(HWND owner, const std::string& text, const std::string& title) = 0;
    // A modal box with an OK button and an information icon.
    virtual void ShowInformation(HWND owner, const std::string& text, const std::string& title) = 0;
    // A modal box with the buttons and icon of `flags` (MB_...); the ID... of the button
    // chosen, or 0 when the box could not be shown.
    virtual int Ask(HWND owner, const std::string& text, const std::string& title,
                    unsigned flags) = 0;
};

class TSystemMessageBoxes : public TMessageBoxes {
public:
    void ShowError(HWND owner, const std::string& text, const std::string& title) override;
    void ShowInformation(HWND owner, const std::string& text, const std::string& title) override;
    int Ask(HWND owner, const std::string& text, const std::string& title, unsigned flags) override;
};

class TLocale {
public:
    virtual ~TLocale() = default;
    // True when the system locale is one of the Middle-East (right-to-left) locales.
    virtual bool IsMiddleEastLocale() const = 0;
};

class TSystemLocale : public TLocale {
public:
    bool IsMiddleEastLocale() const override;
};
