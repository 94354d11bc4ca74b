// The program's calls into the shell, behind one small interface: the real one hands them to
// Windows; tests put an observer in its place (TApplication::SetShell).
#pragma once

#include <windows.h>

#include <shellapi.h>

class TShell {
public:
    virtual ~TShell() = default;
    virtual HINSTANCE ShellExecute(HWND owner, const char* verb, const char* file,
                                   const char* parameters, const char* directory, int show) = 0;
    virtual BOOL ShellExecuteEx(SHELLEXECUTEINFOA* info) = 0;
};

// <windows.h> maps ShellExecute and ShellExecuteEx to the ANSI names: the calls below name the
// system functions explicitly, never these methods.
class TSystemShell : public TShell {
public:
    HINSTANCE ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show) override {
        return ::ShellExecuteA(owner, verb, file, parameters, directory, show);
    }
    BOOL ShellExecuteEx(SHELLEXECUTEINFOA* info) override { return ::ShellExecuteExA(info); }
};
