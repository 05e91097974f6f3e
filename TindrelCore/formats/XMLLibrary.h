#pragma once

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

namespace tindrel {

// The libxml2 functions the XML reader calls, looked up in the shared library when a text is first
// read as XML. Linking libxml2 would have every command map it, ICU and liblzma at start, though
// most never meet a document.
struct XMLLibrary {
    decltype(&xmlInitParser) initParser;
    decltype(&xmlCreateMemoryParserCtxt) createMemoryParserCtxt;
    decltype(&xmlCtxtUseOptions) ctxtUseOptions;
    decltype(&xmlSwitchEncoding) switchEncoding;
    decltype(&xmlParseDocument) parseDocument;
    decltype(&xmlFreeParserCtxt) freeParserCtxt;
    decltype(&xmlFreeDoc) freeDoc;
    decltype(&xmlDocGetRootElement) docGetRootElement;
    decltype(&xmlSaveToIO) saveToIO;
    decltype(&xmlSaveDoc) saveDoc;
    decltype(&xmlSaveClose) saveClose;
    decltype(&xmlSetGenericErrorFunc) setGenericErrorFunc;
    decltype(&xmlSetStructuredErrorFunc) setStructuredErrorFunc;
    // The calling thread's error handlers, which the headers reach through these functions.
    decltype(&__xmlGenericError) genericError;
    decltype(&__xmlGenericErrorContext) genericErrorContext;
    decltype(&__xmlStructuredError) structuredError;
    decltype(&__xmlStructuredErrorContext) structuredErrorContext;

    // The system's libxml2, loaded and initialised once whichever thread asks first; null when it
    // cannot be opened or lacks one of the functions, in which case no text reads as XML. A loaded
    // library stays loaded for the life of the process.
    static const XMLLibrary* installed();
};

} // namespace tindrel
