#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "data/CarrierGas.h"
#include "data/Compound.h"
#include "data/Liner.h"
#include "data/ListFile.h"
#include "data/Solvent.h"
#include "data/TextFile.h"

namespace veltrane {
namespace {

using Lines = std::vector<std::string>;
const ListFormat kGasFormat{4, 11, 200};

Lines Offered(const std::vector<ListRecord>& records) {
    Lines names;
    for (std::size_t i = 0; i < OfferedCount(records); ++i) names.push_back(records[i].m_name);
    return names;
}

const std::string kThreeGases =
    "Helium\r\n1\r\n2\r\n20\r\n40\r\nHydrogen\r\n1\r\n2\r\n30\r\n60\r\nNitrogen\r\n1\r\n2\r\n10\r\n"
    "20";
const Lines kHeHN{"Helium", "Hydrogen", "Nitrogen"};

struct OfferCase {
    const char* name;
    std::string text;
    Lines offered;
};

class OfferedTest : public ::testing::TestWithParam<OfferCase> {};

TEST_P(OfferedTest, EveryRecordButTheEmptyOnesAtTheEnd) {
    EXPECT_EQ(Offered(ReadListRecords(GetParam().text, kGasFormat)), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OfferedTest,
    ::testing::Values(
        OfferCase{"NoFinalLineBreak", kThreeGases, kHeHN},
        OfferCase{"FinalLineBreak", kThreeGases + "\r\n", kHeHN},
        OfferCase{"TrailingBlankLines", kThreeGases + "\n\n\n\n\n\n\n\n", kHeHN},
        OfferCase{"Comments",
                  "# gases\r\nHe\r\n1\r\n2\r\n3\r\n4\r\n  # x\r\nAr\r\n1\r\n2\r\n3\r\n4",
                  {"He", "Ar"}},
        OfferCase{
            "EmptyNameInTheMiddle", "\r\n1\r\n2\r\n3\r\n4\r\nAr\r\n1\r\n2\r\n3\r\n4", {"", "Ar"}},
        OfferCase{"ShortLastRecord", "Helium\r\n1\r\n2", {"Helium"}}, OfferCase{"Empty", "", {}},
        OfferCase{"OnlyComments", "# a\r\n# b\r\n", {}}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(ListFile, AHashOrBlankInAFieldPositionIsFieldContent) {
    const auto records = ReadListRecords("Gas\r\n#1\r\n\r\n3\r\n4\r\nNext\r\n", kGasFormat);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].m_fields, (Lines{"#1", "", "3", "4"}));
    EXPECT_EQ(records[1].m_name, "Next");
}

TEST(ListFile, AnOverlongLineIsCutAndNeverShiftsTheLinesAfterIt) {
    const auto gases =
        ReadListRecords("He\r\n4.038e-07123456\r\n2\r\n3\r\n4\r\nAr\r\n", kGasFormat);
    EXPECT_EQ(gases[0].m_fields, (Lines{"4.038e-0712", "2", "3", "4"}));
    EXPECT_EQ(gases[1].m_name, "Ar");

    const ListFormat solvents{3, 7, 200};
    for (const char* density : {"0.78945", "0.789450"}) {
        const auto read =
            ReadListRecords(std::string("Ethanol\r\n78\r\n") + density + "\r\n46.07\r\n", solvents);
        EXPECT_EQ(read[0].m_fields, (Lines{"78", "0.78945", "46.07"})) << density;
    }

    // Names keep 39 characters, counted as characters.
    const std::string russian = "Гелий высокой чистоты марки 6.0 для хроматографии";
    const auto named = ReadListRecords(
        russian + "\r\n1\r\n2\r\n3\r\n4\r\n" + std::string(90, 'N') + "\r\n1\r\n2\r\n3\r\n4\r\nAr",
        kGasFormat);
    EXPECT_EQ(named[0].m_name, "Гелий высокой чистоты марки 6.0 для хро");
    EXPECT_EQ(named[1].m_name, std::string(kNameLimit, 'N'));
    EXPECT_EQ(named[2].m_name, "Ar");
}

TEST(ListFile, ReadingStopsWhenTheTableIsFull) {
    std::string text;
    for (int i = 0; i < 250; ++i) text += "Gas" + std::to_string(i) + "\r\n1\r\n2\r\n3\r\n4\r\n";
    const auto records = ReadListRecords(text, kGasFormat);
    EXPECT_EQ(OfferedCount(records), 200u);
    EXPECT_EQ(records.back().m_name, "Gas199");
}

TEST(ListFile, AMissingOrBinaryFileOffersWhatItHasWithoutCrashing) {
    testing::ScratchFolder folder;
    EXPECT_EQ(OfferedCount(GasesFromText(ReadTextFile(folder.Path() / kGasesFileName))), 0u);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / kGasesFileName));
    EXPECT_EQ(OfferedCount(
                  GasesFromText(ReadTextFile(folder.Path() / "no such folder" / kGasesFileName))),
              0u);

    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += static_cast<char>((i * 7919) % 256);
    folder.Write(kGasesFileName, bytes);
    EXPECT_LE(GasesFromText(ReadTextFile(folder.Path() / kGasesFileName)).size(), kGasCapacity);
}

TEST(ListFields, HandEditedDecimalsMayUseTheCommaButWholeNumbersStayWhole) {
    const CarrierGas gas{"He", "4,038e-07", "7,976e-05", "20,5", "40"};
    EXPECT_EQ(gas.ViscositySlope(), 4.038e-07);
    EXPECT_EQ(gas.ViscosityIntercept(), 7.976e-05);
    EXPECT_EQ(gas.OptimumVelocityLow(), 20);
    const Solvent solvent{"Acetone", "56,5", "0,791", "58,08"};
    EXPECT_EQ(solvent.BoilingPoint(), 56.5);
    EXPECT_EQ(solvent.Density(), 0.791);
    EXPECT_EQ(solvent.MolecularWeight(), 58.08);
}

// Loaded from a copy, as `make run` does, so a test never touches the shipped files.
TEST(ShippedLists, ReadWhole) {
    testing::ScratchFolder folder;
    for (const char* name :
         {kGasesFileName, kSolventsFileName, kLinersFileName, kCompoundsFileName}) {
        std::filesystem::copy_file(std::filesystem::path(VELTRANE_SHIPPED_LISTS) / name,
                                   folder.Path() / name);
    }
    const std::vector<CarrierGas> gases =
        GasesFromText(ReadTextFile(folder.Path() / kGasesFileName));
    ASSERT_EQ(OfferedCount(gases), 4u);
    EXPECT_EQ(gases[3].m_name, "Argon");
    for (const CarrierGas& gas : gases) {
        // Every carrier gas is near 2e-4 poise at 100 °C.
        EXPECT_NEAR(gas.ViscositySlope() * 373 + gas.ViscosityIntercept(), 2.2e-4, 1.2e-4);
        EXPECT_LT(gas.OptimumVelocityLow(), gas.OptimumVelocityHigh()) << gas.m_name;
    }

    const std::vector<Solvent> solvents =
        SolventsFromText(ReadTextFile(folder.Path() / kSolventsFileName));
    ASSERT_EQ(OfferedCount(solvents), 19u);
    EXPECT_EQ(solvents[2].m_name, "Carbon disulfide");
    EXPECT_EQ(solvents[3].MolecularWeight(), 119.38);
    EXPECT_EQ(solvents[18].Density(), 0.998);

    const std::vector<Liner> liners = LinersFromText(ReadTextFile(folder.Path() / kLinersFileName));
    ASSERT_EQ(OfferedCount(liners), 7u);
    EXPECT_EQ(liners[6].m_volume, "35");
    EXPECT_EQ(liners[6].UpperLimit(), 75);

    // The published sets: 17 compounds on each of three phases, 22 alkanes, 12 test compounds.
    const std::vector<Compound> compounds =
        CompoundsFromText(ReadTextFile(folder.Path() / kCompoundsFileName));
    ASSERT_EQ(OfferedCount(compounds), 85u);
    EXPECT_EQ(PhasesOf(compounds), (Lines{"SLB5ms", "SPB50", "Wax", "FS5ms", "Rxi5SilMS"}));
    for (const Compound& c : compounds) {
        EXPECT_GT(c.CharTemperature(), 0) << c.m_name;
        EXPECT_GT(c.CharTheta(), 20) << c.m_name;
        EXPECT_GT(c.HeatCapacityChange(), 30) << c.m_name;
        EXPECT_GT(c.Phi0(), 0) << c.m_name;
        EXPECT_EQ(c.m_formula.front(), 'C') << c.m_name;
    }
    EXPECT_EQ(compounds.back().m_name, "1-Phenyl-2-propanol");
    EXPECT_EQ(compounds.back().m_formula, "C9H12O");
    EXPECT_EQ(compounds.back().Rings(), 1);
}

TEST(ListFields, ACompoundsRingsAreAWholeNumberAndNeverBelowNone) {
    Compound c;
    for (const auto& [text, rings] : std::vector<std::pair<std::string, int>>{
             {"2", 2}, {" 1 ", 1}, {"1.5", 1}, {"-1", 0}, {"x", 0}, {"", 0}}) {
        c.m_rings = text;
        EXPECT_EQ(c.Rings(), rings) << text;
    }
}

}  // namespace
}  // namespace veltrane
