// Canvases on device contexts that belong to someone else, for the length of a scope.
#pragma once

#include "framework/Canvas.h"
#include "framework/DcGuards.h"

// Binds a canvas to a borrowed DC and unbinds it at the end (the canvas's objects deselected),
// also when the scope is left by an exception.
class TCanvasBinding {
public:
    TCanvasBinding(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
    ~TCanvasBinding() { canvas_.SetHandle(nullptr); }
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas& canvas_;
};

// A canvas of its own on a borrowed DC whose state is saved first and put back afterwards.
class TBorrowedCanvas {
public:
    explicit TBorrowedCanvas(HDC dc) : saved_(dc), binding_(canvas_, dc) {}
    TBorrowedCanvas(const TBorrowedCanvas&) = delete;
    TBorrowedCanvas& operator=(const TBorrowedCanvas&) = delete;

    TCanvas* Get() { return &canvas_; }
    TCanvas& operator*() { return canvas_; }
    TCanvas* operator->() { return &canvas_; }

private:
    TSavedDC saved_;
    TCanvas canvas_;
    TCanvasBinding binding_;
};
