// The real vapor calculator opened from the launcher: its look, a slider, a liner, overload.
#include <gmock/gmock.h>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/WindowFiles.h"
#include "ui/qt/PictureButton.h"
#include "ui/qt/TrackBar.h"
#include "vapor/VaporIds.h"

namespace veltrane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace vapor;

void Write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

QString Text(qt::DialogView& view, int id) {
    return QString::fromStdString(view.dialog().text(id));
}

TEST(VaporWindow, OpensFromTheLauncherFollowsASliderAndALinerAndShowsOverload) {
    QTemporaryDir folder;
    RecordingQtHost host;
    host.work = std::filesystem::path(folder.path().toStdString());
    Write(host.work / "solvents.txt",
          "Hexane\r\n69\r\n0.66\r\n86.2\r\nWater\r\n100\r\n0.998\r\n18.02\r\n");
    Write(host.work / "liners.txt", "4 mm ID\r\n900\r\n50\r\n75\r\n2 mm ID\r\n245\r\n50\r\n75\r\n");
    Write(host.work / "flow.cfg", SettingsFileText("KPa", "atm", "Helium", "Hexane", "4 mm ID"));
    WindowScript script(host);
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        QTest::mouseClick(view.widget(IDC_VAPOR_BUTTON), Qt::LeftButton);
        QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
    });
    script.on(res::IDD_VAPOR, [&](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(),
                  QString::fromUtf8("Калькулятор   объёма  пара  растворителя"));
        auto* volume = view.widgetAs<QLabel>(IDC_VAPOR_VOLUME);
        ASSERT_TRUE(volume);
        EXPECT_EQ(volume->text(), QStringLiteral("141 ul"));
        // Arial of a 20-pixel cell, semi-bold, in both result boxes.
        EXPECT_NEAR(QFontMetrics(volume->font()).height(), 20, 1);
        EXPECT_EQ(volume->font().weight(), QFont::DemiBold);
        EXPECT_EQ(view.widget(IDC_CAPACITY)->font(), volume->font());
        EXPECT_EQ(view.widgetAs<QLineEdit>(IDC_PRESSURE)->text(), QStringLiteral("101"));
        auto* lamp = view.widgetAs<QLabel>(IDC_LAMP);
        ASSERT_TRUE(lamp);
        auto* solvents = view.widgetAs<qt::PictureButton>(IDC_SOLVENTS_BUTTON);
        ASSERT_TRUE(solvents);
        if (solvents->hasImages()) {
            EXPECT_EQ(lamp->size(), QSize(70, 26));
            EXPECT_EQ(solvents->size(), QSize(82, 42));
        }

        // 40 degrees more, then the narrower liner: 154 of 245 microlitres is a caution.
        auto* temperature = view.widgetAs<qt::TrackBar>(IDC_TEMPERATURE_SLIDER);
        ASSERT_TRUE(temperature);
        temperature->setFocus();
        QTest::keyClick(temperature, Qt::Key_PageDown);
        EXPECT_EQ(view.widgetAs<QLineEdit>(IDC_TEMPERATURE)->text(), QStringLiteral("215"));
        EXPECT_EQ(volume->text(), QStringLiteral("154 ul"));
        auto* liners = view.widgetAs<QComboBox>(IDC_LINER_LIST);
        ASSERT_TRUE(liners);
        liners->setFocus();
        QTest::keyClick(liners, Qt::Key_Down);
        EXPECT_EQ(Text(view, IDC_LINER_LIST), QStringLiteral("2 mm ID"));
        EXPECT_EQ(view.widgetAs<QLabel>(IDC_CAPACITY)->text(), QStringLiteral("63 %"));
        EXPECT_EQ(view.dialog().control(IDC_LAMP).image, res::IDB_LAMP_YELLOW);
        EXPECT_FALSE(SaveScreenshot(view, "vapor").empty());

        // Twice the injection overfills it.
        auto* injection = view.widgetAs<qt::TrackBar>(IDC_INJECTION_SLIDER);
        injection->setFocus();
        QTest::keyClick(injection, Qt::Key_PageDown);
        EXPECT_EQ(volume->text(), QStringLiteral("307 ul"));
        EXPECT_EQ(view.widgetAs<QLabel>(IDC_OVERLOAD)->text(), QStringLiteral("O v e r l o a d"));
        EXPECT_EQ(view.dialog().control(IDC_LAMP).image, res::IDB_LAMP_RED);
        EXPECT_FALSE(SaveScreenshot(view, "vapor-overload").empty());

        QTest::mouseClick(view.widget(ui::IDOK), Qt::LeftButton);
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
    EXPECT_THAT(script.shown(), ElementsAre(res::IDD_LAUNCHER, res::IDD_VAPOR));
    EXPECT_THAT(Read(host.work / "flow.cfg"), HasSubstr("[gas]\r\nHelium\r\n"));
    EXPECT_THAT(Read(host.work / "flow.cfg"), HasSubstr("[liner]\r\n2 mm ID\r\n"));
}

}  // namespace
}  // namespace veltrane::testing
