// The real launcher window and the windows it opens: their look, and the picture buttons, menu
// items and window menu reaching the right window.
#include <gmock/gmock.h>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/WindowFiles.h"
#include "ui/qt/PictureButton.h"

namespace veltrane::testing {
namespace {

using ::testing::ElementsAre;

constexpr int kPlotButton = 1058;

// A launcher on a host working in a fresh folder holding the shipped lists.
class LauncherWindowTest : public ::testing::Test {
protected:
    LauncherWindowTest() {
        host.work = std::filesystem::path(folder.path().toStdString());
        CopyShippedLists(host.work);
    }
    QTemporaryDir folder;
    RecordingQtHost host;
    WindowScript script{host};
    MessageBoxAnswerer answers;
};

TEST_F(LauncherWindowTest, LooksRightAndItsButtonsAndMenusOpenTheirWindows) {
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), QString::fromUtf8("Orvanex потоковый калькулятор  2.0"));
        auto* flow = view.widgetAs<qt::PictureButton>(IDC_FLOW_BUTTON);
        auto* vapor = view.widgetAs<qt::PictureButton>(IDC_VAPOR_BUTTON);
        ASSERT_TRUE(flow && vapor);
        ASSERT_TRUE(flow->hasImages());
        EXPECT_EQ(flow->geometry(), QRect(18, 21, 88, 50));  // the size of its up picture
        EXPECT_EQ(vapor->geometry(), QRect(134, 21, 89, 50));
        EXPECT_EQ(view.widgetAs<QPushButton>(IDC_EXIT_BUTTON)->text(), QString::fromUtf8("Вы&ход"));
        EXPECT_GE(view.windowIcon().availableSizes().size(), 2);  // 32 pixels and others
        EXPECT_FALSE(SaveScreenshot(view, "launcher").empty());

        QTest::mouseClick(flow, Qt::LeftButton);
        view.menuAction(ID_FILE_FLOW)->trigger();
        QTest::mouseClick(vapor, Qt::LeftButton);
        view.menuAction(ID_FILE_ABOUT)->trigger();
        view.createContextMenu()->actions().at(0)->trigger();  // the window menu's about item
        QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
    });
    int columnOpenings = 0;
    script.on(res::IDD_COLUMN, [&](qt::DialogView& view) {
        if (++columnOpenings == 1) {
            EXPECT_FALSE(SaveScreenshot(view, "column").empty());
            QTest::mouseClick(view.widget(kPlotButton), Qt::LeftButton);
        }
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    // The plot and vapor windows have screenshot tests of their own.
    script.on(res::IDD_PLOT, [&](qt::DialogView& view) { QTest::keyClick(&view, Qt::Key_Escape); });
    script.on(res::IDD_VAPOR,
              [&](qt::DialogView& view) { QTest::keyClick(&view, Qt::Key_Escape); });
    script.on(res::IDD_ABOUT,
              [&](qt::DialogView& view) { QTest::keyClick(&view, Qt::Key_Escape); });

    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
    EXPECT_THAT(script.shown(),
                ElementsAre(res::IDD_LAUNCHER, res::IDD_COLUMN, res::IDD_PLOT, res::IDD_COLUMN,
                            res::IDD_VAPOR, res::IDD_ABOUT, res::IDD_ABOUT));
}

TEST_F(LauncherWindowTest, TheFileMenuCarriesTheLaunchersItems) {
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        const QList<QAction*> menus = view.menuBar()->actions();
        ASSERT_EQ(menus.size(), 1);
        EXPECT_EQ(menus[0]->text(), QString::fromUtf8("Файл"));
        QStringList items;
        for (QAction* item : menus[0]->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        EXPECT_EQ(items, QStringList({QString::fromUtf8("&Объём Пара......"),
                                      QString::fromUtf8("&Давление / Поток..."),
                                      QString::fromUtf8("&О потоковом калькуляторе..."),
                                      QStringLiteral("-"), QString::fromUtf8("Вы&ход")}));
        view.menuAction(ID_FILE_EXIT)->trigger();
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
}

TEST_F(LauncherWindowTest, HelpThatCannotStartIsReportedAndEscClosesWithCancel) {
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        QTest::mouseClick(view.widget(ID_HELP_CONTENTS), Qt::LeftButton);
        EXPECT_TRUE(view.isVisible());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDCANCEL);
    // No help file lies beside the test program, so no viewer is started.
    ASSERT_EQ(answers.boxes().size(), 1u);
    EXPECT_EQ(answers.boxes()[0].text, "Failed to launch help.");
    EXPECT_TRUE(answers.boxes()[0].warning);
    EXPECT_TRUE(host.starts.empty());
}

}  // namespace
}  // namespace veltrane::testing
