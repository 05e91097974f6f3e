// Property lists and XML built to make their readers recurse, expand or read outside the text.
#include "TindrelCore/detectors/PlistDetector.h"
#include "TindrelCore/detectors/XMLDetector.h"
#include "TindrelCore/tests/Fixtures.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

using namespace tindrel;
using fixtures::nested;
using fixtures::repeated;

namespace {

std::string xmlPlist(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body + "</plist>";
}

std::string nestedArrays(std::size_t levels, std::string_view open = "<array>") {
    return xmlPlist(nested(open, "</array>", levels));
}

std::string dictOfKeys(int count) {
    std::string body;
    for (int i = 0; i < count; ++i)
        body += "<key>k" + std::to_string(i) + "</key><true/>";
    return xmlPlist("<dict>" + body + "</dict>");
}

// `count` numbered copies of `unit`, each "{0}" in it replaced by the copy's number.
std::string numbered(std::string_view unit, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += fmt::format(fmt::runtime(unit), i);
    return text;
}

std::string withSubset(const std::string& declarations, const std::string& document) {
    return "<!DOCTYPE r [" + declarations + "]>" + document;
}

// Entities defined ten to a level: expanding the last one would write 10^levels copies.
std::string laughs(int levels) {
    std::string text = "<!DOCTYPE lolz [<!ENTITY lol0 \"lol\">";
    for (int level = 1; level <= levels; ++level)
        text += "<!ENTITY lol" + std::to_string(level) + " \"" +
                repeated("&lol" + std::to_string(level - 1) + ";", 10) + "\">";
    return text + "]><lolz>&lol" + std::to_string(levels) + ";</lolz>";
}

// A file beside the tests (outside.txt, outside.dtd) that an external entity or DTD would pull in
// if it were loaded.
std::string outsideURL(std::string_view name) {
    const std::string relative = "tests/data/xml/" + std::string(name);
    return "file://" + fixtures::corePath(relative).value_or("/TindrelCore/" + relative);
}

} // namespace

