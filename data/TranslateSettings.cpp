#include "data/TranslateSettings.h"

#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"

namespace veltrane {

TranslateSettings TranslateSettings::FromText(std::string_view text) {
    TranslateSettings settings;
    for (const std::string& line : SplitLines(text).m_lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        settings.m_values.emplace(line.substr(0, equals),
                                  FirstChars(line.substr(equals + 1), kTranslateValueLimit));
    }
    return settings;
}

std::optional<std::string> TranslateSettings::text(std::string_view name) const {
    const auto found = m_values.find(name);
    if (found == m_values.end()) return std::nullopt;
    return found->second;
}

std::optional<double> TranslateSettings::number(std::string_view name) const {
    const auto saved = text(name);
    return saved ? ReadWholeNumber(*saved) : std::nullopt;
}

std::vector<std::string> TranslateSettingsLines(
    const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<std::string> lines;
    for (const auto& [name, value] : values) lines.push_back(name + "=" + value);
    return lines;
}

}  // namespace veltrane
