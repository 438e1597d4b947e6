// The windows' texts through GNU gettext, as every Linux program finds its catalogs.
#include "data/Translation.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace veltrane {

namespace {

constexpr const char* kDomain = "veltrane";

bool IsEnglish(std::string_view locale) {
    return locale.starts_with("en") &&
           (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@');
}

// Whether the environment asks for English messages as gettext reads it with the locale
// loaded: LANGUAGE's list, where a language without a catalog passes to the next one; without
// it the first of LC_ALL, LC_MESSAGES and LANG that is set.
bool EnvironmentNamesEnglish() {
    if (const char* list = std::getenv("LANGUAGE"); list && *list) {
        for (std::string_view rest = list; !rest.empty();) {
            const std::size_t colon = rest.find(':');
            if (IsEnglish(rest.substr(0, colon))) return true;
            rest = colon == std::string_view::npos ? "" : rest.substr(colon + 1);
        }
        return false;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return IsEnglish(value);
    }
    return false;
}

}  // namespace

std::string Translate(const std::string& russian) {
    // The empty id would give the catalog's header.
    if (russian.empty()) return russian;
    return dgettext(kDomain, russian.c_str());
}

std::string TextLanguage() {
    // The header of the catalog in use, which is there only when a catalog is.
    const std::string_view header = dgettext(kDomain, "");
    constexpr std::string_view key = "Language: ";
    const auto at = header.find(key);
    if (at == std::string_view::npos) return {};
    const auto value = header.substr(at + key.size());
    return std::string(value.substr(0, value.find('\n')));
}

std::filesystem::path CatalogFolder(const std::filesystem::path& programFile) {
    return (std::filesystem::absolute(programFile).parent_path() / "../../share/locale")
        .lexically_normal();
}

void ChooseLanguage(const std::filesystem::path& catalogFolder,
                    std::optional<std::string> language) {
    if (language) {
        // LANGUAGE outranks every locale variable for messages alone, so numbers and the rest
        // of the locale stay the user's. gettext ignores it under the C locale, whose UTF-8
        // twin takes the messages then.
        setenv("LANGUAGE", language->c_str(), 1);
    }
    const char* messages = std::setlocale(LC_MESSAGES, "");
    // A user who set an English locale whose data was never generated still asked for
    // English; gettext alone would fall back to the C locale and the Russian texts.
    if (!language && !messages && EnvironmentNamesEnglish()) {
        language = "en";
        setenv("LANGUAGE", "en", 0);  // a list of the user's own, naming English, stays
    }
    if (language &&
        (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0))
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    bindtextdomain(kDomain, catalogFolder.c_str());
    // The windows hold UTF-8 whatever the locale's own code set.
    bind_textdomain_codeset(kDomain, "UTF-8");
}

}  // namespace veltrane
