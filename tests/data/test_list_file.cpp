#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "data/CarrierGas.h"
#include "data/Liner.h"
#include "data/ListFile.h"
#include "data/Solvent.h"

namespace veltrane {
namespace {

using veltrane::testing::ScratchFolder;

const ListFormat kGasFormat{4, 11, 200};

std::vector<std::string> Names(const std::vector<ListRecord>& records) {
    std::vector<std::string> names;
    for (const ListRecord& r : records) names.push_back(r.m_name);
    return names;
}

std::vector<std::string> Offered(const std::vector<ListRecord>& records) {
    std::vector<std::string> names = Names(records);
    names.resize(OfferedCount(records));
    return names;
}

constexpr const char* kThreeGases =
    "Helium\r\n4.038e-07\r\n7.976e-05\r\n20\r\n40\r\n"
    "Hydrogen\r\n1.847e-07\r\n3.474e-05\r\n30\r\n60\r\n"
    "Nitrogen\r\n3.826e-07\r\n6.637e-05\r\n10\r\n20";

struct OfferCase {
    const char* name;
    std::string text;
    std::vector<std::string> offered;
};

class OfferedTest : public ::testing::TestWithParam<OfferCase> {};

TEST_P(OfferedTest, OffersEveryRecordButTheEmptyOnesAtTheEnd) {
    EXPECT_EQ(Offered(ReadListRecords(GetParam().text, kGasFormat)), GetParam().offered);
}

const std::vector<std::string> kHeHN{"Helium", "Hydrogen", "Nitrogen"};

INSTANTIATE_TEST_SUITE_P(
    Files, OfferedTest,
    ::testing::Values(
        OfferCase{"NoFinalLineBreak", kThreeGases, kHeHN},
        OfferCase{"FinalLineBreak", std::string(kThreeGases) + "\r\n", kHeHN},
        OfferCase{"TrailingBlankLines", std::string(kThreeGases) + "\n\n\n\n\n\n\n\n", kHeHN},
        OfferCase{"LineFeedsOnly", "Argon\n5.217e-07\n7.386e-05\n10\n20\n", {"Argon"}},
        OfferCase{
            "CommentsBeforeAndBetween",
            "# gases\r\nHelium\r\n1\r\n2\r\n3\r\n4\r\n  # note\r\nArgon\r\n1\r\n2\r\n3\r\n4\r\n",
            {"Helium", "Argon"}},
        OfferCase{"EmptyNameLineInTheMiddle",
                  "\r\n1\r\n2\r\n3\r\n4\r\nArgon\r\n1\r\n2\r\n3\r\n4",
                  {"", "Argon"}},
        OfferCase{"ShortLastRecord", "Helium\r\n1\r\n2", {"Helium"}}, OfferCase{"Empty", "", {}},
        OfferCase{"OnlyComments", "# a\r\n# b\r\n", {}}),
    [](const auto& info) { return info.param.name; });

TEST(ListFile, AHashInAFieldPositionIsFieldContent) {
    const auto records = ReadListRecords("Gas\r\n#1\r\n\r\n3\r\n4\r\nNext\r\n", kGasFormat);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].m_fields, (std::vector<std::string>{"#1", "", "3", "4"}));
    EXPECT_EQ(records[1].m_name, "Next");
}

TEST(ListFile, AnOverlongLineIsCutAndNeverShiftsTheLinesAfterIt) {
    // 15 characters in an 11-character gas field; a 7- and an 8-character solvent density;
    // a 90-character name line.
    const auto gases = ReadListRecords(
        "Helium\r\n4.038e-07123456\r\n7.976e-05\r\n20\r\n40\r\nArgon\r\n", kGasFormat);
    ASSERT_EQ(Names(gases), (std::vector<std::string>{"Helium", "Argon"}));
    EXPECT_EQ(gases[0].m_fields,
              (std::vector<std::string>{"4.038e-0712", "7.976e-05", "20", "40"}));

    const ListFormat solvents{3, 7, 200};
    const auto seven = ReadListRecords("Ethanol\r\n78\r\n0.78945\r\n46.07\r\nWater\r\n", solvents);
    EXPECT_EQ(seven[0].m_fields, (std::vector<std::string>{"78", "0.78945", "46.07"}));
    EXPECT_EQ(seven[1].m_name, "Water");
    const auto eight = ReadListRecords("Ethanol\r\n78\r\n0.789450\r\n46.07\r\n", solvents);
    EXPECT_EQ(eight[0].m_fields, (std::vector<std::string>{"78", "0.78945", "46.07"}));

    const std::string longName(90, 'N');
    const auto named = ReadListRecords(longName + "\r\n1\r\n2\r\n3\r\n4\r\nArgon\r\n", kGasFormat);
    EXPECT_EQ(named[0].m_name, std::string(kNameLimit, 'N'));
    EXPECT_EQ(named[1].m_name, "Argon");
}

