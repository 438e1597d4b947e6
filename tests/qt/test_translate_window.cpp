// The real method translation window opened from the launcher's menu, in both languages: its
// look, a typed new flow, and its chart painted.
#include <gmock/gmock.h>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/Languages.h"
#include "translate/TranslateIds.h"

namespace veltrane::testing {
namespace {

using namespace translate;

// Opens the window from the File menu, checks and pictures it, types a new flow and closes.
void OpenAndLook(const std::string& screenshot, const QString& title) {
    QTemporaryDir folder;
    RecordingQtHost host;
    host.workIn(folder.path());
    WindowScript script(host);
    script.on(res::IDD_LAUNCHER, [](qt::DialogView& view) {
        view.menuAction(ID_FILE_TRANSLATE)->trigger();
        view.menuAction(ID_FILE_EXIT)->trigger();
    });
    script.on(res::IDD_TRANSLATE, [&](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), title);
        EXPECT_EQ(view.dialog().text(IDC_FACTOR), "0.500");
        EXPECT_FALSE(SaveScreenshot(view, screenshot).empty());
        auto* flow = view.widgetAs<QLineEdit>(kNew.flow);
        ASSERT_TRUE(flow);
        flow->setFocus();
        flow->selectAll();
        QTest::keyClicks(flow, "1,5");
        QTest::keyClick(flow, Qt::Key_Tab);
        EXPECT_EQ(view.dialog().text(kNew.flow), "1.5");
        EXPECT_TRUE(view.dialog().isChecked(IDC_GOAL_SET));
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
    EXPECT_THAT(script.shown(), ::testing::ElementsAre(res::IDD_LAUNCHER, res::IDD_TRANSLATE));
    // Opening reads it, making it empty when missing, as the windows do; Esc saves nothing.
    EXPECT_EQ(std::filesystem::file_size(host.work / "translate.cfg"), 0u);
}

TEST(TranslateWindow, OpensFromTheMenuTakesATypedFlowAndLooksRightInRussian) {
    OpenAndLook("translate", QString::fromUtf8("Перенос метода"));
}

TEST(TranslateWindow, LooksRightInEnglish) {
    ScopedLanguage english(kEnglish);
    OpenAndLook("translate-en", QStringLiteral("Method Translation"));
}

}  // namespace
}  // namespace veltrane::testing
