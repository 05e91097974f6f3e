#pragma once

#include <cstddef>
#include <string>

// Logs of a given size for the scanner benchmarks: one realistic, the others built to trip a
// backtracking or retrying scanner.
namespace tindrel::ScanLogs {

// Mixed application log lines: timestamps, request ids, JWTs, JSON bodies, query strings,
// Base64 ids, trace ids, plain messages.
std::string realistic(std::size_t size);
// `count` lines of one artifact each (JWTs, UUIDs, hex and Base64 ids, timestamps, query strings,
// JSON, plain text), nearly all distinct, for `inspect --each-line`.
std::string tokens(std::size_t count);
// The realistic log with a PEM certificate block every 100 lines.
std::string withPEMBlocks(std::size_t size);
// The same character over and over ("{", "&", a hexadecimal digit).
std::string repeated(char c, std::size_t size);
// "a=aaaa…": one query-string pair that never finds its "&".
std::string unendedPair(std::size_t size);
// One Base64 run without a break.
std::string base64Run(std::size_t size);

} // namespace tindrel::ScanLogs
