#include "TindrelCore/formats/MarkupDepth.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_set>
#include <vector>

namespace tindrel::Markup {
namespace {

constexpr std::size_t npos = std::string_view::npos;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Generous on purpose: whatever is not a delimiter belongs to a name.
constexpr std::array<bool, 256> nameChars = [] {
    std::array<bool, 256> table{};
    table.fill(true);
    for (char c : std::string_view(" \t\n\r<>/=?!\"'&;%[]()|,#"))
        table[std::uint8_t(c)] = false;
    return table;
}();

bool isNameChar(char c) {
    return nameChars[std::uint8_t(c)];
}

std::string_view nameAt(std::string_view text, std::size_t& pos) {
    std::size_t start = pos;
    while (pos < text.size() && isNameChar(text[pos]))
        ++pos;
    return text.substr(start, pos - start);
}

// Where the double-quote reader finds `needle` from `from`: double-quoted stretches are passed
// over whole. The end of the text when it does not.
std::size_t findOutsideDoubleQuotes(std::string_view text, std::size_t from, std::string_view needle,
                                    bool anyOf) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"') {
            i = text.find('"', i + 1);
            if (i == npos) return text.size();
        } else if (anyOf ? needle.find(text[i]) != npos : text.substr(i).starts_with(needle)) {
            return i;
        }
    }
    return text.size();
}

// Where the double-quote reader ends the tag that begins at `start`: its name runs to white space
// or an angle bracket, the rest to the next angle bracket outside double quotes.
std::size_t doubleQuoteTagEnd(std::string_view text, std::size_t start) {
    std::size_t i = start + 1;
    while (i < text.size() && !isSpace(text[i]) && text[i] != '<' && text[i] != '>')
        ++i;
    if (i < text.size() && text[i] == '>') return i;
    return findOutsideDoubleQuotes(text, i, "<>", true);
}

void appendUTF8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

int digitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The character of the reference at `at` ("&#60;", "&#x3C;", any number of leading zeros) added
// to `out`; the position past the reference, or npos when there is none there.
std::size_t appendReferencedCharacter(std::string& out, std::string_view text, std::size_t at) {
    if (!text.substr(at).starts_with("&#")) return npos;
    std::size_t i = at + 2;
    bool hex = i < text.size() && text[i] == 'x';
    i += hex ? 1 : 0;
    std::size_t digits = i;
    std::uint32_t code = 0;
    for (int digit = 0; i < text.size() && (digit = digitValue(text[i], hex)) >= 0; ++i)
        code = std::min<std::uint32_t>(code * (hex ? 16 : 10) + std::uint32_t(digit), 0x110000);
    if (i == digits || i >= text.size() || text[i] != ';' || code > 0x10FFFF) return npos;
    appendUTF8(out, code);
    return i + 1;
}

// Counts shared by a document and the entity values declared in it.
struct Tally {
    explicit Tally(const Limits& l)
        : limits(l) {}

    bool addName(std::string_view name) {
        if (limits.distinctNames == unbounded || name.empty()) return true;
        names.insert(name);
        return names.size() <= limits.distinctNames;
    }

    // A prefixed name is interned as its prefix and its local part.
    bool addQualifiedName(std::string_view name) {
        std::size_t colon = name.find(':');
        if (colon == npos) return addName(name);
        return addName(name.substr(0, colon)) && addName(name.substr(colon + 1));
    }

    bool addParameterReference() { return ++parameterReferences <= limits.parameterEntityReferences; }

    const Limits& limits;
    std::unordered_set<std::string_view> names;
    std::deque<std::string> entityTexts; // kept while names point into them
    std::size_t declaredAttributes = 0;
    std::size_t defaultedAttributes = 0;
    std::size_t parameterReferences = 0;
    std::size_t unescapeWork = 0;
};

enum class Token : std::uint8_t { end, name, literal, keyword, reference, other };

struct Piece {
    Token kind;
    std::string_view text;
};

struct Element {
    std::string_view name;
    std::size_t namespaces;
    std::size_t keys = 0;
};

struct StartTag {
    std::size_t attributes = 0;
    std::size_t namespaces = 0;
    std::size_t end = 0; // the '>' that closes it, or the '<' that cuts it short
};

