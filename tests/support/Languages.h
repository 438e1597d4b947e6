// Runs a test in a chosen locale and language with the build's catalogs, as the program would
// start in them, and puts the C locale back afterwards.
#pragma once

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

#include "data/Translation.h"

namespace veltrane::testing {

struct Locale {
    const char* lcAll;     // LC_ALL, e.g. "C", "ru_RU.UTF-8"
    const char* language;  // LANGUAGE, or nullptr for none
};

inline constexpr Locale kEnglish{"C.UTF-8", "en"};

class ScopedLanguage {
public:
    explicit ScopedLanguage(Locale locale, std::optional<std::string> argument = {}) {
        setenv("LC_ALL", locale.lcAll, 1);
        if (locale.language)
            setenv("LANGUAGE", locale.language, 1);
        else
            unsetenv("LANGUAGE");
        ChooseLanguage(CatalogFolder(VELTRANE_BUILT_PROGRAM), argument);
    }
    ~ScopedLanguage() {
        unsetenv("LANGUAGE");
        unsetenv("LC_ALL");
        std::setlocale(LC_MESSAGES, "C");
    }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};

}  // namespace veltrane::testing
