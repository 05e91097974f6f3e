#include "TindrelCore/formats/XMLTree.h"

#include "TindrelCore/formats/MarkupDepth.h"
#include "TindrelCore/formats/RenderBudget.h"
#include "TindrelCore/formats/XMLLibrary.h"

#include <climits>
#include <memory>

namespace tindrel::XMLTree {
namespace {

void ignoreGenericError(void*, const char*, ...) {}

// The handler's parameter type differs between libxml2 releases; a generic lambda fits either.
const xmlStructuredErrorFunc ignoreStructuredError = [](void*, auto) {};

// libxml2 reports through per-thread handlers that print by default; the core never prints.
class QuietErrors {
public:
    explicit QuietErrors(const XMLLibrary& xml)
        : xml_(xml)
        , generic_(*xml.genericError())
        , genericContext_(*xml.genericErrorContext())
        , structured_(*xml.structuredError())
        , structuredContext_(*xml.structuredErrorContext()) {
        xml.setGenericErrorFunc(nullptr, ignoreGenericError);
        xml.setStructuredErrorFunc(nullptr, ignoreStructuredError);
    }
    ~QuietErrors() {
        xml_.setGenericErrorFunc(genericContext_, generic_);
        xml_.setStructuredErrorFunc(structuredContext_, structured_);
    }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    const XMLLibrary& xml_;
    xmlGenericErrorFunc generic_;
    void* genericContext_;
    xmlStructuredErrorFunc structured_;
    void* structuredContext_;
};

struct FreeDoc {
    const XMLLibrary* xml;
    void operator()(xmlDoc* doc) const { xml->freeDoc(doc); }
};
struct FreeContext {
    const XMLLibrary* xml;
    void operator()(xmlParserCtxt* context) const { xml->freeParserCtxt(context); }
};
using DocPtr = std::unique_ptr<xmlDoc, FreeDoc>;

// No NOENT (entities stay references, so neither "billion laughs" nor a file read through an
// external entity can happen), no DTDLOAD, no HUGE (libxml2 keeps its depth and size limits).
// Blanks are dropped because libxml2 re-indents only elements without whitespace text. NODICT keeps
// short texts and attribute values out of the parser's dictionary, which slows down as it fills.
// The text is already Unicode; a declared encoding must not reinterpret it.
constexpr int parseOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                             XML_PARSE_NODICT | XML_PARSE_IGNORE_ENC;

// libxml2 is slow, for each of these, with the square of the count; documents that are not built to
// be slow stay far below them.
// It stops a level or two past this itself (without HUGE).
constexpr std::size_t maxDepth = 256;
// Each attribute of an element is checked against the ones before it.
constexpr std::size_t maxAttributesPerElement = 256;
// A prefix is looked up through every namespace declaration in scope, and each declaration is
// checked against the element's others.
constexpr std::size_t maxNamespacesInScope = 256;
// Names are interned in the parser's dictionary, whose table stops growing: past this many
// distinct names its lookups grow longer with every new one.
constexpr std::size_t maxDistinctNames = 16384;
// Each attribute declared in the internal subset is checked against its element's others.
constexpr std::size_t maxDeclaredAttributes = 256;
// Declared defaults are checked against the attributes of every start tag of their element.
constexpr std::size_t maxDefaultedAttributes = 16;
// A parameter entity brings declarations that only its expansion shows.
constexpr std::size_t maxParameterEntityReferences = 0;

Markup::Limits documentLimits() {
    Markup::Limits limits;
    limits.depth = maxDepth;
    limits.attributesPerElement = maxAttributesPerElement;
    limits.namespacesInScope = maxNamespacesInScope;
    limits.distinctNames = maxDistinctNames;
    limits.declaredAttributes = maxDeclaredAttributes;
    limits.defaultedAttributes = maxDefaultedAttributes;
    limits.parameterEntityReferences = maxParameterEntityReferences;
    return limits;
}

// The ID and reference tables are skipped (SKIP_IDS): nothing here looks IDs up, and filling them
// slows down with the square of the number of IDs.
DocPtr parse(const XMLLibrary& xml, std::string_view text) {
    if (text.size() > std::size_t(INT_MAX)) return DocPtr(nullptr, {&xml});
    std::unique_ptr<xmlParserCtxt, FreeContext> context(
        xml.createMemoryParserCtxt(text.data(), int(text.size())), {&xml});
    if (!context) return DocPtr(nullptr, {&xml});
    context->sax->serror = ignoreStructuredError;
    xml.ctxtUseOptions(context.get(), parseOptions);
    context->loadsubset |= XML_SKIP_IDS;
    xml.switchEncoding(context.get(), XML_CHAR_ENCODING_UTF8);
    xml.parseDocument(context.get());
    DocPtr doc(context->myDoc, {&xml});
    context->myDoc = nullptr;
    if (!context->wellFormed) doc.reset();
    return doc;
}

struct Sink {
    std::string text;
    std::size_t limit;
    bool overflowed = false;
};

int writeToSink(void* context, const char* buffer, int length) {
    Sink& sink = *static_cast<Sink*>(context);
    if (sink.text.size() + std::size_t(length) > sink.limit) {
        sink.overflowed = true;
        return -1;
    }
    sink.text.append(buffer, std::size_t(length));
    return length;
}

int closeSink(void*) {
    return 0;
}

std::optional<std::string> prettyPrint(const XMLLibrary& xml, xmlDoc* doc, bool keepDeclaration,
                                       std::size_t limit) {
    Sink sink{{}, limit};
    int options = XML_SAVE_FORMAT | (keepDeclaration ? 0 : XML_SAVE_NO_DECL);
    xmlSaveCtxtPtr save = xml.saveToIO(writeToSink, closeSink, &sink, "UTF-8", options);
    if (!save) return std::nullopt;
    long written = xml.saveDoc(save, doc);
    int closed = xml.saveClose(save);
    if (written < 0 || closed < 0 || sink.overflowed || sink.text.empty()) return std::nullopt;
    return std::move(sink.text);
}

std::string qualifiedName(const xmlNode* node) {
    std::string name = reinterpret_cast<const char*>(node->name);
    if (node->ns && node->ns->prefix) return reinterpret_cast<const char*>(node->ns->prefix) + (":" + name);
    return name;
}

std::size_t elementChildren(const xmlNode* node) {
    std::size_t count = 0;
    for (const xmlNode* child = node->children; child; child = child->next)
        count += child->type == XML_ELEMENT_NODE;
    return count;
}

} // namespace

std::optional<Document> read(std::string_view text) {
    if (!Markup::staysWithin(text, documentLimits())) return std::nullopt;
    const XMLLibrary* xml = XMLLibrary::installed();
    if (!xml) return std::nullopt;
    QuietErrors quiet(*xml);
    DocPtr doc = parse(*xml, text);
    if (!doc) return std::nullopt;
    const xmlNode* root = xml->docGetRootElement(doc.get());
    if (!root || !root->name || !*root->name) return std::nullopt;
    std::optional<std::string> pretty =
        prettyPrint(*xml, doc.get(), text.starts_with("<?xml"), renderingBudget(text.size()));
    if (!pretty) return std::nullopt;
    // libxml2 writes some declarations of an internal subset in a form it does not read back (an
    // enumerated attribute's default that begins with "#" is dropped); such a document is shown
    // as it was written.
    if (doc->intSubset && !parse(*xml, *pretty)) pretty = std::string(text);
    return Document{std::move(*pretty), qualifiedName(root), elementChildren(root)};
}

} // namespace tindrel::XMLTree
