// A test that opens one calculator window on the fake host, the script being the person at it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

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

    // What a person sees of the window: each control's text and its thumb and spin positions.
    using Seen = std::vector<std::tuple<int, std::string, int, int>>;
    static Seen seen(const ui::Dialog& d) {
        Seen all;
        for (const ui::Control& c : d.state().controls)
            all.emplace_back(c.id(), c.text, c.slider.pos, c.spin.pos);
        return all;
    }

    // Types text into a field, lets `read` make the window read every field, and leaves the
    // field: what the window showed before leaving (but the typed text itself), and after.
    static std::pair<Seen, Seen> typedThenLeft(ui::Dialog& d, int edit, const std::string& text,
                                               const std::function<void(ui::Dialog&)>& read) {
        d.typeInto(edit, text);
        read(d);
        d.setText(edit, "");
        Seen typing = seen(d);
        d.setText(edit, text);
        d.leave(edit);
        return {std::move(typing), seen(d)};
    }

    FakeHost host;
    Window calculator{host};
};

}  // namespace veltrane::testing
