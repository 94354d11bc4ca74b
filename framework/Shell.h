// The program's calls into the shell, behind one small interface: the real one hands them to
// Windows; tests put an observer in its place (TApplication::SetShell).
#pragma once

#include <windows.h>

#include <shellapi.h>

class TShell {
public:
    virtual ~TShell() = default;
    // A document or web address to open: ShellExecuteA's arguments and result.
    virtual HINSTANCE OpenDocument(HWND owner, const char* verb, const char* file,
                                   const char* parameters, const char* directory, int show) = 0;
    // A program to start: ShellExecuteExA's record and result.
    virtual BOOL StartProcess(SHELLEXECUTEINFOA* info) = 0;
};

class TSystemShell : public TShell {
public:
    HINSTANCE OpenDocument(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show) override {
        return ::ShellExecuteA(owner, verb, file, parameters, directory, show);
    }
    BOOL StartProcess(SHELLEXECUTEINFOA* info) override { return ::ShellExecuteExA(info); }
};
