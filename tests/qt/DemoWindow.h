// A shown demo window with every notification of every control recorded as a line of text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/qt/DemoLayout.h"
#include "tests/qt/support/WindowDriver.h"
#include "ui/Dialog.h"
#include "ui/qt/DialogView.h"
#include "ui/qt/ImageStore.h"

namespace veltrane::testing {

class DemoWindow : public ::testing::Test {
protected:
    DemoWindow() : dialog(DemoLayout()), view(dialog, images) {
        for (const ui::ControlLayout& c : dialog.layout().controls) {
            const int id = c.id;
            dialog.onClick(id, [this, id] { log.push_back("click " + std::to_string(id)); });
            dialog.onChange(id, [this, id] {
                log.push_back("change " + std::to_string(id) + " " + dialog.text(id));
            });
            dialog.onLeave(id, [this, id] { log.push_back("leave " + std::to_string(id)); });
            dialog.onSelect(id, [this, id] {
                log.push_back("select " + std::to_string(id) + " " +
                              std::to_string(dialog.selection(id)));
            });
            dialog.onScroll(id, [this, id] {
                const bool spin = dialog.control(id).kind() == ui::ControlKind::Spin;
                log.push_back("scroll " + std::to_string(id) + " " +
                              std::to_string(spin ? dialog.spinPos(id) : dialog.sliderPos(id)));
            });
        }
        for (int command : {500, 501})
            dialog.onClick(command,
                           [this, command] { log.push_back("click " + std::to_string(command)); });
        dialog.onDoubleClick([this](ui::Point p, ui::KeyState keys) {
            log.push_back("double " + std::to_string(p.x) + "," + std::to_string(p.y) +
                          (keys.shift ? " shift" : "") + (keys.control ? " ctrl" : ""));
        });
        view.show();
        ProcessEvents();
    }

    qt::ImageStore images;
    ui::Dialog dialog;
    qt::DialogView view;
    std::vector<std::string> log;
};

}  // namespace veltrane::testing
