#include "TindrelCore/Tindrel.h"
#include "TindrelCore/detectors/XMLDetector.h"
#include "TindrelCore/tests/MarkupTestData.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::optional<DecodeResult> decode(const std::string& text) {
    return XMLDetector().decode(text);
}

// A file outside the document that an external entity or DTD would pull in if it were loaded.
class OutsideFile {
public:
    explicit OutsideFile(const std::string& content)
        : path_(std::filesystem::temp_directory_path() /
                ("tindrel-xml-" + std::to_string(std::hash<std::string>{}(content)) + ".txt")) {
        std::ofstream(path_) << content;
    }
    ~OutsideFile() { std::filesystem::remove(path_); }
    std::string url() const { return "file://" + path_.string(); }

private:
    std::filesystem::path path_;
};

// Entities defined ten to a level: expanding the last one would write 10^levels copies.
std::string laughs(int levels) {
    std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level <= levels; ++level) {
        text += "<!ENTITY lol" + std::to_string(level) + " \"";
        for (int copy = 0; copy < 10; ++copy)
            text += "&lol" + std::to_string(level - 1) + ";";
        text += "\">\n";
    }
    return text + "]>\n<lolz>&lol" + std::to_string(levels) + ";</lolz>";
}

// `count` numbered copies of `unit`, each "{n}" in it replaced by the copy's number.
std::string numbered(std::string_view unit, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string copy(unit);
        for (std::size_t at = copy.find("{n}"); at != std::string::npos; at = copy.find("{n}", at))
            copy.replace(at, 3, std::to_string(i));
        text += copy;
    }
    return text;
}

std::string withSubset(const std::string& declarations, const std::string& document) {
    return "<!DOCTYPE r [" + declarations + "]>" + document;
}

} // namespace

