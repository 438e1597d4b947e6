// Opens the vapor calculator on the fake host with known solvent and liner lists.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"
#include "tests/support/WindowTest.h"
#include "vapor/VaporCalculator.h"
#include "vapor/VaporIds.h"

namespace veltrane::testing {

// Hexane carries the built-in properties, so a window with or without it applied agrees.
inline const char* kTestSolvents =
    "# name, boiling point, density, molecular weight\r\n"
    "Acetone\r\n56\r\n0.791\r\n58.08\r\n"
    "Hexane\r\n69\r\n0.66\r\n86.2\r\n"
    "Water\r\n100\r\n0.998\r\n18.02\r\n";

inline const char* kTestLiners =
    "# name, volume, lower limit, upper limit\r\n"
    "4 mm ID\r\n900\r\n50\r\n75\r\n"
    "2 mm ID\r\n245\r\n50\r\n75\r\n"
    "Wide bore\r\n1500\r\n10\r\n100\r\n";

// flow.cfg with the vapor window's values first.
inline std::string SettingsText(const std::string& unit, const std::string& solvent = "Hexane",
                                const std::string& liner = "4 mm ID",
                                const std::string& outlet = "atm",
                                const std::string& gas = "Helium") {
    return SettingsFileText(unit, outlet, gas, solvent, liner);
}

class VaporTest : public WindowTest<VaporCalculator, res::IDD_VAPOR> {
protected:
    void SetUp() override {
        host.writeFile("solvents.txt", kTestSolvents);
        host.writeFile("liners.txt", kTestLiners);
        host.writeFile("flow.cfg", SettingsText("KPa"));
    }
};

}  // namespace veltrane::testing
