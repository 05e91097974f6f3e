#include "TindrelCore/formats/PEMBlock.h"

#include "TindrelCore/text/LiteralSearch.h"
#include "TindrelCore/text/Text.h"

#include <array>

namespace tindrel {
namespace {

constexpr std::string_view begin = pemBeginMarker;
constexpr std::string_view dashes = "-----";

bool isLabelCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
}

// A body is kilobytes of these: one table look-up a byte.
constexpr std::array<bool, 256> base64Characters = [] {
    std::array<bool, 256> members{};
    for (unsigned char c :
         std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/="))
        members[c] = true;
    return members;
}();

bool isBase64Character(char c) {
    return base64Characters[static_cast<unsigned char>(c)];
}

// Tab, line feed, form feed, carriage return and the space separators (general category Z).
bool isSpace(char32_t c) {
    return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ' || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// Appends the Base64 characters of the body that starts at `pos`; answers where the body ends.
std::size_t scanBody(std::string_view text, std::size_t pos, std::string& body) {
    while (pos < text.size()) {
        std::size_t run = pos;
        while (run < text.size() && isBase64Character(text[run]))
            ++run;
        body += text.substr(pos, run - pos);
        pos = run;
        if (pos == text.size()) break;
        Text::Scalar scalar = Text::decodeScalar(text, pos);
        if (scalar.value == Text::Scalar::invalid || !isSpace(scalar.value)) break;
        pos += scalar.length;
    }
    return pos;
}

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

struct FoundBlock {
    PEMBlock block;
    std::size_t end; // just after the END line's closing dashes
};

std::optional<FoundBlock> blockAt(std::string_view text, std::size_t start) {
    std::size_t labelStart = start + begin.size();
    std::size_t labelEnd = labelStart;
    while (labelEnd < text.size() && isLabelCharacter(text[labelEnd]))
        ++labelEnd;
    if (labelEnd == labelStart || text.substr(labelEnd, dashes.size()) != dashes) return std::nullopt;
    std::string_view label = text.substr(labelStart, labelEnd - labelStart);

    std::string body;
    std::size_t bodyEnd = scanBody(text, labelEnd + dashes.size(), body);
    std::string_view rest = text.substr(bodyEnd);
    if (!rest.starts_with("-----END ")) return std::nullopt;
    rest.remove_prefix(9);
    if (!rest.starts_with(label) || !rest.substr(label.size()).starts_with(dashes)) return std::nullopt;
    const std::size_t end = text.size() - rest.size() + label.size() + dashes.size();
    return FoundBlock{PEMBlock{std::string(trimSpaces(label)), std::move(body)}, end};
}

} // namespace

std::size_t findPEMBegin(std::string_view text, std::size_t from) {
    return findLiteral(text, begin, from, 5);
}

std::optional<PEMBlock> firstPEMBlock(std::string_view text) {
    for (std::size_t start = findPEMBegin(text, 0); start != std::string_view::npos;
         start = findPEMBegin(text, start + 1))
        if (auto found = blockAt(text, start)) return std::move(found->block);
    return std::nullopt;
}

PEMBlocks allPEMBlocks(std::string_view text, std::size_t maxBlocks) {
    PEMBlocks found;
    std::size_t start = findPEMBegin(text, 0);
    while (start != std::string_view::npos) {
        std::optional<FoundBlock> next = blockAt(text, start);
        if (!next) {
            start = findPEMBegin(text, start + 1);
            continue;
        }
        if (found.blocks.size() == maxBlocks) {
            found.complete = false;
            break;
        }
        found.blocks.push_back(std::move(next->block));
        start = findPEMBegin(text, next->end);
    }
    return found;
}

} // namespace tindrel
