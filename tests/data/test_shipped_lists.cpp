#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "data/CarrierGas.h"
#include "data/Liner.h"
#include "data/ListFile.h"
#include "data/Solvent.h"

namespace veltrane {
namespace {

// Loaded from a copy, as `make run` does, so the test never touches the shipped files.
class ShippedLists : public ::testing::Test {
protected:
    ShippedLists() {
        for (const char* name : {kGasesFileName, kSolventsFileName, kLinersFileName}) {
            std::filesystem::copy_file(std::filesystem::path(VELTRANE_SHIPPED_LISTS) / name,
                                       m_folder.Path() / name);
        }
    }
    testing::ScratchFolder m_folder;
};

TEST_F(ShippedLists, GasesReadWhole) {
    const std::vector<CarrierGas> gases = LoadGases(m_folder.Path());
    ASSERT_EQ(OfferedCount(gases), 4u);
    EXPECT_EQ(gases[0].m_name, "Helium");
    EXPECT_EQ(gases[3].m_name, "Argon");
    for (const CarrierGas& gas : gases) {
        EXPECT_GT(gas.ViscositySlope(), 1e-7) << gas.m_name;
        EXPECT_GT(gas.ViscosityIntercept(), 1e-5) << gas.m_name;
        EXPECT_LT(gas.OptimumVelocityLow(), gas.OptimumVelocityHigh()) << gas.m_name;
    }
    // Helium at 100 °C, about 2.3e-4 poise.
    EXPECT_NEAR(gases[0].ViscositySlope() * 373 + gases[0].ViscosityIntercept(), 2.3e-4, 1e-5);
}

TEST_F(ShippedLists, SolventsReadWhole) {
    const std::vector<Solvent> solvents = LoadSolvents(m_folder.Path());
    ASSERT_EQ(OfferedCount(solvents), 19u);
    EXPECT_EQ(solvents[2].m_name, "Carbon disulfide");
    EXPECT_DOUBLE_EQ(solvents[3].MolecularWeight(), 119.38);
    EXPECT_EQ(solvents[18].m_name, "Water");
    EXPECT_DOUBLE_EQ(solvents[18].Density(), 0.998);
}

TEST_F(ShippedLists, LinersReadWhole) {
    const std::vector<Liner> liners = LoadLiners(m_folder.Path());
    ASSERT_EQ(OfferedCount(liners), 7u);
    EXPECT_EQ(liners[6].m_name, "0.75 mm ID SPME");
    EXPECT_EQ(liners[6].m_volume, "35");
    for (const Liner& liner : liners) {
        EXPECT_EQ(liner.LowerLimit(), 50) << liner.m_name;
        EXPECT_EQ(liner.UpperLimit(), 75) << liner.m_name;
    }
}

}  // namespace
}  // namespace veltrane