TEST(XMLDetector, SummaryNamesRootAndCountsElementChildren) {
    struct Case {
        std::string text;
        std::string summary;
        std::string root;
        std::string children;
    } cases[] = {
        {"<root><empty/><item>text</item><!-- note --></root>", "XML \u2014 root <root>, 2 child elements",
         "root", "2"},
        {"<root/>", "XML \u2014 root <root>, 0 child elements", "root", "0"},
        {"<note><to>Ada</to></note>", "XML \u2014 root <note>, 1 child element", "note", "1"},
        {"<r>text<?pi data?><![CDATA[<x>]]>more</r>", "XML \u2014 root <r>, 0 child elements", "r", "0"},
        {"<a:doc xmlns:a=\"urn:a\"><a:x/><b/></a:doc>", "XML \u2014 root <a:doc>, 2 child elements", "a:doc",
         "2"},
        {"<r><a><a1/><a2/></a><b/></r>", "XML \u2014 root <r>, 2 child elements", "r", "2"},
        {"\n  <?xml version=\"1.0\"?>\n<!-- lead -->\n<r><x/></r>\n", "XML \u2014 root <r>, 1 child element",
         "r", "1"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = decode(c.text);
        ASSERT_TRUE(result) << c.text;
        EXPECT_EQ(result->kind, DetectionKind::xml);
        EXPECT_EQ(result->summary, c.summary);
        EXPECT_EQ(result->details, (Details{{"root", c.root}, {"childElements", c.children}}));
        EXPECT_DOUBLE_EQ(result->confidence, 0.9);
        EXPECT_TRUE(result->terminal);
    }
}

TEST(XMLDetector, RefusesWhatIsNotOneWellFormedDocument) {
    for (std::string text : {
             "<a><b></a></b>",
             "<p>unclosed paragraph<br></p>",
             "<html><body><p>one<p>two</body></html>",
             "<a></a><b></b>",
             "<>",
             "note: <a/>",
             "text before <a/>",
             "<a>&undefined;</a>",
         })
        EXPECT_FALSE(decode(text)) << text;
}

TEST(XMLDetector, PropertyListsAreLeftToTheirOwnReading) {
    for (std::string text : {
             "<?xml version=\"1.0\"?><!DOCTYPE plist><plist version=\"1.0\"><dict/></plist>",
             "<plist version=\"1.0\"><string>x</string></plist>",
             "<doc><![CDATA[see <plist> below]]></doc>",
             "<!DOCTYPE plist SYSTEM \"x.dtd\"><doc/>",
             "<doc><!-- <plist --></doc>",
         })
        EXPECT_FALSE(decode(text)) << text;
}

TEST(XMLDetector, PrettyPrintsWithSelfClosingEmptyElements) {
    std::optional<DecodeResult> result = decode("<r><a>1</a><b></b><c x=\"y\"/></r>");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->output, "<r>\n  <a>1</a>\n  <b/>\n  <c x=\"y\"/>\n</r>\n");

    std::optional<DecodeResult> declared =
        decode("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\u00e9</r>");
    ASSERT_TRUE(declared);
    EXPECT_EQ(declared->output, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>\u00e9</r>\n");
}

TEST(XMLDetector, RealDocuments) {
    std::optional<DecodeResult> pom = decode(markupTestData("xml/maven-pom.xml"));
    ASSERT_TRUE(pom);
    EXPECT_EQ(pom->summary, "XML \u2014 root <project>, 7 child elements");
    EXPECT_NE(pom->output.find("\n    <dependency>\n      <groupId>org.springframework.boot</groupId>"),
              std::string::npos);
    EXPECT_NE(pom->output.find("<!-- web layer -->"), std::string::npos);

    std::optional<DecodeResult> feed = decode(markupTestData("xml/atom-feed.xml"));
    ASSERT_TRUE(feed);
    EXPECT_EQ(feed->summary, "XML \u2014 root <feed>, 5 child elements");
    EXPECT_NE(feed->output.find("payloads &amp; why"), std::string::npos);
}

TEST(XMLDetector, EntityExpansionNeverHappens) {
    for (int levels : {3, 10, 40}) {
        std::string text = laughs(levels);
        std::optional<DecodeResult> result = decode(text);
        EXPECT_TRUE(!result || result->output.size() < 2 * text.size()) << levels;
    }

    // One large entity referenced many times ("quadratic blowup").
    std::string text = "<!DOCTYPE r [<!ENTITY big \"" + std::string(50000, 'x') + "\">]><r>";
    for (int i = 0; i < 5000; ++i)
        text += "&big;";
    text += "</r>";
    std::optional<DecodeResult> result = decode(text);
    EXPECT_TRUE(!result || result->output.size() < 2 * text.size());
}

TEST(XMLDetector, ExternalEntitiesAndDTDsAreNeverRead) {
    const std::string secret = "outside-secret-7f3c";
    OutsideFile entityFile(secret);
    OutsideFile dtdFile("<!ENTITY leak \"" + secret + "\"><!ATTLIST r extra CDATA \"" + secret + "\">");
    for (std::string text : {
             "<!DOCTYPE r [<!ENTITY xxe SYSTEM \"" + entityFile.url() + "\">]><r>&xxe;</r>",
             "<!DOCTYPE r [<!ENTITY % p SYSTEM \"" + dtdFile.url() + "\"> %p;]><r>&leak;</r>",
             "<!DOCTYPE r SYSTEM \"" + dtdFile.url() + "\"><r>&leak;</r>",
             "<!DOCTYPE r [<!ENTITY xxe SYSTEM \"" + entityFile.url() + "\">]><r a=\"1\"><x>&xxe;</x></r>",
         }) {
        std::optional<DecodeResult> result = decode(text);
        EXPECT_TRUE(!result || result->output.find(secret) == std::string::npos) << text;
    }
}

TEST(XMLDetector, NestingBeyondTheParserLimitIsRefused) {
    auto nested = [](int levels) {
        std::string text;
        for (int i = 0; i < levels; ++i)
            text += "<a>";
        for (int i = 0; i < levels; ++i)
            text += "</a>";
        return text;
    };
    EXPECT_TRUE(decode(nested(200)));
    EXPECT_FALSE(decode(nested(100000)));
}

TEST(XMLDetector, EngineReportsXMLAsOneTerminalStep) {
    DecodeChain chain = Tindrel::inspect("  <config><debug>true</debug></config>  ");
    EXPECT_EQ(chain.kinds(), std::vector<DetectionKind>{DetectionKind::xml});
}

TEST(XMLDetector, ShapesLibxml2HandlesSlowlyAreRefusedPastTheirBound) {
    auto entityElement = [](int attributes) {
        return withSubset("<!ENTITY e '&#60;b " + numbered("a{n}=\"\" ", attributes) + "/>'>", "<r>&e;</r>");
    };
    struct Case {
        std::string name;
        std::string within;
        std::string past;
    } cases[] = {
        {"attributes of one element", "<r " + numbered("a{n}=\"1\" ", 256) + "/>",
         "<r " + numbered("a{n}=\"1\" ", 257) + "/>"},
        {"namespace declarations of one element", "<r " + numbered("xmlns:p{n}=\"urn:{n}\" ", 256) + "/>",
         "<r " + numbered("xmlns:p{n}=\"urn:{n}\" ", 257) + "/>"},
        {"namespace declarations in scope",
         "<r " + numbered("xmlns:p{n}='u' ", 128) + "><s " + numbered("xmlns:q{n}='u' ", 128) + "/></r>",
         "<r " + numbered("xmlns:p{n}='u' ", 128) + "><s " + numbered("xmlns:q{n}='u' ", 129) + "/></r>"},
        {"distinct names", "<r>" + numbered("<e{n}/>", 16383) + "</r>",
         "<r>" + numbered("<e{n}/>", 16384) + "</r>"},
        {"attribute declarations",
         withSubset("<!ATTLIST r " + numbered("a{n} CDATA #IMPLIED ", 256) + ">", "<r/>"),
         withSubset("<!ATTLIST r " + numbered("a{n} ID #IMPLIED ", 257) + ">", "<r/>")},
        {"attribute defaults", withSubset("<!ATTLIST r " + numbered("a{n} CDATA '1' ", 16) + ">", "<r/>"),
         withSubset("<!ATTLIST r " + numbered("a{n} CDATA '1' ", 17) + ">", "<r/>")},
        {"attributes hidden in an entity value", entityElement(256), entityElement(257)},
        {"parameter entities", withSubset("<!ENTITY % p 'x'>", "<r/>"),
         withSubset("<!ENTITY % p '<!ATTLIST r a CDATA \"1\">'> %p;", "<r/>")},
        {"\"/>\" in attribute values hiding the depth",
         repeated("<r v=\"/>\" w='/>'>", 200) + repeated("</r>", 200),
         repeated("<r v=\"/>\" w='/>'>", 1000) + repeated("</r>", 1000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(decode(c.within));
        EXPECT_FALSE(decode(c.past));
        expectUnreadWhenEncoded(c.past, DetectionKind::xml);
    }
}
