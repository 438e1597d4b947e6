// The windows' texts in the user's language: GNU gettext catalogs keyed by the Russian texts.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

// Marks a window text for the catalog where it is written down; it is looked up with
// Translate where it is shown. (`make pot` collects both.)
#define N_(russian) russian

namespace veltrane {

// The text in the language chosen at start-up; the Russian text itself, byte for byte, when
// there is no catalog for that language, the catalog lacks it, or the program never chose one.
std::string Translate(const std::string& russian);

// The language of the catalog the texts come from ("en"); empty while they are Russian.
std::string TextLanguage();

// Where the catalogs lie for a program file: on Linux share/locale two folders above it, which
// is both the installed tree (lib/veltrane/veltrane) and the build tree (app/main/veltrane); on
// Windows the folder locale beside it. Either holds LANG/LC_MESSAGES/veltrane.mo.
std::filesystem::path CatalogFolder(const std::filesystem::path& programFile);

// What `--lang` asks for: "ru" or "en"; nothing when it is not given. A bad or missing value is
// reported in error and gives nothing.
struct LanguageArgument {
    std::optional<std::string> language;
    std::string error;
};
LanguageArgument ReadLanguageArgument(std::span<char* const> arguments);

// Made once at start-up: the user's locale (on Windows, the language of the user's interface)
// picks the language, or `language` when given, and the program's catalogs are looked for in
// catalogFolder. An English locale that the C library cannot load still gives English windows.
void ChooseLanguage(const std::filesystem::path& catalogFolder,
                    std::optional<std::string> language);

}  // namespace veltrane