TEST(ListFile, NamesAreCutByCharactersNotBytes) {
    const std::string name = "Гелий высокой чистоты марки 6.0 для хроматографии";
    const auto records = ReadListRecords(name + "\r\n1\r\n2\r\n3\r\n4\r\n", kGasFormat);
    EXPECT_EQ(records[0].m_name, "Гелий высокой чистоты марки 6.0 для хро");
}

TEST(ListFile, ReadingStopsWhenTheTableIsFull) {
    std::string text;
    for (int i = 0; i < 250; ++i) text += "Gas" + std::to_string(i) + "\r\n1\r\n2\r\n3\r\n4\r\n";
    const auto records = ReadListRecords(text, kGasFormat);
    ASSERT_EQ(records.size(), 200u);
    EXPECT_EQ(OfferedCount(records), 200u);
    EXPECT_EQ(records.back().m_name, "Gas199");
}

TEST(ListFile, LoadsTheThreeKindsFromTheirFiles) {
    ScratchFolder folder;
    folder.Write("gases.txt", std::string("# a b low high\r\n") + kThreeGases + "\r\n");
    folder.Write("solvents.txt", "Ацетон\r\n56\r\n0.791\r\n58.08\r\n");
    folder.Write("liners.txt", "4 mm ID straight\r\n985\r\n50\r\n75\r\n");

    const std::vector<CarrierGas> gases = LoadGases(folder.Path());
    ASSERT_EQ(OfferedCount(gases), 3u);
    EXPECT_EQ(gases[0].m_name, "Helium");
    EXPECT_DOUBLE_EQ(gases[0].ViscositySlope(), 4.038e-07);
    EXPECT_DOUBLE_EQ(gases[0].ViscosityIntercept(), 7.976e-05);
    EXPECT_EQ(gases[1].OptimumVelocityLow(), 30);
    EXPECT_EQ(gases[1].OptimumVelocityHigh(), 60);

    const std::vector<Solvent> solvents = LoadSolvents(folder.Path());
    ASSERT_EQ(OfferedCount(solvents), 1u);
    EXPECT_EQ(solvents[0].m_name, "Ацетон");
    EXPECT_DOUBLE_EQ(solvents[0].BoilingPoint(), 56.0);
    EXPECT_DOUBLE_EQ(solvents[0].Density(), 0.791);
    EXPECT_DOUBLE_EQ(solvents[0].MolecularWeight(), 58.08);

    const std::vector<Liner> liners = LoadLiners(folder.Path());
    ASSERT_EQ(OfferedCount(liners), 1u);
    EXPECT_EQ(liners[0].m_volume, "985");
    EXPECT_EQ(liners[0].LowerLimit(), 50);
    EXPECT_EQ(liners[0].UpperLimit(), 75);
}

TEST(ListFile, AMissingFileIsCreatedAndOffersNothing) {
    ScratchFolder folder;
    EXPECT_EQ(OfferedCount(LoadGases(folder.Path())), 0u);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "gases.txt"));
    EXPECT_EQ(OfferedCount(LoadLiners(folder.Path() / "no such folder")), 0u);
}

TEST(ListFile, ABinaryFileReadsAsWhateverLinesItHas) {
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += static_cast<char>((i * 7919) % 256);
    const auto records = ReadListRecords(bytes, kGasFormat);
    EXPECT_LE(records.size(), 200u);
    for (const ListRecord& r : records) EXPECT_EQ(r.m_fields.size(), 4u);
}

}  // namespace
}  // namespace veltrane
