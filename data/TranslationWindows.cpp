// The windows' texts on Windows, which has no gettext: the same compiled catalogs, read by the
// program itself from beside its own file, the language taken from the user's interface.
#include <windows.h>

#include "data/DiskFiles.h"
#include "data/MessageCatalog.h"
#include "data/Translation.h"

namespace veltrane {
namespace {

using Catalog = std::map<std::string, std::string, std::less<>>;

// The catalog chosen at start-up, as gettext holds its own: empty while the texts are Russian.
Catalog& ChosenCatalog() {
    static Catalog catalog;
    return catalog;
}

}  // namespace

std::string Translate(const std::string& russian) {
    // The empty id would give the catalog's header.
    if (russian.empty()) return russian;
    const Catalog& catalog = ChosenCatalog();
    const auto found = catalog.find(russian);
    return found == catalog.end() || found->second.empty() ? russian : found->second;
}

std::string TextLanguage() {
    const Catalog& catalog = ChosenCatalog();
    const auto header = catalog.find("");
    if (header == catalog.end()) return {};
    constexpr std::string_view key = "Language: ";
    const std::string_view text = header->second;
    const auto at = text.find(key);
    if (at == std::string_view::npos) return {};
    const auto value = text.substr(at + key.size());
    return std::string(value.substr(0, value.find('\n')));
}

std::filesystem::path CatalogFolder(const std::filesystem::path& programFile) {
    return std::filesystem::absolute(programFile).parent_path() / "locale";
}

void ChooseLanguage(const std::filesystem::path& catalogFolder,
                    std::optional<std::string> language) {
    if (!language && PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ENGLISH) language = "en";
    ChosenCatalog().clear();
    if (!language || *language == "ru") return;
    const auto bytes = ReadRegularFile(catalogFolder / *language / "LC_MESSAGES" / "veltrane.mo",
                                       MissingFile::ReadAsEmpty);
    if (!bytes) return;
    if (auto catalog = ReadMessageCatalog(*bytes)) ChosenCatalog() = std::move(*catalog);
}

}  // namespace veltrane