class Tokenizer {
public:
    // `entityText`: the replacement text of an entity, which holds content but no DOCTYPE.
    Tokenizer(std::string_view text, Tally& tally, bool entityText)
        : text_(text)
        , tally_(tally)
        , limits_(tally.limits)
        , entityText_(entityText) {}

    bool run() {
        for (;;) {
            if (!characterData()) return false;
            if (pos_ >= text_.size()) return endRun();
            if (!markup()) return false;
        }
    }

private:
    bool characterData() {
        std::string_view data = text_.substr(0, std::min(text_.find('<', pos_), text_.size()));
        for (pos_ = data.find('&', pos_); pos_ != npos; pos_ = data.find('&', pos_)) {
            ++runReferences_;
            if (!referenceName(data, ++pos_)) return false;
        }
        pos_ = data.size();
        return true;
    }

    // After an '&': a character reference names nothing, an entity reference its entity.
    bool referenceName(std::string_view text, std::size_t& pos) {
        if (pos < text.size() && text[pos] == '#') return true;
        return tally_.addName(nameAt(text, pos));
    }

    // A reader unescapes a run of text in place, moving the rest of the run once per reference.
    bool endRun() {
        std::size_t length = pos_ - runStart_;
        std::size_t left = limits_.unescapeWork - tally_.unescapeWork;
        if (runReferences_ != 0 && length > left / runReferences_) return false;
        tally_.unescapeWork += runReferences_ * length;
        runReferences_ = 0;
        return true;
    }

    bool markup() {
        std::string_view rest = text_.substr(pos_);
        if (rest.starts_with("<!--")) return skipPast(4, "-->");
        if (rest.starts_with("<![CDATA[")) return skipPast(9, "]]>");
        if (rest.starts_with("<?")) return processingInstruction();
        if (rest.starts_with("<!DOCTYPE") && !entityText_) return doctype();
        if (rest.starts_with("<!")) return declaration(2);
        if (!endRun()) return false;
        bool counted = rest.starts_with("</") ? endTag() : startTag();
        runStart_ = pos_;
        return counted;
    }

    bool skipPast(std::size_t opener, std::string_view terminator) {
        std::size_t end = text_.find(terminator, pos_ + opener);
        pos_ = end == npos ? text_.size() : end + terminator.size();
        return true;
    }

    void skipSpace() {
        while (pos_ < text_.size() && isSpace(text_[pos_]))
            ++pos_;
    }

    std::string_view name() { return nameAt(text_, pos_); }

    // Whether the double-quote reader, when there is one, ends a construct where this tokenizer does.
    template <typename TheirEnd> bool readersAgree(std::size_t end, TheirEnd theirEnd) const {
        return !limits_.doubleQuotesOnly || theirEnd() == std::min(end, text_.size());
    }

    bool processingInstruction() {
        std::size_t start = pos_;
        pos_ += 2;
        if (!tally_.addName(name())) return false;
        std::size_t end = text_.find("?>", pos_);
        if (!readersAgree(end, [&] { return findOutsideDoubleQuotes(text_, start + 2, "?>", false); }))
            return false;
        pos_ = end == npos ? text_.size() : end + 2;
        return true;
    }

    bool startTag() {
        std::size_t start = pos_++;
        std::string_view element = name();
        StartTag tag;
        if (!tally_.addQualifiedName(element) || !attributes(tag)) return false;
        if (!readersAgree(tag.end, [&] { return doubleQuoteTagEnd(text_, start); })) return false;
        if (!countKey(element)) return false;
        bool empty = tag.end < text_.size() && text_[tag.end] == '>' && text_[tag.end - 1] == '/';
        if (empty) return true;
        if (open_.size() >= limits_.depth) return false;
        open_.push_back({element, tag.namespaces});
        inScope_ += tag.namespaces;
        return true;
    }

