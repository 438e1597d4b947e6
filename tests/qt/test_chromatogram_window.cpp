// The real predicted chromatogram window opened from the launcher's menu, in both languages: its
// look with the chromatogram painted and its table filled, and a typed choice of compounds.
#include <gmock/gmock.h>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/Launcher.h"
#include "chromatogram/ChromatogramIds.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/Languages.h"

namespace veltrane::testing {
namespace {

using namespace chromatogram;

void OpenAndLook(const std::string& screenshot, const QString& title) {
    QTemporaryDir folder;
    RecordingQtHost host;
    host.workIn(folder.path());
    WindowScript script(host);
    script.on(res::IDD_LAUNCHER, [](qt::DialogView& view) {
        view.menuAction(ID_FILE_CHROMATOGRAM)->trigger();
        view.menuAction(ID_FILE_EXIT)->trigger();
    });
    script.on(res::IDD_CHROMATOGRAM, [&](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), title);
        auto* table = view.widgetAs<QTreeWidget>(IDC_PEAKS);
        ASSERT_TRUE(table);
        EXPECT_EQ(table->topLevelItemCount(), 17);
        EXPECT_FALSE(SaveScreenshot(view, screenshot).empty());
        auto* names = view.widgetAs<QLineEdit>(IDC_COMPOUNDS);
        ASSERT_TRUE(names);
        names->setFocus();
        QTest::keyClicks(names, "dec");
        QTest::keyClick(names, Qt::Key_Tab);
        EXPECT_EQ(table->topLevelItemCount(), 1);
        EXPECT_EQ(table->topLevelItem(0)->text(1), QStringLiteral("Decane"));
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
    EXPECT_THAT(script.shown(), ::testing::ElementsAre(res::IDD_LAUNCHER, res::IDD_CHROMATOGRAM));
}

TEST(ChromatogramWindow, OpensFromTheMenuAndLooksRightInRussian) {
    OpenAndLook("chromatogram", QString::fromUtf8("Хроматограмма"));
}

TEST(ChromatogramWindow, LooksRightInEnglish) {
    ScopedLanguage english(kEnglish);
    OpenAndLook("chromatogram-en", QStringLiteral("Predicted Chromatogram"));
}

}  // namespace
}  // namespace veltrane::testing
