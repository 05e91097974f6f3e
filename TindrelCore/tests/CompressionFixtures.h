#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Compressed test inputs, written with zlib's deflater and containers assembled by hand so that
// every header flag can be set.
namespace tindrel::fixtures {

std::string rawDeflate(std::string_view data);

struct GzipOptions {
    std::string name{};    // FNAME when not empty
    std::string comment{}; // FCOMMENT when not empty
    std::string extra{};   // FEXTRA when not empty
    bool headerCRC = false;
    std::optional<std::uint32_t> isize{}; // the true size modulo 2^32 when absent
    std::optional<std::uint32_t> crc{};   // the true CRC-32 when absent
};
std::string gzipMember(std::string_view data, const GzipOptions& options = {});
std::string gzipAround(std::string_view deflated, std::uint32_t isize);

std::string zlibStream(std::string_view data);

// Exactly `size` bytes of printable text that deflates to about a three-hundredth of that.
std::string repetitiveText(std::size_t size);

// A raw DEFLATE stream of `mebibytes` MiB of zero bytes, about 1 KB per MiB.
std::string zeroBomb(std::size_t mebibytes);

} // namespace tindrel::fixtures
