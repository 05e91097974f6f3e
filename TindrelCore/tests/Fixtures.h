#pragma once

// What the core's tests share: their data files (found through TINDREL_SOURCE_DIR, which ctest
// sets), tables of cases read from those files, and a few encoders to build inputs with.

#include "TindrelCore/Tindrel.h"
#include "TindrelCore/text/Bytes.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel::fixtures {

// Every byte of the file at `path`; nothing when it cannot be read.
inline std::optional<std::string> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The path of TindrelCore/<relative>; nothing when TINDREL_SOURCE_DIR is not set.
inline std::optional<std::string> corePath(std::string_view relative) {
    const char* root = std::getenv("TINDREL_SOURCE_DIR");
    if (!root) return std::nullopt;
    return std::string(root) + "/TindrelCore/" + std::string(relative);
}

// The bytes of TindrelCore/<relative>; a missing file fails the test that asked for it.
inline std::string coreFile(std::string_view relative) {
    std::optional<std::string> path = corePath(relative);
    std::optional<std::string> bytes = path ? readFile(*path) : std::nullopt;
    EXPECT_TRUE(bytes) << "missing test data " << relative;
    return bytes.value_or("");
}

// The bytes of TindrelCore/tests/data/<relative>.
inline std::string testData(std::string_view relative) {
    return coreFile("tests/data/" + std::string(relative));
}

inline std::string hexOf(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char byte : bytes)
        out += {digits[byte >> 4], digits[byte & 15]};
    return out;
}

// URL-safe Base64 without padding.
inline std::string base64URLOf(std::string_view bytes) {
    std::string text = Bytes::base64Encode(bytes);
    text.erase(std::min(text.find('='), text.size()));
    std::replace(text.begin(), text.end(), '+', '-');
    std::replace(text.begin(), text.end(), '/', '_');
    return text;
}

inline std::string repeated(std::string_view unit, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += unit;
    return text;
}

// `count` of `pieces`, each picked at random, one after another.
inline std::string randomJoin(std::mt19937& random, const std::vector<std::string>& pieces,
                              std::size_t count) {
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += pieces[pick(random)];
    return text;
}

// `levels` copies of `open`, then as many of `close`.
inline std::string nested(std::string_view open, std::string_view close, std::size_t levels) {
    return repeated(open, levels) + repeated(close, levels);
}

inline std::string withByte(std::string text, std::size_t at, char value) {
    text[at] = value;
    return text;
}

// 2025-06-01T00:00:00Z: the certificates of tests/data/x509/bundle (made once by its make.sh) are
// valid then, but for the expired intermediate, which ran out on 2025-01-01. The tables are read
// at this time too, unless a row says otherwise.
inline constexpr double bundleNow = 1748736000;

// Files of tests/data/x509/bundle put together, as a fullchain.pem or a key-plus-certificate file.
inline std::string bundleOf(std::initializer_list<std::string_view> files) {
    std::string text;
    for (std::string_view file : files)
        text += testData("x509/bundle/" + std::string(file));
    return text;
}

// A table cell as written: escapes \n \r \t \0 \\ \e (nothing) \xHH (a byte) \uXXXX \UXXXXXXXX
// (UTF-8). A cell "@path" is the data file at tests/data/path instead, "@path+path" those files
// one after the other, and "@path|base64", "|base64url" or "|hex" the file so encoded.
inline std::string cell(std::string_view written) {
    if (written.starts_with('@')) {
        std::size_t bar = std::min(written.find('|'), written.size());
        std::string bytes;
        for (std::size_t at = 1, plus; at < bar; at = plus + 1) {
            plus = std::min(written.find('+', at), bar);
            bytes += testData(written.substr(at, plus - at));
        }
        std::string_view wrapper = written.substr(std::min(bar + 1, written.size()));
        if (wrapper == "base64") return Bytes::base64Encode(bytes);
        if (wrapper == "base64url") return base64URLOf(bytes);
        if (wrapper == "hex") return hexOf(bytes);
        return bytes;
    }
    std::string out;
    for (std::size_t i = 0; i < written.size(); ++i) {
        char c = written[i];
        if (c != '\\' || i + 1 == written.size()) {
            out += c;
            continue;
        }
        char escape = written[++i];
        std::size_t digits = escape == 'x' ? 2 : escape == 'u' ? 4 : escape == 'U' ? 8 : 0;
        if (digits == 0) {
            std::string_view plain = "nrt0\\", meant("\n\r\t\0\\", 5);
            if (escape != 'e') out += meant.at(plain.find(escape));
            continue;
        }
        auto value = std::uint32_t(std::stoul(std::string(written.substr(i + 1, digits)), nullptr, 16));
        i += digits;
        if (escape == 'x')
            out += char(value);
        else
            Text::appendUTF8(out, char32_t(value));
    }
    return out;
}

// One line of a table: its cells, decoded, and where it stands for failure messages.
struct Row {
    std::string where;
    std::vector<std::string> cells;

    std::size_t size() const { return cells.size(); }
    const std::string& operator[](std::size_t i) const { return cells.at(i); }
};

// The rows of the table at TindrelCore/<relative>: cells split at tabs; empty lines and lines that
// begin with "#" are left out.
inline std::vector<Row> coreTable(std::string_view relative) {
    std::vector<Row> rows;
    std::istringstream lines(coreFile(relative));
    std::size_t number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (line.empty() || line.starts_with('#')) continue;
        Row row{std::string(relative) + ":" + std::to_string(number), {}};
        std::istringstream cells(line);
        for (std::string written; std::getline(cells, written, '\t');)
            row.cells.push_back(cell(written));
        if (line.ends_with('\t')) row.cells.emplace_back();
        rows.push_back(std::move(row));
    }
    EXPECT_FALSE(rows.empty()) << relative;
    return rows;
}

// The rows of tests/data/<relative>.
inline std::vector<Row> table(std::string_view relative) {
    return coreTable("tests/data/" + std::string(relative));
}

inline bool mentions(const DecodeChain& chain, DetectionKind kind) {
    return std::ranges::count(chain.kinds(), kind) > 0;
}

// Hostile markup sent as Base64, inspected alone and scanned on one log line: answered, and never
// read as `kind`.
inline void expectUnreadWhenEncoded(const std::string& text, DetectionKind kind) {
    std::string encoded = Bytes::base64Encode(text);
    EXPECT_FALSE(mentions(Tindrel::inspect(encoded), kind));
    for (const ScanFinding& finding : Tindrel::scan("12:00:01 upload body=" + encoded + " status=413\n"))
        EXPECT_FALSE(mentions(*finding.chain, kind));
}

} // namespace tindrel::fixtures
