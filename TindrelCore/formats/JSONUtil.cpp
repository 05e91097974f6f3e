#include "TindrelCore/formats/JSONUtil.h"

#include "TindrelCore/formats/FlatJSON.h"
#include "TindrelCore/text/Text.h"

#include <cctype>

namespace tindrel::JSONUtil {
namespace {

// A walk over the JSON grammar with an explicit stack, stopping at the first byte that cannot
// continue a JSON text. Most texts offered as JSON are not (bracketed log fields, prose), and the
// reader spends far longer building its error message than this spends finding the bad byte.
class GrammarWalk {
public:
    GrammarWalk(std::string_view s, std::size_t maxDepth)
        : s_(s)
        , maxDepth_(maxDepth) {}

    bool allows() {
        if (s_.starts_with(byteOrderMark)) i_ = byteOrderMark.size();
        for (;;) {
            skipSpace();
            if (!value()) return false;
            if (!opened_ && !afterValue()) return false;
            if (done_) return true;
        }
    }

private:
    static constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    bool at(char c) const { return i_ < s_.size() && s_[i_] == c; }
    bool atDigit() const { return i_ < s_.size() && isDigit(s_[i_]); }
    void skipDigits() {
        while (atDigit())
            ++i_;
    }
    void skipSpace() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }

    // A value, or the opening of an object or array; `opened_` tells which.
    bool value() {
        opened_ = false;
        if (at('{') || at('[')) return open();
        if (at('"')) return string();
        if (at('-') || atDigit()) return number();
        for (std::string_view word : {"true", "false", "null"})
            if (s_.substr(i_).starts_with(word)) {
                i_ += word.size();
                return true;
            }
        return false;
    }

    bool open() {
        if (open_.size() >= maxDepth_) return false;
        open_.push_back(s_[i_++]);
        skipSpace();
        if (at(open_.back() == '{' ? '}' : ']')) { // empty: a whole value
            ++i_;
            open_.pop_back();
            return true;
        }
        opened_ = true;
        return open_.back() == '[' || key();
    }

    bool key() {
        if (!at('"') || !string()) return false;
        skipSpace();
        if (!at(':')) return false;
        ++i_;
        return true;
    }

    // After a value: closes what it ends, until a comma asks for the next value or the text ends.
    bool afterValue() {
        for (;;) {
            skipSpace();
            if (open_.empty()) { // the reader takes a NUL for the end of the text, as in C strings
                done_ = true;
                return i_ == s_.size() || s_[i_] == '\0';
            }
            if (at(open_.back() == '{' ? '}' : ']')) {
                ++i_;
                open_.pop_back();
                continue;
            }
            if (!at(',')) return false;
            ++i_;
            if (open_.back() == '[') return true;
            skipSpace();
            return key();
        }
    }

    // The UTF-8 and the code points of \u escapes are left to the reader.
    bool string() {
        for (++i_; i_ < s_.size(); ++i_) {
            auto c = static_cast<unsigned char>(s_[i_]);
            if (c == '"') {
                ++i_;
                return true;
            }
            if (c < 0x20) return false;
            if (c != '\\') continue;
            if (++i_ == s_.size()) return false;
            if (s_[i_] == 'u') {
                for (int digit = 0; digit < 4; ++digit)
                    if (++i_ == s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_]))) return false;
            } else if (std::string_view("\"\\/bfnrt").find(s_[i_]) == std::string_view::npos) {
                return false;
            }
        }
        return false;
    }

    bool number() {
        if (at('-')) ++i_;
        if (at('0'))
            ++i_;
        else if (atDigit())
            skipDigits();
        else
            return false;
        if (at('.')) {
            ++i_;
            if (!atDigit()) return false;
            skipDigits();
        }
        if (at('e') || at('E')) {
            ++i_;
            if (at('+') || at('-')) ++i_;
            if (!atDigit()) return false;
            skipDigits();
        }
        return true;
    }

    std::string_view s_;
    std::size_t maxDepth_;
    std::size_t i_ = 0;
    std::string open_; // '{' or '[' for each object or array not yet closed
    bool opened_ = false;
    bool done_ = false;
};

} // namespace

bool mayBeJSON(std::string_view s, std::size_t maxDepth) {
    return GrammarWalk(s, maxDepth).allows();
}

std::optional<nlohmann::json> parse(std::string_view s) {
    if (!mayBeJSON(s, static_cast<std::size_t>(maxNestingDepth))) return std::nullopt;
    nlohmann::json value = nlohmann::json::parse(s.begin(), s.end(), nullptr, false);
    if (value.is_discarded()) return std::nullopt;
    return value;
}

std::optional<std::string> write(const nlohmann::json& value, bool pretty) {
    try {
        return value.dump(pretty ? 2 : -1, ' ', false, nlohmann::json::error_handler_t::strict);
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
}

std::optional<Pretty> prettyPrinted(std::string_view s) {
    std::string_view t = Text::trim(s);
    if (t.empty() || (t.front() != '{' && t.front() != '[')) return std::nullopt;
    std::optional<FlatJSON> document = FlatJSON::read(t);
    std::optional<std::string> text = document ? document->pretty() : std::nullopt;
    if (!text) return std::nullopt;
    return Pretty{std::move(*text), t.front() == '[' ? "array" : "object"};
}

} // namespace tindrel::JSONUtil
