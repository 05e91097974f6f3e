#include "TindrelCLI/TerminalSafe.h"

#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <fmt/format.h>
#include <unistd.h>

namespace tindrel::cli {
namespace {

bool rawOutput = false;

bool isShownAsItIs(char32_t scalar) {
    if (scalar == '\t' || scalar == '\n') return true;
    if (scalar < 0x20 || (scalar >= 0x7F && scalar <= 0x9F)) return false;
    return !(scalar >= 0x202A && scalar <= 0x202E) && !(scalar >= 0x2066 && scalar <= 0x2069);
}

bool escapesStandardOutput() {
    static const bool terminal = isatty(STDOUT_FILENO) == 1;
    return terminal && !rawOutput;
}

} // namespace

void escapeControls(std::string_view text, const TextSink& write) {
    std::size_t pending = 0; // start of the bytes shown as they are, not yet written
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto byte = static_cast<unsigned char>(text[pos]);
        if (byte >= 0x20 && byte < 0x7F) {
            ++pos;
            continue;
        }
        Text::Scalar scalar = Text::decodeScalar(text, pos);
        if (scalar.value != Text::Scalar::invalid && isShownAsItIs(scalar.value)) {
            pos += scalar.length;
            continue;
        }
        write(text.substr(pending, pos - pending));
        if (scalar.value == Text::Scalar::invalid || scalar.value <= 0x7F) {
            for (std::size_t end = pos + scalar.length; pos < end; ++pos)
                write(fmt::format("\\x{:02x}", static_cast<unsigned char>(text[pos])));
        } else {
            write(fmt::format("\\u{:04x}", static_cast<std::uint32_t>(scalar.value)));
            pos += scalar.length;
        }
        pending = pos;
    }
    write(text.substr(pending));
}

std::string escapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    escapeControls(text, [&out](std::string_view piece) { out += piece; });
    return out;
}

void setRawOutput(bool raw) {
    rawOutput = raw;
}

std::string shown(std::string_view text) {
    return escapesStandardOutput() ? escapeControls(text) : std::string(text);
}

void writeShown(std::string_view text, const TextSink& write) {
    if (escapesStandardOutput())
        escapeControls(text, write);
    else
        write(text);
}

} // namespace tindrel::cli
