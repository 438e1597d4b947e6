// Texts between the window layer (UTF-8 std::string) and Qt, and the '&' mnemonic marks.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace veltrane::qt {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString PathToQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

inline std::string ToUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The text as shown where no mnemonic can work: "&&" becomes "&" and a lone '&' goes.
QString WithoutMnemonic(const QString& text);

// True when the text marks a mnemonic letter with a lone '&'.
bool HasMnemonic(const QString& text);

}  // namespace veltrane::qt
