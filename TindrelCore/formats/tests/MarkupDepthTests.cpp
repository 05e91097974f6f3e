#include "TindrelCore/formats/MarkupDepth.h"

#include <gtest/gtest.h>
#include <string>

using namespace tindrel;
using Markup::Limits;

namespace {

std::string repeat(std::string_view unit, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += unit;
    return text;
}

// Ten elements nested, each opened with `open`.
std::string tenDeep(std::string_view open) {
    return repeat(open, 10) + repeat("</a>", 10);
}

} // namespace

TEST(Markup, DepthCountsTheElementsAReaderOpens) {
    struct Case {
        std::string markup;
        std::size_t depth;
        bool within;
    } cases[] = {
        {"<a><b><c/></b></a>", 2, true},
        {"<a><b><c></c></b></a>", 2, false},
        {"<a></a><b></b><c></c>", 1, true},
        {"<a><!-- <b><c><d> --></a>", 1, true},
        {"<a><!-- --> <b><c> --></c></b></a>", 2, false},
        {"<a><![CDATA[<b><c><d>]]></a>", 1, true},
        {"<a><![CDATA[ ]]> <b><c> ]]></c></b></a>", 2, false},
        {"<?xml version=\"1.0\"?><!DOCTYPE a><a><?pi <b><c>?></a>", 1, true},
        {"<a x=\"1\"><b y='2'>text</b></a>", 1, false},
        {"</x></y><a><b></b></a>", 1, false},
        {"<a></x><b></b></a>", 1, false},
        {"<a", 0, false},
        {"<!-- unterminated <a><b><c>", 0, true},
        {"", 0, true},
        // A "/>" or ">" inside an attribute value neither closes the element nor ends its tag.
        {tenDeep("<a v=\"/>\">"), 9, false},
        {tenDeep("<a v='/>'>"), 9, false},
        {tenDeep("<a v=\"/>\">"), 10, true},
        {tenDeep("<a v = \">\" w='>' x=\"'\" y='\"'>"), 9, false},
        {tenDeep("<a v=\"a/\">"), 9, false},
        {repeat("<a v=\"/\"/>", 10), 0, true},
        // Literals, comments and processing instructions of a DOCTYPE hide their brackets.
        {"<!DOCTYPE a [<!ENTITY e \"]>\"><!ENTITY f '>'><!-- ]> --><?pi ]>?>]><a><b></b></a>", 1, false},
        {"<!DOCTYPE a SYSTEM 'x>' [<!ELEMENT a ANY>]><a><b/></a>", 1, true},
        // The markup of an entity value is parsed wherever the entity is referenced.
        {"<!DOCTYPE a [<!ENTITY e \"<b><c>x</c></b>\">]><a>&e;</a>", 1, false},
        {"<!DOCTYPE a [<!ENTITY e \"&#60;b&#62;&#x3C;c&#x3e;x&#60;/c>&#60;/b>\">]><a/>", 1, false},
        {"<!DOCTYPE a [<!ENTITY e \"&#0000000060;b>&#x00003c;c>\">]><a/>", 1, false},
        {"<!DOCTYPE a [<!ENTITY e \"&#60b>&#;c>&#x;d>\">]><a/>", 0, true},
        {"<!DOCTYPE a [<!ENTITY e SYSTEM \"<b><c>\">]><a/>", 1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Markup::staysWithin(c.markup, {.depth = c.depth}), c.within) << c.markup;
}

TEST(Markup, EachShapeIsCountedAgainstItsLimit) {
    std::string dtd =
        "<!DOCTYPE r [<!ATTLIST r a CDATA #IMPLIED b ID #REQUIRED c (x|y) 'x' d CDATA #FIXED \"1\">]>";
    std::string run = "<s>" + repeat("&amp;", 100) + "</s>"; // 100 references in a run of 500
    struct Case {
        std::string name;
        std::string markup;
        Limits limits;
        bool within;
    } cases[] = {
        {"attributes", "<a x='1' y=\"2\" z/>", {.attributesPerElement = 3}, true},
        {"attributes", "<a x='1' y=\"2\" z/>", {.attributesPerElement = 2}, false},
        {"namespace declarations are not attributes",
         "<a xmlns='u' xmlns:p='v' x='1'/>",
         {.attributesPerElement = 1, .namespacesInScope = 2},
         true},
        {"namespaces of open elements add up",
         "<a xmlns:p='u'><b xmlns:q='v'><c xmlns:r='w'/></b></a>",
         {.namespacesInScope = 2},
         false},
        {"namespaces of closed elements leave scope",
         "<a><b xmlns:p='u'/><c xmlns:q='v'></c><d xmlns:r='w'/></a>",
         {.namespacesInScope = 1},
         true},
        {"keys of one dict",
         "<dict><key>a</key><true/><key>b</key><true/><key>c</key><true/></dict>",
         {.keysPerDict = 2},
         false},
        {"keys of a nested dict are its own",
         "<dict><key>a</key><dict><key>b</key><true/><key>c</key><true/></dict><key>d</key><true/></dict>",
         {.keysPerDict = 2},
         true},
        {"keys outside a dict",
         "<array><key>a</key><key>b</key><key>c</key></array>",
         {.keysPerDict = 2},
         true},
        {"repeated names", "<a><b/><b x='1'/><b x='2'/></a>", {.distinctNames = 3}, true},
        {"prefix, local part and namespace", "<p:a xmlns:p='urn:u'/>", {.distinctNames = 3}, false},
        {"entity references", "<r>&a;&b;&c;&#65;</r>", {.distinctNames = 3}, false},
        {"references in attribute values", "<r v='&a;&b;'/>", {.distinctNames = 4}, true},
        {"references in attribute values", "<r v='&a;&b;&c;'/>", {.distinctNames = 4}, false},
        {"names of an entity value",
         "<!DOCTYPE r [<!ENTITY e '<a/><b/><c/>'>]><r/>",
         {.distinctNames = 4},
         false},
        {"attribute definitions", dtd + "<r/>", {.declaredAttributes = 4, .defaultedAttributes = 2}, true},
        {"attribute definitions", dtd + "<r/>", {.declaredAttributes = 3}, false},
        {"attribute defaults", dtd + "<r/>", {.defaultedAttributes = 1}, false},
        {"attributes of an element in an entity value",
         "<!DOCTYPE r [<!ENTITY e '&#60;b x=\"1\" y=\"2\" z=\"3\"/>'>]><r>&e;</r>",
         {.attributesPerElement = 2},
         false},
        {"parameter entity reference",
         "<!DOCTYPE r [<!ENTITY % p '<!ATTLIST r a CDATA \"1\">'> %p;]><r/>",
         {.parameterEntityReferences = 0},
         false},
        {"parameter entity in an entity value",
         "<!DOCTYPE r [<!ENTITY e '%p;'>]><r/>",
         {.parameterEntityReferences = 0},
         false},
        {"parameter entity declared only",
         "<!DOCTYPE r [<!ENTITY % p 'x'>]><r/>",
         {.parameterEntityReferences = 0},
         true},
        {"unescaping a run", run, {.unescapeWork = 50000}, true},
        {"unescaping a run", run, {.unescapeWork = 49999}, false},
        {"runs are apart", "<a><s>&amp;</s><!-- x --><s>&amp;</s></a>", {.unescapeWork = 10}, true},
        {"comments do not end a run", "<s>&amp;<!-- x -->&amp;</s>", {.unescapeWork = 39}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Markup::staysWithin(c.markup, c.limits), c.within) << c.name << ": " << c.markup;
}

TEST(Markup, DoubleQuoteReaderMustCutTheTextAlike) {
    struct Case {
        std::string markup;
        bool alike;
    } cases[] = {
        {"<a v='x'/>", true},
        {"<a v=\"<>\"/>", true},
        {"<a v='>'/>", false},
        {"<a v='<'/>", false},
        {"<a v='\"'/><b v='\"'/>", false},
        {"<a></a \">\">", false},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>", true},
        {"<?pi \"?>\"?><a/>", false},
        {"<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\"><plist/>",
         true},
        {"<!DOCTYPE a ' > '><a/>", false},
        {"<!DOCTYPE a [<!ENTITY e \"]>\">]><a/>", true},
        {"<!DOCTYPE a [<!ENTITY e ']>'>]><a/>", false},
        {"<!DOCTYPE a [<!-- ]> -->]><a/>", false},
        {"<!DOCTYPE a [<!ENTITY e '\"'>]>\"]><a/>", false},
        {"<!DOCTYPE a [] ><a/>", false},
        {"<!DOCTYPE a [<!ENTITY e ']><a><a>", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Markup::staysWithin(c.markup, {.doubleQuotesOnly = true}), c.alike) << c.markup;
        EXPECT_TRUE(Markup::staysWithin(c.markup, {})) << c.markup;
    }
}
