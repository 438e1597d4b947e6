// A test that opens one calculator window on the fake host, the script being the person at it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/FakeHost.h"
#include "ui/Dialog.h"

namespace veltrane::testing {

template <typename Window, int DialogId>
class WindowTest : public ::testing::Test {
protected:
    // Opens the window, runs the script as the person at it, and returns how it closed.
    int open(const std::function<void(ui::Dialog&)>& script) {
        host.expect(DialogId, script);
        return calculator.run();
    }

    // Types a text into a field and leaves it, as a person tabbing out.
    static void enter(ui::Dialog& d, int id, const std::string& text) {
        d.typeInto(id, text);
        d.leave(id);
    }

    FakeHost host;
    Window calculator{host};
};

}  // namespace veltrane::testing
