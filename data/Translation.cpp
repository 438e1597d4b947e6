#include "data/Translation.h"

#include <string_view>

namespace veltrane {

LanguageArgument ReadLanguageArgument(std::span<char* const> arguments) {
    LanguageArgument result;
    for (std::size_t k = 1; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k] ? arguments[k] : "";
        std::string_view value;
        if (argument == "--lang") {
            value = k + 1 < arguments.size() && arguments[k + 1] ? arguments[++k] : "";
        } else if (argument.starts_with("--lang=")) {
            value = argument.substr(7);
        } else {
            result.error = "unknown argument " + std::string(argument);
            result.language.reset();
            return result;
        }
        if (value != "ru" && value != "en") {
            result.error = "--lang takes ru or en, not \"" + std::string(value) + "\"";
            result.language.reset();
            return result;
        }
        result.language = std::string(value);
    }
    return result;
}

}  // namespace veltrane