TEST(PlistDetector, HostileListsAreRefusedHoweverTheyArrive) {
    std::string deep = nested("<array>", "</array>", 1000);
    struct Case {
        std::string name;
        std::string text;
    } cases[] = {
        {"deep arrays", nestedArrays(600)},
        {"\"/>\" in a quoted attribute value", nestedArrays(1000, "<array a=\"/>\">")},
        {"\"/>\" in a single-quoted attribute value", nestedArrays(1000, "<array a='/>'>")},
        {"'>' in a single-quoted DOCTYPE literal",
         "<!DOCTYPE plist ' > " + xmlPlist(deep) + "'>" + xmlPlist("<true/>")},
        {"\"]>\" in a single-quoted entity value",
         "<!DOCTYPE plist [<!ENTITY e ']>" + xmlPlist(deep) + "'>]>" + xmlPlist("<true/>")},
        {"\"]>\" in a comment of the internal subset",
         "<!DOCTYPE plist [<!-- ]>" + xmlPlist(deep) + " -->]>" + xmlPlist("<true/>")},
        {"too many keys in one dictionary", dictOfKeys(4097)},
        {"long text full of references", xmlPlist("<string>" + repeated("&amp;", 20000) + "</string>")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(PlistDetector().decode(c.text));
        fixtures::expectUnreadWhenEncoded(c.text, DetectionKind::plist);
    }
    for (const std::string& text : {nestedArrays(100000), nestedArrays(100000, "<array a=\"/>\">")}) {
        EXPECT_FALSE(PlistDetector().decode(text));
        EXPECT_FALSE(Tindrel::inspect(text).isRecognized());
    }
}

TEST(PlistDetector, ShapesWithinTheBoundsAreRead) {
    struct Case {
        std::string text;
        std::string root;
    } cases[] = {
        {nestedArrays(100), "array"},
        {nestedArrays(100, "<array a=\"/>\">"), "array"},
        {dictOfKeys(4096), "dict"},
        {xmlPlist("<array>" + repeated("<string>" + repeated("&amp;", 100) + "</string>", 1000) + "</array>"),
         "array"},
        {"<!DOCTYPE plist [<!ENTITY e \"]>\">]>" + xmlPlist("<true/>"), "value"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = PlistDetector().decode(c.text);
        ASSERT_TRUE(result) << c.text.substr(0, 80);
        EXPECT_EQ(result->details.at("root"), c.root);
    }
}

TEST(XMLDetector, EntitiesAreNeverExpanded) {
    for (int levels : {3, 10, 40}) {
        std::string text = laughs(levels);
        std::optional<DecodeResult> result = XMLDetector().decode(text);
        EXPECT_TRUE(!result || result->output.size() < 2 * text.size()) << levels;
    }
    // One large entity referenced many times ("quadratic blowup").
    std::string text = "<!DOCTYPE r [<!ENTITY big \"" + std::string(50000, 'x') + "\">]><r>" +
                       repeated("&big;", 5000) + "</r>";
    std::optional<DecodeResult> result = XMLDetector().decode(text);
    EXPECT_TRUE(!result || result->output.size() < 2 * text.size());
}

// The output reads back as the same document, also where libxml2 would write a declaration it
// does not read back (an enumerated attribute's default beginning with "#").
TEST(XMLDetector, TheOutputReadsBackAsTheSameDocument) {
    for (std::string_view text :
         {"<r><a>1</a><b/></r>", "<!DOCTYPE r [<!ATTLIST r c (x|y) 'x'>]><r c=\"y\"><a/></r>",
          "<!DOCTYPE r [<!ATTLIST r c (x|y) '#x'>]><r><a/></r>"}) {
        std::optional<DecodeResult> result = XMLDetector().decode(text);
        ASSERT_TRUE(result) << text;
        std::optional<DecodeResult> again = XMLDetector().decode(result->output);
        ASSERT_TRUE(again) << text << "\n" << result->output;
        EXPECT_EQ(again->details, result->details) << text;
    }
}

TEST(XMLDetector, ExternalEntitiesAndDTDsAreNeverRead) {
    const std::string secret = "outside-secret-7f3c";
    ASSERT_NE(fixtures::testData("xml/outside.dtd").find(secret), std::string::npos);
    const std::string entityFile = outsideURL("outside.txt"), dtdFile = outsideURL("outside.dtd");
    for (const std::string& text : {
             "<!DOCTYPE r [<!ENTITY xxe SYSTEM \"" + entityFile + "\">]><r>&xxe;</r>",
             "<!DOCTYPE r [<!ENTITY % p SYSTEM \"" + dtdFile + "\"> %p;]><r>&leak;</r>",
             "<!DOCTYPE r SYSTEM \"" + dtdFile + "\"><r>&leak;</r>",
             "<!DOCTYPE r [<!ENTITY xxe SYSTEM \"" + entityFile + "\">]><r a=\"1\"><x>&xxe;</x></r>",
         }) {
        std::optional<DecodeResult> result = XMLDetector().decode(text);
        EXPECT_TRUE(!result || result->output.find(secret) == std::string::npos) << text;
    }
}

TEST(XMLDetector, ShapesLibxml2HandlesSlowlyAreRefusedPastTheirBound) {
    auto entityElement = [](int attributes) {
        return withSubset("<!ENTITY e '&#60;b " + numbered("a{0}=\"\" ", attributes) + "/>'>", "<r>&e;</r>");
    };
    struct Case {
        std::string name;
        std::string within;
        std::string past;
    } cases[] = {
        {"nesting", nested("<a>", "</a>", 200), nested("<a>", "</a>", 100000)},
        {"attributes of one element", "<r " + numbered("a{0}=\"1\" ", 256) + "/>",
         "<r " + numbered("a{0}=\"1\" ", 257) + "/>"},
        {"namespace declarations of one element", "<r " + numbered("xmlns:p{0}=\"urn:{0}\" ", 256) + "/>",
         "<r " + numbered("xmlns:p{0}=\"urn:{0}\" ", 257) + "/>"},
        {"namespace declarations in scope",
         "<r " + numbered("xmlns:p{0}='u' ", 128) + "><s " + numbered("xmlns:q{0}='u' ", 128) + "/></r>",
         "<r " + numbered("xmlns:p{0}='u' ", 128) + "><s " + numbered("xmlns:q{0}='u' ", 129) + "/></r>"},
        {"distinct names", "<r>" + numbered("<e{0}/>", 16383) + "</r>",
         "<r>" + numbered("<e{0}/>", 16384) + "</r>"},
        {"attribute declarations",
         withSubset("<!ATTLIST r " + numbered("a{0} CDATA #IMPLIED ", 256) + ">", "<r/>"),
         withSubset("<!ATTLIST r " + numbered("a{0} ID #IMPLIED ", 257) + ">", "<r/>")},
        {"attribute defaults", withSubset("<!ATTLIST r " + numbered("a{0} CDATA '1' ", 16) + ">", "<r/>"),
         withSubset("<!ATTLIST r " + numbered("a{0} CDATA '1' ", 17) + ">", "<r/>")},
        {"attributes hidden in an entity value", entityElement(256), entityElement(257)},
        {"parameter entities", withSubset("<!ENTITY % p 'x'>", "<r/>"),
         withSubset("<!ENTITY % p '<!ATTLIST r a CDATA \"1\">'> %p;", "<r/>")},
        {"\"/>\" in attribute values hiding the depth", nested("<r v=\"/>\" w='/>'>", "</r>", 200),
         nested("<r v=\"/>\" w='/>'>", "</r>", 1000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(XMLDetector().decode(c.within));
        EXPECT_FALSE(XMLDetector().decode(c.past));
        fixtures::expectUnreadWhenEncoded(c.past, DetectionKind::xml);
    }
}
