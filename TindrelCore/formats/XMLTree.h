#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Well-formed XML documents read with libxml2: never over the network, never substituting
// entities, never loading an external DTD.
namespace tindrel::XMLTree {

struct Document {
    std::string pretty;        // re-indented, empty elements self-closing
    std::string root;          // qualified name as written, prefix included
    std::size_t childElements; // element children of the root
};

// Nothing for text that is not one whole well-formed document with a root element, whose pretty
// form would exceed the rendering budget, or whose shape libxml2 handles slowly (too many
// attributes on an element, namespaces in scope, distinct names or attribute declarations).
std::optional<Document> read(std::string_view text);

} // namespace tindrel::XMLTree
