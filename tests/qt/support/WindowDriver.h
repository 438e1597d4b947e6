// Driving real windows from a test: scripted modal windows, answered message boxes, screenshots.
#pragma once

#include <QPointer>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/Host.h"
#include "ui/qt/DialogView.h"
#include "ui/qt/QtHost.h"

namespace veltrane::testing {

// The folder every window test writes its screenshots to (created by the build).
std::filesystem::path ScreenshotFolder();

// Writes <folder>/<name>.png from QWidget::grab(); returns the path, empty on failure.
std::filesystem::path SaveScreenshot(QWidget& widget, const std::string& name);

// Lets queued events (repaints, zero timers, deferred deletes) run.
void ProcessEvents();

// Runs the event loop until `done` holds or ten seconds pass; whether it came to hold.
bool RunUntil(const std::function<bool()>& done);

// Runs an action in each real window a QtHost opens, chosen by the window's dialog id, from
// inside the window's modal loop. A window without an action, or one its action leaves open, is
// cancelled (and the second case is a test failure), so a test never hangs on a window.
class WindowScript {
public:
    using Action = std::function<void(qt::DialogView&)>;

    explicit WindowScript(qt::QtHost& host);
    ~WindowScript();

    void on(int dialogId, Action action);
    // The dialog ids of the windows shown so far, in order.
    const std::vector<int>& shown() const { return m_shown; }

private:
    void run(qt::DialogView& view);

    qt::QtHost& m_host;
    std::map<int, Action> m_actions;
    std::vector<int> m_shown;
};

// Answers every message box that opens while it lives, with its OK button, and records them.
class MessageBoxAnswerer {
public:
    struct Box {
        std::string caption;
        std::string text;
        bool warning = false;  // the exclamation icon rather than the information icon
        QRect geometry;        // where it showed
        QRect ownerGeometry;   // where the window it belongs to is; empty when it has none
    };

    MessageBoxAnswerer();
    const std::vector<Box>& boxes() const { return m_boxes; }

private:
    void poll();

    QTimer m_timer;
    std::vector<Box> m_boxes;
};

// A QtHost that records what it would start instead of starting it, and that works in a folder
// of the test's choosing instead of the current one.
class RecordingQtHost : public qt::QtHost {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };
    std::vector<Start> starts;
    std::filesystem::path work;  // empty: the current folder

    std::filesystem::path workFolder() override {
        return work.empty() ? QtHost::workFolder() : work;
    }
    // Works in folder, laid with the shipped lists and, unless empty, this flow.cfg.
    void workIn(const QString& folder, const std::string& flowCfg = "");

protected:
    void launch(const QString& program, const QStringList& arguments, LaunchFailed) override;
};

}  // namespace veltrane::testing
