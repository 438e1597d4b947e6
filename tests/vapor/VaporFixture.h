// Opens the vapor calculator on the fake host with known solvent and liner lists.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
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

// The file as the column window writes it.
inline std::string SettingsText(const std::string& unit, const std::string& solvent = "Hexane",
                                const std::string& liner = "4 mm ID",
                                const std::string& outlet = "atm",
                                const std::string& gas = "Helium") {
    return "[Pressure Units]\r\n" + unit + "\r\n\r\n[Outlet Pressure]\r\n" + outlet +
           "\r\n\r\n[Gas]\r\n" + gas + "\r\n\r\n[Solvent]\r\n" + solvent + "\r\n\r\n[liner]\r\n" +
           liner + "\r\n";
}

class VaporTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.writeFile("solvents.txt", kTestSolvents);
        host.writeFile("liners.txt", kTestLiners);
        host.writeFile("flow.cfg", SettingsText("KPa"));
    }

    // Opens the window, runs the script as the person at it, and returns how it closed.
    int open(const std::function<void(ui::Dialog&)>& script) {
        host.expect(res::IDD_VAPOR, script);
        return calculator.run();
    }

    // Types a text into a field and leaves it, as a person tabbing out.
    static void enter(ui::Dialog& d, int id, const std::string& text) {
        d.typeInto(id, text);
        d.leave(id);
    }

    FakeHost host;
    VaporCalculator calculator{host};
};

}  // namespace veltrane::testing
