// Drawing in pixels, GDI style, on a window or on a printer page.
#pragma once

#include <string>
#include <string_view>

#include "ui/Geometry.h"

namespace veltrane::ui {

struct Pen {
    Color color;
    int width = 1;
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, HatchBDiagonal };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Color color{255, 255, 255};
    bool operator==(const Brush&) const = default;
};

struct TextMetrics {
    int height = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
};

// A device to draw on. A fresh canvas holds a black 1-pixel pen, a white brush and origin (0,0).
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void selectPen(const Pen& pen) = 0;
    virtual void selectBrush(const Brush& brush) = 0;
    // Outline with the pen, inside filled with the brush; right and bottom are just outside.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    // Fills without an outline; right and bottom are just outside.
    virtual void fillRect(const Rect& rect, const Brush& brush) = 0;
    virtual void moveTo(int x, int y) = 0;
    // Draws from the pen position to (x, y), the end point itself excluded, and moves there.
    virtual void lineTo(int x, int y) = 0;
    // Later coordinates are taken relative to this device point.
    virtual void setViewportOrigin(int x, int y) = 0;
    // Text in the device's current font, its top-left corner at (x, y).
    virtual void textOut(int x, int y, std::string_view text) = 0;
    virtual TextMetrics textMetrics() = 0;
};

// A printer page: a canvas in printer device pixels with document and page calls.
class Printer : public Canvas {
public:
    // False when the document cannot be started (no device, an output file it cannot write).
    virtual bool startDoc(const std::string& name) = 0;
    // Whether the document was not started because the person called it off (a file name
    // asked for and not given): no failure to tell.
    virtual bool cancelled() const { return false; }
    // False when the page or the document could not be finished (a PDF on a full disk).
    virtual bool startPage() = 0;
    virtual bool endPage() = 0;
    virtual bool endDoc() = 0;
};

}  // namespace veltrane::ui
