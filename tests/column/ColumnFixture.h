// Opens the column calculator on the fake host with a known gas list and settings file.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"

namespace veltrane::testing {

// "Example" carries the coefficients the worked figures are computed with.
inline const char* kTestGases =
    "# name, a (P/K), b (P), optimum low, optimum high\r\n"
    "Example\r\n4.0e-07\r\n8.0e-05\r\n10\r\n40\r\n"
    "Helium\r\n4.038e-07\r\n7.976e-05\r\n20\r\n40\r\n"
    "Nitrogen\r\n3.826e-07\r\n6.637e-05\r\n10\r\n20\r\n";

inline std::string SettingsText(const std::string& unit, const std::string& outlet,
                                const std::string& gas, const std::string& solvent = "Water",
                                const std::string& liner = "4 mm") {
    return "[Pressure Units]\r\n" + unit + "\r\n\r\n[Outlet Pressure]\r\n" + outlet +
           "\r\n\r\n[gas]\r\n" + gas + "\r\n\r\n[Solvent]\r\n" + solvent + "\r\n\r\n[liner]\r\n" +
           liner + "\r\n";
}

class ColumnTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.writeFile("gases.txt", kTestGases);
        host.writeFile("flow.cfg", SettingsText("KPa", "atm", "Example"));
    }

    // Opens the window, runs the script as the person at it, and returns how it closed.
    int open(const std::function<void(ui::Dialog&)>& script) {
        host.expect(res::IDD_COLUMN, script);
        return calculator.run();
    }

    // Types a text into a field and leaves it, as a person tabbing out.
    static void enter(ui::Dialog& d, int id, const std::string& text) {
        d.typeInto(id, text);
        d.leave(id);
    }

    FakeHost host;
    ColumnCalculator calculator{host};
};

}  // namespace veltrane::testing
