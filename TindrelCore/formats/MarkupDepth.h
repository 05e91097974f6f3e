#pragma once

#include <cstddef>
#include <limits>
#include <string_view>

// The shape of a markup text, read by a tolerant tokenizer before an XML or property-list reader
// sees the text. The readers recurse once per level, or do work that grows with the square of
// some count (the attributes of one element, the keys of one dictionary, the names a parser
// interns); each reader states how much of every shape it may be given.
namespace tindrel::Markup {

inline constexpr std::size_t unbounded = std::numeric_limits<std::size_t>::max();

struct Limits {
    std::size_t depth = unbounded;                // elements open at once
    std::size_t attributesPerElement = unbounded; // namespace declarations not counted
    std::size_t namespacesInScope = unbounded;    // namespace declarations of all open elements
    std::size_t distinctNames =
        unbounded;                       // element, attribute, entity and target names, prefixes, namespaces
    std::size_t keysPerDict = unbounded; // <key> elements directly inside one <dict>
    std::size_t declaredAttributes = unbounded;        // attribute definitions in the internal DTD subset
    std::size_t defaultedAttributes = unbounded;       // those of them that give a default value
    std::size_t parameterEntityReferences = unbounded; // in the internal DTD subset
    std::size_t unescapeWork = unbounded; // entity references in a text run times its length, summed
    // A reader that quotes with double quotes only (in tags, processing instructions and the
    // DOCTYPE) and ends an internal subset at the first "]>": text it would cut into markup
    // differently from XML is refused, so the counts above hold for that reader too.
    bool doubleQuotesOnly = false;
};

// Whether `markup` stays within `limits`. One linear pass over tags with their quoted attribute
// values, comments, CDATA sections, processing instructions, the DOCTYPE with its internal subset,
// and the markup that general entity values declared there hold (a reader parses it as content).
// Text that does not tokenize as markup is tolerated: the reader refuses it.
bool staysWithin(std::string_view markup, const Limits& limits);

} // namespace tindrel::Markup
