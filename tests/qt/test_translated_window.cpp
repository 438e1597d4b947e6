// The real translated chromatograms window opened from the translation window's button, in
// both languages: its look with both chromatograms painted and the list filled.
#include <gmock/gmock.h>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/Languages.h"
#include "translate/TranslateIds.h"
#include "translated/TranslatedIds.h"

namespace veltrane::testing {
namespace {

// Opens the chromatograms over the translation window, after `translation` has set it up.
void OpenAndLook(const std::string& screenshot, const QString& title,
                 const std::function<void(ui::Dialog&)>& translation = {}, const char* phase = "") {
    QTemporaryDir folder;
    RecordingQtHost host;
    host.workIn(folder.path());
    WindowScript script(host);
    script.on(res::IDD_LAUNCHER, [](qt::DialogView& view) {
        view.menuAction(ID_FILE_TRANSLATE)->trigger();
        view.menuAction(ID_FILE_EXIT)->trigger();
    });
    script.on(res::IDD_TRANSLATE, [&](qt::DialogView& view) {
        if (translation) translation(view.dialog());
        auto* button = view.widgetAs<QPushButton>(translate::IDC_CHROMATOGRAMS);
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    script.on(res::IDD_TRANSLATED, [&](qt::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), title);
        ui::Dialog& d = view.dialog();
        d.selectEntry(translated::IDC_PHASE_LIST,
                      d.selectByPrefix(translated::IDC_PHASE_LIST, phase));
        auto* table = view.widgetAs<QTreeWidget>(translated::IDC_PEAKS);
        ASSERT_TRUE(table);
        EXPECT_GE(table->topLevelItemCount(), 12);
        EXPECT_EQ(table->columnCount(), 8);
        EXPECT_FALSE(SaveScreenshot(view, screenshot).empty());
        QTest::keyClick(&view, Qt::Key_Escape);
    });
    EXPECT_EQ(Launcher(host).run(), ui::IDOK);
    EXPECT_THAT(script.shown(),
                ::testing::ElementsAre(res::IDD_LAUNCHER, res::IDD_TRANSLATE, res::IDD_TRANSLATED));
}

TEST(TranslatedWindow, OpensFromTheTranslationAndLooksRightInRussian) {
    OpenAndLook("translate-chromatograms", QString::fromUtf8("Хроматограммы перевода"));
}

TEST(TranslatedWindow, LooksRightInEnglish) {
    ScopedLanguage english(kEnglish);
    OpenAndLook("translate-chromatograms-en", QStringLiteral("Translated Chromatograms"));
}

// A film twice as thick on the Wax phase: every time longer than G times the original, one
// compound overtaking another and pairs no longer separated, all in the warnings.
TEST(TranslatedWindow, ShowsWhereAThickerFilmBreaksThePattern) {
    OpenAndLook(
        "translate-chromatograms-film", QString::fromUtf8("Хроматограммы перевода"),
        [](ui::Dialog& d) {
            d.typeInto(translate::kNew.film, "0.36");
            d.leave(translate::kNew.film);
        },
        "Wax");
}

}  // namespace
}  // namespace veltrane::testing
