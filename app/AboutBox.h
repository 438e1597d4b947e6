// The about box: product and version, a short animation, free memory and free disk space.
#pragma once

#include <string>

#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane {

constexpr int IDC_ANIMATE1 = 1160;
constexpr int IDC_PHYSICAL_MEM = 1158;
constexpr int IDC_DISK_SPACE = 1159;

// One request to the animation control: a clip and the frames to run, repeat times.
struct ClipPlay {
    int clip = 0;
    int from = 0;
    int to = 0;
    int repeat = 0;
};

class AboutBox {
public:
    explicit AboutBox(ui::Host& host);

    // Opens the box modally; the figures are taken afresh at every opening.
    int run();

private:
    // The animation control of the open box.
    class Animation {
    public:
        void attach(ui::Dialog* dialog) { m_dialog = dialog; }
        // Opening the clip stops whatever played; the control runs on its own afterwards.
        void play(const ClipPlay& request);

    private:
        ui::Dialog* m_dialog = nullptr;
    };

    void open();
    void doubleClicked(ui::Point point, ui::KeyState keys);
    void showMemory();
    void showDiskSpace();

    ui::Host& m_host;
    ui::Dialog* m_dialog = nullptr;  // the window while it is open
    Animation m_Animate;
    std::string m_physicalMemory;  // the free memory text of the latest opening
};

}  // namespace veltrane
