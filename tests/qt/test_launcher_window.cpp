// The real launcher window: its look, its picture buttons and menu reaching the launcher.
#include <gmock/gmock.h>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "ui/qt/PictureButton.h"

namespace veltrane::testing {
namespace {

using ::testing::ElementsAre;

TEST(LauncherWindow, LooksRightAndItsButtonsAndMenuGiveTheirCommands) {
    RecordingQtHost host;
    WindowScript script(host);
    std::vector<int> commands;
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), QString::fromUtf8("Orvanex потоковый калькулятор  2.0"));
        auto* flow = view.widgetAs<qt::PictureButton>(IDC_FLOW_BUTTON);
        auto* vapor = view.widgetAs<qt::PictureButton>(IDC_VAPOR_BUTTON);
        ASSERT_TRUE(flow && vapor);
        if (flow->hasImages()) {
            EXPECT_EQ(flow->size(), QSize(88, 50));
            EXPECT_EQ(vapor->size(), QSize(89, 50));
        }
        EXPECT_EQ(flow->pos(), QPoint(18, 21));
        EXPECT_EQ(view.widgetAs<QPushButton>(IDC_EXIT_BUTTON)->text(), QString::fromUtf8("Вы&ход"));
        EXPECT_FALSE(view.windowIcon().isNull());
        EXPECT_FALSE(SaveScreenshot(view, "launcher").empty());

        // Spies in place of the launcher's own handlers show which command each input gives.
        for (int id : {IDC_FLOW_BUTTON, ID_FILE_FLOW, IDC_VAPOR_BUTTON})
            view.dialog().onClick(id, [&commands, id] { commands.push_back(id); });
        QTest::mouseClick(flow, Qt::LeftButton);
        view.menuAction(ID_FILE_FLOW)->trigger();
        QTest::mouseClick(vapor, Qt::LeftButton);
        QTest::mouseClick(view.widget(IDC_EXIT_BUTTON), Qt::LeftButton);
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
    EXPECT_THAT(commands, ElementsAre(IDC_FLOW_BUTTON, ID_FILE_FLOW, IDC_VAPOR_BUTTON));
    EXPECT_THAT(script.shown(), ElementsAre(res::IDD_LAUNCHER));
}

TEST(LauncherWindow, TheFileMenuAndTheWindowMenuCarryTheLaunchersItems) {
    RecordingQtHost host;
    WindowScript script(host);
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
        auto context = view.createContextMenu();
        ASSERT_TRUE(context);
        EXPECT_EQ(context->actions()[0]->text(), QString::fromUtf8("&О потоковом калькуляторе..."));
        view.menuAction(ID_FILE_EXIT)->trigger();
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
}

TEST(LauncherWindow, HelpStartsTheViewerAndEscClosesWithCancel) {
    RecordingQtHost host;
    WindowScript script(host);
    script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
        QTest::mouseClick(view.widget(ID_HELP_CONTENTS), Qt::LeftButton);
        EXPECT_TRUE(view.isVisible());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    MessageBoxAnswerer answers;  // no help file beside the test program: the failure is shown
    EXPECT_EQ(Launcher(host).run(), ui::IDCANCEL);
    ASSERT_EQ(answers.boxes().size(), 1u);
    EXPECT_EQ(answers.boxes()[0].text, "Failed to launch help.");
    EXPECT_TRUE(host.starts.empty());
}

}  // namespace
}  // namespace veltrane::testing
