// The settings file translate.cfg: the method translation window's inputs, a line NAME=VALUE
// each.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrane {

inline constexpr const char* kTranslateSettingsFileName = "translate.cfg";
// A value longer than this is cut: no input of the window is anywhere near it.
inline constexpr std::size_t kTranslateValueLimit = 63;

class TranslateSettings {
public:
    // translate.cfg's text: a line NAME=VALUE for each input; anything else is passed over,
    // and of a name given twice the first line holds.
    static TranslateSettings FromText(std::string_view text);

    // The saved text of a name; nothing when the file does not give the name.
    std::optional<std::string> text(std::string_view name) const;
    // The saved number of a name, by the whole-text rule (ReadWholeNumber): nothing when the
    // file does not give it or gives something else than one number.
    std::optional<double> number(std::string_view name) const;

private:
    std::map<std::string, std::string, std::less<>> m_values;
};

// The lines translate.cfg is saved as, NAME=VALUE in the order given.
std::vector<std::string> TranslateSettingsLines(
    const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace veltrane