    // Up to the end of the start tag: past its '>', or at a '<' that cuts it short.
    bool attributes(StartTag& tag) {
        for (;;) {
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] == '<') {
                tag.end = pos_;
                return true;
            }
            if (text_[pos_] == '>') {
                tag.end = pos_++;
                return true;
            }
            std::string_view attribute = name();
            if (attribute.empty()) {
                ++pos_;
                continue;
            }
            if (!countAttribute(tag, attribute, attributeValue())) return false;
        }
    }

    std::string_view attributeValue() {
        skipSpace();
        if (pos_ >= text_.size() || text_[pos_] != '=') return {};
        ++pos_;
        skipSpace();
        if (pos_ < text_.size() && (text_[pos_] == '"' || text_[pos_] == '\'')) return quoted();
        std::size_t start = pos_;
        while (pos_ < text_.size() && !isSpace(text_[pos_]) && text_[pos_] != '<' && text_[pos_] != '>')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    std::string_view quoted() {
        char quote = text_[pos_++];
        std::size_t start = pos_;
        pos_ = std::min(text_.find(quote, pos_), text_.size());
        std::string_view literal = text_.substr(start, pos_ - start);
        pos_ += pos_ < text_.size();
        return literal;
    }

    bool countAttribute(StartTag& tag, std::string_view attribute, std::string_view value) {
        if (attribute == "xmlns" || attribute.starts_with("xmlns:")) {
            if (inScope_ + ++tag.namespaces > limits_.namespacesInScope) return false;
            return tally_.addQualifiedName(attribute) && tally_.addName(value);
        }
        if (++tag.attributes > limits_.attributesPerElement) return false;
        if (!tally_.addQualifiedName(attribute)) return false;
        for (std::size_t at = value.find('&'); at != npos; at = value.find('&', at))
            if (!referenceName(value, ++at)) return false;
        return true;
    }

    bool countKey(std::string_view element) {
        if (element != "key" || open_.empty() || open_.back().name != "dict") return true;
        return ++open_.back().keys <= limits_.keysPerDict;
    }

    // Closes the innermost element when the names match; a reader refuses any other end tag.
    bool endTag() {
        std::size_t start = pos_;
        pos_ += 2;
        std::string_view element = name();
        std::size_t end = std::min(text_.find_first_of("<>", pos_), text_.size());
        if (!readersAgree(end, [&] { return doubleQuoteTagEnd(text_, start); })) return false;
        pos_ = end + (end < text_.size() && text_[end] == '>');
        if (!open_.empty() && open_.back().name == element) {
            inScope_ -= open_.back().namespaces;
            open_.pop_back();
        }
        return true;
    }

    bool doctype() {
        std::size_t start = pos_;
        pos_ += 9;
        if (!externalIdentifier()) return false;
        auto theirEnd = [&] { return findOutsideDoubleQuotes(text_, start + 9, "[>", true); };
        if (!readersAgree(pos_, theirEnd)) return false;
        if (pos_ >= text_.size() || text_[pos_] == '>') {
            pos_ += pos_ < text_.size();
            return true;
        }
        std::size_t bracket = pos_++;
        std::size_t close = internalSubset();
        if (close == npos) return false;
        skipSpace();
        // The double-quote reader ends the subset at the first "]>" outside double quotes.
        bool same =
            !limits_.doubleQuotesOnly || (findOutsideDoubleQuotes(text_, bracket, "]>", false) == close &&
                                          (close == text_.size() || pos_ == close + 1));
        pos_ += pos_ < text_.size();
        return same;
    }

    // The DOCTYPE's name and external identifier, up to its '[' or '>'.
    bool externalIdentifier() {
        for (;;) {
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] == '[' || text_[pos_] == '>') return true;
            if (text_[pos_] == '"' || text_[pos_] == '\'') {
                quoted();
            } else if (std::string_view word = name(); word.empty()) {
                ++pos_;
            } else if (!tally_.addName(word)) {
                return false;
            }
        }
    }

    // Up to and past the ']' that ends the subset; the position of that ']' (the end of the text
    // when there is none), or npos when a count goes past its limit.
    std::size_t internalSubset() {
        for (;;) {
            skipSpace();
            if (pos_ >= text_.size()) return text_.size();
            if (text_[pos_] == ']') return pos_++;
            if (!subsetPiece()) return npos;
        }
    }

    bool subsetPiece() {
        std::string_view rest = text_.substr(pos_);
        if (rest.starts_with("<!--")) return skipPast(4, "-->");
        if (rest.starts_with("<?")) return processingInstruction();
        if (rest.starts_with("<!ENTITY")) return entityDeclaration();
        if (rest.starts_with("<!ATTLIST")) return attributeListDeclaration();
        if (rest.starts_with("<!")) return declaration(2);
        ++pos_;
        if (!rest.starts_with("%")) return true;
        name();
        return tally_.addParameterReference();
    }

    Piece declarationToken() {
        skipSpace();
        if (pos_ >= text_.size()) return {Token::end, {}};
        char c = text_[pos_];
        if (c == '>') {
            ++pos_;
            return {Token::end, {}};
        }
        if (c == '"' || c == '\'') return {Token::literal, quoted()};
        if (c == '#' || c == '%') {
            ++pos_;
            std::string_view word = name();
            if (c == '%') return {word.empty() ? Token::other : Token::reference, word};
            return {Token::keyword, word};
        }
        std::string_view word = name();
        if (word.empty()) ++pos_;
        return {word.empty() ? Token::other : Token::name, word};
    }

    bool countPiece(const Piece& piece) {
        if (piece.kind == Token::name) return tally_.addName(piece.text);
        if (piece.kind == Token::reference) return tally_.addParameterReference();
        return true;
    }

    // A markup declaration whose keyword is `opener` characters long, up to its closing '>'.
    bool declaration(std::size_t opener) {
        pos_ += opener;
        for (Piece piece = declarationToken(); piece.kind != Token::end; piece = declarationToken())
            if (!countPiece(piece)) return false;
        return true;
    }

    // Every attribute definition ends with #REQUIRED, #IMPLIED or a default value in quotes.
    bool attributeListDeclaration() {
        pos_ += 9;
        for (Piece piece = declarationToken(); piece.kind != Token::end; piece = declarationToken()) {
            if (!countPiece(piece)) return false;
            bool defaulted = piece.kind == Token::literal;
            bool bare = piece.kind == Token::keyword && (piece.text == "REQUIRED" || piece.text == "IMPLIED");
            if ((defaulted || bare) && ++tally_.declaredAttributes > limits_.declaredAttributes) return false;
            if (defaulted && ++tally_.defaultedAttributes > limits_.defaultedAttributes) return false;
        }
        return true;
    }

    // The literal right after a general entity's name is its value; literals after SYSTEM or
    // PUBLIC are identifiers, and a parameter entity's value is only read through references.
    bool entityDeclaration() {
        pos_ += 8;
        Piece piece = declarationToken();
        bool parameter = piece.kind == Token::other;
        if (parameter) piece = declarationToken();
        for (std::size_t index = 0; piece.kind != Token::end; piece = declarationToken(), ++index) {
            if (!countPiece(piece)) return false;
            if (piece.kind == Token::literal && index == 1 && !parameter && !entityValue(piece.text))
                return false;
        }
        return true;
    }

    // A reader resolves the character references of an entity value when it is declared, and
    // parses the markup of the result where the entity is referenced.
    bool entityValue(std::string_view literal) {
        std::string replacement;
        for (std::size_t i = 0; i < literal.size();) {
            if (literal[i] == '%' && !tally_.addParameterReference()) return false;
            std::size_t past = appendReferencedCharacter(replacement, literal, i);
            if (past != npos) {
                i = past;
            } else {
                replacement += literal[i++];
            }
        }
        if (replacement.find('<') == npos) return true;
        tally_.entityTexts.push_back(std::move(replacement));
        return Tokenizer(tally_.entityTexts.back(), tally_, true).run();
    }

    std::string_view text_;
    Tally& tally_;
    const Limits& limits_;
    bool entityText_;
    std::size_t pos_ = 0;
    std::vector<Element> open_;
    std::size_t inScope_ = 0;
    std::size_t runStart_ = 0;
    std::size_t runReferences_ = 0;
};

} // namespace

bool staysWithin(std::string_view markup, const Limits& limits) {
    Tally tally(limits);
    return Tokenizer(markup, tally, false).run();
}

} // namespace tindrel::Markup
