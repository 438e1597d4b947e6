// The windows' language: chosen by locale, LANGUAGE and --lang; every window's template texts
// and run-time texts in it; the Russian texts byte for byte wherever no catalog speaks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "data/DiskFiles.h"
#include "data/MessageCatalog.h"
#include "plot/PlotFile.h"
#include "plot/PlotWindow.h"
#include "resources/Layouts.h"
#include "resources/ResourceIds.h"
#include "resources/Strings.h"
#include "tests/support/FakeHost.h"
#include "tests/support/Languages.h"
#include "ui/HostActions.h"

namespace veltrane::testing {
namespace {

bool HasCyrillic(const std::string& text) {
    // Cyrillic letters are the two-byte UTF-8 sequences led by 0xD0..0xD4.
    for (unsigned char c : text)
        if (c >= 0xD0 && c <= 0xD4) return true;
    return false;
}

// Every text a template shows: caption, menu titles and items, control texts.
std::vector<std::string> Texts(const ui::DialogLayout& d) {
    std::vector<std::string> texts{d.caption};
    for (const auto& menu : d.menu) {
        texts.push_back(menu.title);
        for (const auto& item : menu.items) texts.push_back(item.text);
    }
    for (const auto& control : d.controls) texts.push_back(control.text);
    return texts;
}

const std::vector<std::function<ui::DialogLayout()>> kLayouts{
    res::LauncherLayout, res::ColumnLayout, res::VaporLayout,
    res::AboutLayout,    res::PlotLayout,   res::TranslateLayout};

std::vector<std::vector<std::string>> AllTexts() {
    std::vector<std::vector<std::string>> all;
    for (const auto& layout : kLayouts) all.push_back(Texts(layout()));
    all.push_back({res::LoadString(res::IDS_ABOUTBOX)});
    return all;
}

TEST(Languages, LocaleLanguageAndArgumentChooseTheWindowsLanguage) {
    struct Row {
        Locale locale;
        std::optional<std::string> argument;
        bool english;
    };
    const Row rows[] = {
        {{"C", nullptr}, {}, false},
        {{"C", "en"}, {}, false},  // gettext ignores LANGUAGE under the C locale
        {{"POSIX", nullptr}, {}, false},
        {{"C.UTF-8", nullptr}, {}, false},
        {{"ru_RU.UTF-8", nullptr}, {}, false},
        {{"de_DE.UTF-8", nullptr}, {}, false},  // no catalog (and maybe no locale)
        {{"C.UTF-8", "de:fr"}, {}, false},
        {{"C.UTF-8", "en"}, {}, true},
        {{"en_US.UTF-8", nullptr}, {}, true},
        {{"ru_RU.UTF-8", "de:en"}, {}, true},
        {{"ru_RU.UTF-8", nullptr}, "en", true},
        {{"C", nullptr}, "en", true},
        {{"en_US.UTF-8", nullptr}, "ru", false},
        {{"C.UTF-8", "en"}, "ru", false},
    };
    const auto russian = AllTexts();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.locale.lcAll) +
                     " LANGUAGE=" + (row.locale.language ? row.locale.language : "-") + " --lang " +
                     row.argument.value_or("-"));
        ScopedLanguage language(row.locale, row.argument);
        EXPECT_EQ(TextLanguage(), row.english ? "en" : "");
        EXPECT_EQ(Translate("Файл"), row.english ? "File" : "Файл");
        const auto texts = AllTexts();
        if (!row.english) {
            EXPECT_EQ(texts, russian);  // byte for byte
            continue;
        }
        for (const auto& window : texts)
            for (const auto& text : window) EXPECT_FALSE(HasCyrillic(text)) << text;
    }
}

// Whether or not this machine has generated the locales named: a name is what the user asked.
TEST(Languages, AnEnglishLocaleNamedInTheEnvironmentGivesEnglishEvenWhenNotInstalled) {
    struct Row {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        bool english;
    };
    const Row rows[] = {
        {nullptr, nullptr, nullptr, "en_US.UTF-8", true},
        {nullptr, "en_GB.UTF-8", nullptr, "ru_RU.UTF-8", true},
        {nullptr, nullptr, "en_US.UTF-8", "ru_RU.UTF-8", true},
        {"en", nullptr, nullptr, "xx_YY.UTF-8", true},
        {nullptr, nullptr, "ru_RU.UTF-8", "en_US.UTF-8", false},
        {"ru", nullptr, nullptr, "en_US.UTF-8", false},
        {nullptr, nullptr, nullptr, "ru_RU.UTF-8", false},
        {nullptr, nullptr, nullptr, "eo.UTF-8", false},
    };
    const char* const variables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (const Row& row : rows) {
        const char* const values[] = {row.language, row.lcAll, row.lcMessages, row.lang};
        for (int k = 0; k < 4; ++k) {
            if (values[k])
                setenv(variables[k], values[k], 1);
            else
                unsetenv(variables[k]);
        }
        ChooseLanguage(CatalogFolder(VELTRANE_BUILT_PROGRAM), {});
        EXPECT_EQ(Translate("Файл"), row.english ? "File" : "Файл") << row.lang;
        for (const char* variable : variables) unsetenv(variable);
        std::setlocale(LC_MESSAGES, "C");
    }
}

