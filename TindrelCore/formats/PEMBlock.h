#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

inline constexpr std::string_view pemBeginMarker = "-----BEGIN ";

// The first "-----BEGIN " at or after `from`, or npos; logs are full of dashes, hardly ever followed
// by a "B" five bytes on.
std::size_t findPEMBegin(std::string_view text, std::size_t from);

struct PEMBlock {
    std::string label; // spaces trimmed from both ends
    std::string body;  // the Base64 characters with every white space removed
};

// The first "-----BEGIN L-----…-----END L-----" in `text` whose END label repeats the BEGIN label,
// where L is capitals, digits and spaces and the body is Base64 characters and white space.
// One pass: neither the label nor the body may hold a "-", so each start has one candidate end.
std::optional<PEMBlock> firstPEMBlock(std::string_view text);

struct PEMBlocks {
    std::vector<PEMBlock> blocks;
    bool complete = true; // false when more blocks follow the last one read
};

// Every block in text order, the first being firstPEMBlock's; the search for the next block starts
// after the previous block's END line. At most `maxBlocks` are read.
PEMBlocks allPEMBlocks(std::string_view text, std::size_t maxBlocks);

} // namespace tindrel
