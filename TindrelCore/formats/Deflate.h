#pragma once

#include "TindrelCore/text/Bytes.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Gzip (RFC 1952) and zlib (RFC 1950) containers around raw DEFLATE (RFC 1951), and a bounded inflater.
namespace tindrel::Deflate {

struct GzipMember {
    Bytes::Buffer body;  // the DEFLATE stream
    std::uint32_t isize; // the trailer's size field: uncompressed length modulo 2^32
};

// Decompressed output of this many bytes or more is refused unless a size field vouches for it.
inline constexpr std::size_t outputLimit = 16777216;
// The largest output a size field can vouch for (256 MiB).
inline constexpr std::size_t vouchedOutputLimit = 268435456;

// The magic and method that open a gzip member, in its first gzipLeadLength bytes.
inline constexpr std::size_t gzipLeadLength = 3;
bool beginsGzip(std::string_view bytes);
// A zlib header for DEFLATE without a preset dictionary, in its first zlibLeadLength bytes.
inline constexpr std::size_t zlibLeadLength = 2;
bool beginsZlib(std::string_view bytes);

// Header flags are walked, the header and trailer checksums are not verified.
std::optional<GzipMember> stripGzip(std::string_view bytes);
// Refuses streams that need a preset dictionary; the Adler-32 trailer is not verified.
std::optional<Bytes::Buffer> stripZlib(std::string_view bytes);

// Raw DEFLATE to bytes. Nothing for an empty body, a corrupt or truncated stream or an empty result.
// A hint below `outputLimit` only sizes the first buffer, and output that reaches the limit is refused.
// A hint at or beyond it is a promise of exactly that many bytes: decoding stops as soon as the output
// passes it, output of any other length is refused, and a promise beyond `vouchedOutputLimit` is
// refused unread. The buffer starts no larger than the body could expand to, nor than `outputLimit`,
// and grows as output arrives.
std::optional<Bytes::Buffer> inflate(std::string_view body, std::optional<std::uint64_t> hint = std::nullopt);

} // namespace tindrel::Deflate