TEST(Languages, AMissOrAnEmptyTextStaysAsItIs) {
    ScopedLanguage language(kEnglish);
    for (const char* text : {"Нет такого текста", "", "OK", "&Помощь "})
        EXPECT_EQ(Translate(text), text);
}

TEST(Languages, LangArgument) {
    struct Row {
        std::vector<const char*> arguments;
        std::optional<std::string> language;
        bool error;
    };
    const Row rows[] = {
        {{}, {}, false},
        {{"--lang", "en"}, "en", false},
        {{"--lang=ru"}, "ru", false},
        {{"--lang", "ru", "--lang", "en"}, "en", false},
        {{"--lang"}, {}, true},
        {{"--lang", "fr"}, {}, true},
        {{"--lang="}, {}, true},
        {{"-platform", "xcb"}, {}, true},
    };
    for (const Row& row : rows) {
        std::vector<char*> argv{const_cast<char*>("veltrane")};
        for (const char* a : row.arguments) argv.push_back(const_cast<char*>(a));
        const LanguageArgument read = ReadLanguageArgument(argv);
        EXPECT_EQ(read.language, row.language) << ::testing::PrintToString(row.arguments);
        EXPECT_EQ(!read.error.empty(), row.error) << ::testing::PrintToString(row.arguments);
    }
}

TEST(Languages, CatalogsLieUnderShareLocaleTwoFoldersAboveTheProgram) {
    EXPECT_EQ(CatalogFolder("/usr/lib/veltrane/veltrane"), "/usr/share/locale");
    EXPECT_EQ(CatalogFolder("/b/app/main/veltrane"), "/b/share/locale");
}

// The reader Windows uses in place of gettext gives what gettext gives, from the same catalog.
TEST(Languages, TheProgramsOwnCatalogReaderAgreesWithGettext) {
    const auto mo = CatalogFolder(VELTRANE_BUILT_PROGRAM) / "en/LC_MESSAGES/veltrane.mo";
    const std::optional<std::string> bytes = ReadRegularFile(mo, MissingFile::ReadAsEmpty);
    ASSERT_TRUE(bytes) << mo;
    const auto catalog = ReadMessageCatalog(*bytes);
    ASSERT_TRUE(catalog);
    EXPECT_THAT(catalog->at(""), ::testing::HasSubstr("Language: en\n"));
    ScopedLanguage english(kEnglish);
    std::size_t agreed = 0;
    for (const auto& [russian, text] : *catalog) {
        if (russian.empty() || russian.find('\4') != std::string::npos) continue;
        EXPECT_EQ(Translate(russian), text) << russian;
        ++agreed;
    }
    EXPECT_GT(agreed, 100u);
    EXPECT_FALSE(ReadMessageCatalog(bytes->substr(0, bytes->size() / 2)));
    EXPECT_FALSE(ReadMessageCatalog("not a catalog at all"));
}

TEST(Languages, PlotWindowRunTimeTextsAndHelpFollowTheLanguage) {
    ScopedLanguage language(kEnglish);
    FakeHost host;
    host.writeFile("plot.xy",
                   "вд(mm) = 0.320\r\nТемп(C) = 100\r\nДлина (m) = 30.0\r\nДавл.вых. = 101.1\r\n"
                   "psi\r\n  Г-Н   = Helium\r\n20\r\n40\r\n1.0  5.0\r\n");
    host.expect(res::IDD_PLOT, [](ui::Dialog& d) {
        RecordingCanvas canvas;
        d.paint(canvas);
        EXPECT_EQ(d.caption(), "Carrier velocity vs. inlet pressure :   Gas   = Helium");
        EXPECT_EQ(d.text(plot::IDC_DIAMETER_LINE), "ID(mm) = 0.320");
        EXPECT_EQ(d.text(plot::IDC_TEMPERATURE_LINE), "Temp(C) = 100");
        EXPECT_EQ(d.text(plot::IDC_LENGTH_LINE), "Length (m) = 30.0");
        EXPECT_EQ(d.text(plot::IDC_OUTLET_LINE), "Outlet P = 101.1");
        EXPECT_EQ(d.text(plot::IDC_AXIS_TITLE), "Column inlet pressure - psi");
        EXPECT_EQ(d.text(plot::IDC_GRID_LEGEND), "1 division = 10 psi");
        d.click(plot::IDC_HELP);
    });
    PlotWindow(host).run(PlotDataFromText(host.readWorkFile(kPlotFileName)));
    ASSERT_EQ(host.helps.size(), 1u);
    EXPECT_EQ(host.helps[0].file, "/opt/veltrane/bin/veltrane-en.html");
    EXPECT_EQ(host.helps[0].anchor, "Pressure");
}

}  // namespace
}  // namespace veltrane::testing
