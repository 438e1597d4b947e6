// The real launcher window and the windows it opens: their look, the picture buttons, menu
// items and window menu reaching the right window, and help and the editor really started.
#include <gmock/gmock.h>
#include <unistd.h>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/Launcher.h"
#include "resources/ResourceIds.h"
#include "tests/qt/support/WindowDriver.h"
#include "tests/support/WindowFiles.h"
#include "ui/HostActions.h"
#include "ui/qt/PictureButton.h"

namespace veltrane::testing {
namespace {

using ::testing::ElementsAre;

constexpr int kPlotButton = 1058;

// A launcher on a host working in a fresh folder holding the shipped lists.
class LauncherWindowTest : public ::testing::Test {
protected:
    LauncherWindowTest() { host.workIn(folder.path()); }
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
                                      QString::fromUtf8("&Перенос метода..."),
                                      QString::fromUtf8("&Хроматограмма..."),
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

// A real host whose program, and so its help file, lies in a folder of the test's choosing.
class FolderHost : public qt::QtHost {
public:
    std::filesystem::path folder;
    std::filesystem::path programFile() override { return folder / "veltrane"; }
    std::filesystem::path workFolder() override { return folder; }
};

// Puts a shell script in place of xdg-open first on PATH, or leaves none on it at all, while
// it lives. The script notes that it ran just before it ends.
class StandInOpener {
public:
    StandInOpener(const std::filesystem::path& folder, const char* body)
        : m_bin(folder / "bin"), m_path(qgetenv("PATH")) {
        std::filesystem::create_directories(m_bin);
        if (body) {
            std::ofstream(m_bin / "xdg-open") << "#!/bin/sh\nsleep 0.2\n: > \"$0.ran\"\n"
                                              << body << "\n";
            std::filesystem::permissions(m_bin / "xdg-open", std::filesystem::perms::owner_all);
        }
        qputenv("PATH", QByteArray(m_bin.c_str()) + (body ? ":/usr/bin:/bin" : ""));
    }
    ~StandInOpener() { qputenv("PATH", m_path); }
    bool ran() const { return std::filesystem::exists(m_bin / "xdg-open.ran"); }

private:
    std::filesystem::path m_bin;
    QByteArray m_path;
};

// Children of this process that have ended but were never waited for; with `all`, those still
// running too.
int Zombies(bool all = false) {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) continue;
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        zombies += (all || state == 'Z') && parent == ::getpid();
    }
    return zombies;
}

struct LaunchRow {
    const char* opener;  // the stand-in's last line; null: no xdg-open on PATH
    bool editor;         // the gases list rather than the launcher's help
    const char* message;
};

TEST(Launches, ReportAViewerOrEditorThatEndsBadlyEvenAfterTheWindowClosed) {
    const LaunchRow rows[] = {
        {"exit 0", false, nullptr},
        {"exit 1", false, "Failed to launch help."},
        {"exit 3", false, "Failed to launch help."},
        {"kill -9 $$", false, "Failed to launch help."},
        {nullptr, false, "Failed to launch help."},
        {"exit 0", true, nullptr},
        {"exit 4", true, "Sorry, Notepad could not be started."},
    };
    for (const LaunchRow& row : rows) {
        SCOPED_TRACE(std::string(row.opener ? row.opener : "no xdg-open") +
                     (row.editor ? " (editor)" : " (help)"));
        QTemporaryDir folder;
        FolderHost host;
        host.folder = std::filesystem::path(folder.path().toStdString());
        std::ofstream(host.folder / "veltrane.html") << "<html></html>";
        const StandInOpener opener(host.folder, row.opener);
        MessageBoxAnswerer answers;
        if (row.editor) {
            ui::EditList(host, "gases.txt");
        } else {
            WindowScript script(host);
            script.on(res::IDD_LAUNCHER, [&](qt::DialogView& view) {
                QTest::mouseClick(view.widget(ID_HELP_CONTENTS), Qt::LeftButton);
                QTest::keyClick(&view, Qt::Key_Escape);
            });
            EXPECT_EQ(Launcher(host).run(), ui::IDCANCEL);
        }
        // The window never waited; the report comes from the event loop when xdg-open ends.
        // Until the program has ended and been seen to end: whatever it leads to has happened.
        EXPECT_TRUE(RunUntil([&] {
            return (row.message ? !answers.boxes().empty() : opener.ran()) && Zombies(true) == 0;
        }));
        ASSERT_EQ(answers.boxes().size(), row.message ? 1u : 0u);
        if (row.message) {
            EXPECT_EQ(answers.boxes()[0].text, row.message);
            EXPECT_EQ(answers.boxes()[0].caption, row.editor ? "Veltrane" : "veltrane");
            EXPECT_TRUE(answers.boxes()[0].warning);
        }
        EXPECT_EQ(Zombies(), 0);
    }
}

}  // namespace
}  // namespace veltrane::testing
