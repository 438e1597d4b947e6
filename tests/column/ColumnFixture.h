// Opens the column calculator on the fake host with a known gas list and settings file.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"
#include "tests/support/WindowTest.h"

namespace veltrane::testing {

// "Example" carries the coefficients the worked figures are computed with.
inline const char* kTestGases =
    "# name, a (P/K), b (P), optimum low, optimum high\r\n"
    "Example\r\n4.0e-07\r\n8.0e-05\r\n10\r\n40\r\n"
    "Helium\r\n4.038e-07\r\n7.976e-05\r\n20\r\n40\r\n"
    "Nitrogen\r\n3.826e-07\r\n6.637e-05\r\n10\r\n20\r\n";

// flow.cfg with the column window's values first.
inline std::string SettingsText(const std::string& unit, const std::string& outlet,
                                const std::string& gas, const std::string& solvent = "Water",
                                const std::string& liner = "4 mm") {
    return SettingsFileText(unit, outlet, gas, solvent, liner);
}

class ColumnTest : public WindowTest<ColumnCalculator, res::IDD_COLUMN> {
protected:
    void SetUp() override {
        host.writeFile("gases.txt", kTestGases);
        host.writeFile("flow.cfg", SettingsText("KPa", "atm", "Example"));
    }
};

}  // namespace veltrane::testing
