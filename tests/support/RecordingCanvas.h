// A canvas and a printer for tests that write down every drawing call as a line of text.
#pragma once

#include <string>
#include <vector>

#include "ui/Canvas.h"

namespace veltrane::testing {

class RecordingCanvas : public ui::Canvas {
public:
    // One line per call, for example "rectangle 70 50 520 250" or "text 10 20 Hello".
    std::vector<std::string> calls;
    ui::TextMetrics metrics{16, 0, 7};

    void selectPen(const ui::Pen& pen) override;
    void selectBrush(const ui::Brush& brush) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(const ui::Rect& rect, const ui::Brush& brush) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setViewportOrigin(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;
    ui::TextMetrics textMetrics() override { return metrics; }

    // The calls that start with a word, e.g. all "lineTo" lines.
    std::vector<std::string> callsOf(const std::string& word) const;
};

class RecordingPrinter : public ui::Printer {
public:
    RecordingCanvas page;               // the drawing calls
    std::vector<std::string> document;  // "startDoc NAME", "startPage", "endPage", "endDoc"

    void selectPen(const ui::Pen& pen) override { page.selectPen(pen); }
    void selectBrush(const ui::Brush& brush) override { page.selectBrush(brush); }
    void rectangle(int l, int t, int r, int b) override { page.rectangle(l, t, r, b); }
    void fillRect(const ui::Rect& rect, const ui::Brush& brush) override {
        page.fillRect(rect, brush);
    }
    void moveTo(int x, int y) override { page.moveTo(x, y); }
    void lineTo(int x, int y) override { page.lineTo(x, y); }
    void setViewportOrigin(int x, int y) override { page.setViewportOrigin(x, y); }
    void textOut(int x, int y, std::string_view text) override { page.textOut(x, y, text); }
    ui::TextMetrics textMetrics() override { return page.textMetrics(); }
    bool begins = true;    // false: a printer whose document cannot be started
    bool finishes = true;  // false: one that cannot finish it (a PDF on a full disk)
    bool startDoc(const std::string& name) override {
        document.push_back("startDoc " + name);
        return begins;
    }
    bool startPage() override {
        document.push_back("startPage");
        return true;
    }
    bool endPage() override {
        document.push_back("endPage");
        return true;
    }
    bool endDoc() override {
        document.push_back("endDoc");
        return finishes;
    }
};

}  // namespace veltrane::testing
