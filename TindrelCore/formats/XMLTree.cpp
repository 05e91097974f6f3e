#include "TindrelCore/formats/XMLTree.h"

#include "TindrelCore/formats/RenderBudget.h"

#include <climits>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>
#include <memory>

namespace tindrel::XMLTree {
namespace {

void ignoreGenericError(void*, const char*, ...) {}

// The handler's parameter type differs between libxml2 releases; a generic lambda fits either.
const xmlStructuredErrorFunc ignoreStructuredError = [](void*, auto) {};

// libxml2 reports through per-thread handlers that print by default; the core never prints.
class QuietErrors {
public:
    QuietErrors()
        : generic_(xmlGenericError)
        , genericContext_(xmlGenericErrorContext)
        , structured_(xmlStructuredError)
        , structuredContext_(xmlStructuredErrorContext) {
        xmlSetGenericErrorFunc(nullptr, ignoreGenericError);
        xmlSetStructuredErrorFunc(nullptr, ignoreStructuredError);
    }
    ~QuietErrors() {
        xmlSetGenericErrorFunc(genericContext_, generic_);
        xmlSetStructuredErrorFunc(structuredContext_, structured_);
    }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    xmlGenericErrorFunc generic_;
    void* genericContext_;
    xmlStructuredErrorFunc structured_;
    void* structuredContext_;
};

void initialiseOnce() {
    static const bool ready = [] {
        xmlInitParser();
        return true;
    }();
    (void)ready;
}

struct FreeDoc {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct FreeContext {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
using DocPtr = std::unique_ptr<xmlDoc, FreeDoc>;

// No NOENT (entities stay references, so neither "billion laughs" nor a file read through an
// external entity can happen), no DTDLOAD, no HUGE (libxml2 keeps its depth and size limits).
// Blanks are dropped because libxml2 re-indents only elements without whitespace text.
constexpr int parseOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

DocPtr parse(std::string_view text) {
    if (text.size() > std::size_t(INT_MAX)) return nullptr;
    std::unique_ptr<xmlParserCtxt, FreeContext> context(xmlNewParserCtxt());
    if (!context) return nullptr;
    context->sax->serror = ignoreStructuredError;
    // The text is already Unicode; a declared encoding must not reinterpret it.
    return DocPtr(
        xmlCtxtReadMemory(context.get(), text.data(), int(text.size()), nullptr, "UTF-8", parseOptions));
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

std::optional<std::string> prettyPrint(xmlDoc* doc, bool keepDeclaration, std::size_t limit) {
    Sink sink{{}, limit};
    int options = XML_SAVE_FORMAT | (keepDeclaration ? 0 : XML_SAVE_NO_DECL);
    xmlSaveCtxtPtr save = xmlSaveToIO(writeToSink, closeSink, &sink, "UTF-8", options);
    if (!save) return std::nullopt;
    long written = xmlSaveDoc(save, doc);
    int closed = xmlSaveClose(save);
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
    initialiseOnce();
    QuietErrors quiet;
    DocPtr doc = parse(text);
    if (!doc) return std::nullopt;
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (!root || !root->name || !*root->name) return std::nullopt;
    std::optional<std::string> pretty =
        prettyPrint(doc.get(), text.starts_with("<?xml"), renderingBudget(text.size()));
    if (!pretty) return std::nullopt;
    return Document{std::move(*pretty), qualifiedName(root), elementChildren(root)};
}

} // namespace tindrel::XMLTree
