// Every real window in English, as under an English locale: titles, menu and the pictures of
// the picture buttons, with a screenshot of each to look at.
#include <gmock/gmock.h>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/Launcher.h"
#include "column/ColumnIds.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/Languages.h"
#include "tests/support/WindowFiles.h"
#include "ui/qt/ImageStore.h"

namespace veltrane::testing {
namespace {

TEST(EnglishWindows, EveryWindowShowsItsEnglishTexts) {
    ScopedLanguage english(kEnglish);
    QTemporaryDir folder;
    RecordingQtHost host;
    host.workIn(folder.path(), SettingsFileText("psi", "atm", "Helium", "", ""));
    WindowScript script{host};
    MessageBoxAnswerer answers;

    script.on(res::IDD_LAUNCHER, [](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), QString("Orvanex Flow Calculator 2.0"));
        EXPECT_EQ(view.menuAction(ID_FILE_EXIT)->text(), QString("E&xit"));
        EXPECT_FALSE(SaveScreenshot(view, "launcher-en").empty());
        view.menuAction(ID_FILE_FLOW)->trigger();
        view.menuAction(ID_FILE_VAPOR)->trigger();
        view.menuAction(ID_FILE_ABOUT)->trigger();
        view.menuAction(ID_FILE_EXIT)->trigger();
    });
    script.on(res::IDD_COLUMN, [](qt::DialogView& view) {
        EXPECT_FALSE(SaveScreenshot(view, "column-en").empty());
        QTest::mouseClick(view.widget(column::IDC_PLOT), Qt::LeftButton);
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    script.on(res::IDD_PLOT, [](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(),
                  QString("Carrier velocity vs. inlet pressure :   Gas   = Helium"));
        EXPECT_FALSE(SaveScreenshot(view, "plot-en").empty());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    script.on(res::IDD_VAPOR, [](qt::DialogView& view) {
        EXPECT_FALSE(SaveScreenshot(view, "vapor-en").empty());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    script.on(res::IDD_ABOUT, [](qt::DialogView& view) {
        EXPECT_FALSE(SaveScreenshot(view, "about-en").empty());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    Launcher(host).run();
    EXPECT_THAT(script.shown(),
                ::testing::ElementsAre(res::IDD_LAUNCHER, res::IDD_COLUMN, res::IDD_PLOT,
                                       res::IDD_VAPOR, res::IDD_ABOUT));
    EXPECT_TRUE(answers.boxes().empty());
    // The picture buttons' painted words come from the English set; the Russian set stays.
    qt::ImageStore images;
    EXPECT_EQ(images.bitmap(res::IDB_FLOW_UP).toImage(), QPixmap(":/bitmaps/en/150.png").toImage());
    EXPECT_NE(images.bitmap(res::IDB_FLOW_UP).toImage(), QPixmap(":/bitmaps/150.png").toImage());
}

}  // namespace
}  // namespace veltrane::testing
