#include "TindrelCore/formats/XMLLibrary.h"

#include "TindrelCore/text/SharedLibrary.h"

#include <optional>

namespace tindrel {
namespace {

bool resolveAll(const SharedLibrary& library, XMLLibrary& xml) {
    return library.resolve("xmlInitParser", xml.initParser) &&
           library.resolve("xmlCreateMemoryParserCtxt", xml.createMemoryParserCtxt) &&
           library.resolve("xmlCtxtUseOptions", xml.ctxtUseOptions) &&
           library.resolve("xmlSwitchEncoding", xml.switchEncoding) &&
           library.resolve("xmlParseDocument", xml.parseDocument) &&
           library.resolve("xmlFreeParserCtxt", xml.freeParserCtxt) &&
           library.resolve("xmlFreeDoc", xml.freeDoc) &&
           library.resolve("xmlDocGetRootElement", xml.docGetRootElement) &&
           library.resolve("xmlSaveToIO", xml.saveToIO) && library.resolve("xmlSaveDoc", xml.saveDoc) &&
           library.resolve("xmlSaveClose", xml.saveClose) &&
           library.resolve("xmlSetGenericErrorFunc", xml.setGenericErrorFunc) &&
           library.resolve("xmlSetStructuredErrorFunc", xml.setStructuredErrorFunc) &&
           library.resolve("__xmlGenericError", xml.genericError) &&
           library.resolve("__xmlGenericErrorContext", xml.genericErrorContext) &&
           library.resolve("__xmlStructuredError", xml.structuredError) &&
           library.resolve("__xmlStructuredErrorContext", xml.structuredErrorContext);
}

std::optional<XMLLibrary> loadInitialised() {
    std::optional<XMLLibrary> xml = loadFunctionTable<XMLLibrary>("libxml2.so.2", resolveAll);
    if (xml) xml->initParser();
    return xml;
}

} // namespace

const XMLLibrary* XMLLibrary::installed() {
    static const std::optional<XMLLibrary> xml = loadInitialised();
    return xml ? &*xml : nullptr;
}

} // namespace tindrel
