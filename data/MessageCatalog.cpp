#include "data/MessageCatalog.h"

#include <cstdint>

namespace veltrane {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;

// The 32-bit word at offset, in the catalog's byte order; nothing past the end.
std::optional<std::uint32_t> Word(std::string_view bytes, std::size_t offset, bool swapped) {
    if (offset > bytes.size() || bytes.size() - offset < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int k = 0; k < 4; ++k) {
        const auto byte = static_cast<unsigned char>(bytes[offset + (swapped ? 3 - k : k)]);
        value |= static_cast<std::uint32_t>(byte) << (8 * k);
    }
    return value;
}

// The string a table entry (length, offset) at `entry` names.
std::optional<std::string> Entry(std::string_view bytes, std::size_t entry, bool swapped) {
    const auto length = Word(bytes, entry, swapped);
    const auto offset = Word(bytes, entry + 4, swapped);
    if (!length || !offset || *offset > bytes.size() || bytes.size() - *offset < *length)
        return std::nullopt;
    return std::string(bytes.substr(*offset, *length));
}

}  // namespace

std::optional<std::map<std::string, std::string, std::less<>>> ReadMessageCatalog(
    std::string_view bytes) {
    const auto magic = Word(bytes, 0, false);
    if (!magic) return std::nullopt;
    const bool swapped = *magic != kMagic;
    if (swapped && Word(bytes, 0, true) != kMagic) return std::nullopt;
    const auto count = Word(bytes, 8, swapped);
    const auto originals = Word(bytes, 12, swapped);
    const auto translations = Word(bytes, 16, swapped);
    if (!count || !originals || !translations) return std::nullopt;
    std::map<std::string, std::string, std::less<>> messages;
    for (std::uint32_t k = 0; k < *count; ++k) {
        auto id = Entry(bytes, std::size_t{*originals} + 8u * k, swapped);
        auto text = Entry(bytes, std::size_t{*translations} + 8u * k, swapped);
        if (!id || !text) return std::nullopt;
        messages.emplace(std::move(*id), std::move(*text));
    }
    return messages;
}

}  // namespace veltrane
