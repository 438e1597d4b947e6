// A compiled message catalog (a gettext .mo file) read by the program itself, where the system
// has no gettext to read it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// Each message id and its translation; the header is the translation of the empty id. Nothing
// when the bytes are not a well-formed catalog (a wrong magic number, a table or a string
// beyond the end).
std::optional<std::map<std::string, std::string, std::less<>>> ReadMessageCatalog(
    std::string_view bytes);

}  // namespace veltrane
