#pragma once

#include "TindrelCore/text/TextBuffer.h"

#include <concepts>
#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

// A key known when the program is built, checked then to be plain (printable ASCII without a quote
// or a backslash), so that it is written with one copy where other keys are looked at byte by
// byte: documents hold such keys by the million.
class PlainKey {
public:
    consteval explicit PlainKey(std::string_view name)
        : name_(name) {
        for (char c : name)
            if (c < 0x20 || c > 0x7E || c == '"' || c == '\\')
                throw "a plain key is printable ASCII without quotes";
    }
    constexpr std::string_view name() const { return name_; }

private:
    std::string_view name_;
};

namespace json_literals {
consteval PlainKey operator""_key(const char* name, std::size_t size) {
    return PlainKey(std::string_view(name, size));
}
} // namespace json_literals

// Writes JSON text byte for byte as nlohmann's strict dump writes it (two spaces an indent when
// pretty, "/" left plain, nothing escaped beyond what JSON needs), without building a tree first:
// large documents go out at the speed of the copy. Keys are written in the order given, so the
// caller gives them sorted, as a tree would hold them. A string that is not UTF-8 or a number
// that is not finite spoils the text: `take` then answers nothing, as the strict dump would throw.
class JSONStream {
public:
    // `indentLevel` indents every line after the first, for text embedded that deep in a document.
    explicit JSONStream(bool pretty, std::size_t indentLevel = 0);

    JSONStream& beginObject();
    JSONStream& endObject();
    JSONStream& beginArray();
    JSONStream& endArray();
    JSONStream& key(std::string_view name);
    JSONStream& key(const PlainKey& name);

    JSONStream& string(std::string_view value);
    // Where a string written before stands in the text, to write it again as `repeated` does.
    struct Written {
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    Written lastString() const { return lastString_; }
    // The same string again, copied rather than escaped a second time.
    JSONStream& repeated(Written string);
    JSONStream& boolean(bool value);
    JSONStream& null();
    JSONStream& number(double value);
    template <std::integral Integer>
    requires(!std::same_as<Integer, bool>) JSONStream& number(Integer value) {
        beforeValue();
        out_ += std::to_string(value);
        return *this;
    }
    // A value already written as JSON text at this depth, as another stream of the same form and an
    // indent level one deeper than this one's writes it.
    JSONStream& written(std::string_view text);
    // Any value, objects with their keys in the tree's order.
    JSONStream& value(const nlohmann::json& value);

    std::optional<std::string> take() &&;

private:
    void beforeValue();
    void beforeElement();
    void newLine();
    JSONStream& close(char bracket);
    bool plainShort(std::string_view text);
    void escaped(std::string_view text);
    std::size_t escapedAt(std::string_view text, std::size_t i, std::size_t& plain);

    TextBuffer out_;
    // A byte for each open object or array: whether it has an element yet. The string holds the
    // depth of most documents without allocating.
    static constexpr char empty = 0;
    static constexpr char hasElements = 1;
    std::string open_;
    std::size_t baseLevel_;
    bool pretty_;
    Written lastString_;
    bool afterKey_ = false;
    bool spoiled_ = false;
};

} // namespace tindrel
