#include "TindrelCore/formats/XMLLibrary.h"

#include "TindrelCore/text/SharedLibrary.h"

#include <optional>

namespace tindrel {
namespace {

std::optional<XMLLibrary> load() {
    SharedLibrary library("libxml2.so.2");
    XMLLibrary xml{};
    bool resolved = library.resolve("xmlInitParser", xml.initParser) &&
                    library.resolve("xmlCreateMemoryParserCtxt", xml.createMemoryParserCtxt) &&
                    library.resolve("xmlCtxtUseOptions", xml.ctxtUseOptions) &&
                    library.resolve("xmlSwitchEncoding", xml.switchEncoding) &&
                    library.resolve("xmlParseDocument", xml.parseDocument) &&
                    library.resolve("xmlFreeParserCtxt", xml.freeParserCtxt) &&
                    library.resolve("xmlFreeDoc", xml.freeDoc) &&
                    library.resolve("xmlDocGetRootElement", xml.docGetRootElement) &&
                    library.resolve("xmlSaveToIO", xml.saveToIO) &&
                    library.resolve("xmlSaveDoc", xml.saveDoc) &&
                    library.resolve("xmlSaveClose", xml.saveClose) &&
                    library.resolve("xmlSetGenericErrorFunc", xml.setGenericErrorFunc) &&
                    library.resolve("xmlSetStructuredErrorFunc", xml.setStructuredErrorFunc) &&
                    library.resolve("__xmlGenericError", xml.genericError) &&
                    library.resolve("__xmlGenericErrorContext", xml.genericErrorContext) &&
                    library.resolve("__xmlStructuredError", xml.structuredError) &&
                    library.resolve("__xmlStructuredErrorContext", xml.structuredErrorContext);
    if (!resolved) return std::nullopt;
    library.keep();
    xml.initParser();
    return xml;
}

} // namespace

const XMLLibrary* XMLLibrary::installed() {
    static const std::optional<XMLLibrary> xml = load();
    return xml ? &*xml : nullptr;
}

} // namespace tindrel
