#include "TindrelCore/Tindrel.h"
#include "TindrelCore/detectors/PlistDetector.h"
#include "TindrelCore/tests/EncodingFixtures.h"
#include "TindrelCore/tests/MarkupTestData.h"
#include "TindrelCore/text/Bytes.h"

#include <gtest/gtest.h>

using namespace tindrel;

namespace {

std::optional<DecodeResult> decode(const std::string& text) {
    return PlistDetector().decode(text);
}

std::string xmlPlist(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body + "</plist>";
}

std::string nestedArrays(int levels, std::string_view open = "<array>") {
    return xmlPlist(repeated(open, levels) + repeated("</array>", levels));
}

std::string dictOfKeys(int count) {
    std::string body;
    for (int i = 0; i < count; ++i)
        body += "<key>k" + std::to_string(i) + "</key><true/>";
    return xmlPlist("<dict>" + body + "</dict>");
}

} // namespace

TEST(PlistDetector, XMLListIsRewrittenByTheWriter) {
    std::string text = "  <plist version=\"1.0\"><dict><key>a</key><integer>1</integer></dict></plist>\n";
    std::optional<DecodeResult> result = decode(text);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->kind, DetectionKind::plist);
    EXPECT_EQ(result->summary, "xml property list \u2014 root dict");
    EXPECT_EQ(result->details, (Details{{"format", "xml"}, {"root", "dict"}}));
    EXPECT_DOUBLE_EQ(result->confidence, 0.95);
    EXPECT_TRUE(result->terminal);
    EXPECT_NE(result->output, text);
    EXPECT_NE(result->output.find("<dict>\n\t<key>a</key>\n\t<integer>1</integer>\n</dict>"),
              std::string::npos);
}

TEST(PlistDetector, RootTypeWords) {
    struct Case {
        std::string body;
        std::string root;
    } cases[] = {
        {"<array><string>x</string></array>", "array"},
        {"<dict/>", "dict"},
        {"<string>hello</string>", "string"},
        {"<data>AAEC</data>", "data"},
        {"<date>2024-01-31T12:00:00Z</date>", "date"},
        {"<integer>42</integer>", "value"},
        {"<real>1.5</real>", "value"},
        {"<true/>", "value"},
        {"<false/>", "value"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = decode(xmlPlist(c.body));
        ASSERT_TRUE(result) << c.body;
        EXPECT_EQ(result->details.at("root"), c.root) << c.body;
        EXPECT_EQ(result->summary, "xml property list \u2014 root " + c.root);
    }
}

TEST(PlistDetector, BinaryListsThroughEveryWrapper) {
    struct Case {
        std::string file;
        std::string (*wrap)(std::string_view);
        std::string wrapper;
        std::string root;
    } cases[] = {
        {"info.bplist", Bytes::base64Encode, "base64", "dict"},
        {"info.bplist", fixtures::base64URLOf, "base64url", "dict"},
        {"array.bplist", fixtures::hexOf, "hex",
         "array"}, // hex length a multiple of 4: reads as Base64 first
        {"number.bplist", fixtures::hexOf, "hex",
         "value"}, // hex length 2 mod 4: reads as URL-safe Base64 first
        {"data.bplist", fixtures::base64URLOf, "base64url", "data"},
        {"date.bplist", Bytes::base64Encode, "base64", "date"},
        {"string.bplist", Bytes::base64Encode, "base64", "string"},
        {"shared.bplist", Bytes::base64Encode, "base64", "dict"},
    };
    for (const Case& c : cases) {
        std::string text = c.wrap(markupTestData("plist/" + c.file));
        std::optional<DecodeResult> result = decode(text);
        ASSERT_TRUE(result) << c.file << " " << c.wrapper;
        EXPECT_EQ(result->summary, "binary property list (" + c.wrapper + ") \u2014 root " + c.root);
        EXPECT_EQ(result->details, (Details{{"format", "binary"}, {"root", c.root}, {"wrapper", c.wrapper}}));
        EXPECT_EQ(result->output.rfind("<?xml", 0), 0u) << c.file;
    }
}

TEST(PlistDetector, BinaryAndXMLFormsOfOneListRenderAlike) {
    std::optional<DecodeResult> binary = decode(Bytes::base64Encode(markupTestData("plist/info.bplist")));
    std::optional<DecodeResult> xml = decode(markupTestData("plist/info.plist"));
    ASSERT_TRUE(binary && xml);
    EXPECT_EQ(binary->output, xml->output);
    for (std::string fact : {"<key>CFBundleIdentifier</key>\n\t<string>com.example.tindrel</string>",
                             "<date>2024-01-31T12:00:00Z</date>", "<integer>250</integer>", "<true/>",
                             "Copyright \u00a9 2024 Example &amp; Co."})
        EXPECT_NE(binary->output.find(fact), std::string::npos) << fact;
}

TEST(PlistDetector, RefusesWhatIsNotAList) {
    std::string xmlListInBase64 = Bytes::base64Encode(xmlPlist("<dict/>"));
    std::string notAList = Bytes::base64Encode("bplist00 but nothing after the magic");
    for (std::string text : {
             xmlListInBase64,
             notAList,
             fixtures::hexOf("bplist00") + "zz",
             Bytes::base64Encode("plain text, no magic"),
             std::string("<doc>see <plist> in the manual</doc>"),
             std::string("hello <plist"),
             std::string("<plist version=\"1.0\"></plist>"),
             std::string("<root><child/></root>"),
             std::string("name: demo"),
             std::string(""),
         })
        EXPECT_FALSE(decode(text)) << text;
}

TEST(PlistDetector, DeepXMLListsAreRefusedBeforeTheReaderRecurses) {
    EXPECT_TRUE(decode(nestedArrays(100)));
    EXPECT_FALSE(decode(nestedArrays(600)));
    EXPECT_FALSE(decode(nestedArrays(100000)));
}

TEST(PlistDetector, HostileListsAreRefusedHoweverTheyArrive) {
    std::string deep = repeated("<array>", 1000) + repeated("</array>", 1000);
    struct Case {
        std::string name;
        std::string text;
    } cases[] = {
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
        EXPECT_FALSE(decode(c.text));
        expectUnreadWhenEncoded(c.text, DetectionKind::plist);
    }
    EXPECT_FALSE(decode(nestedArrays(100000, "<array a=\"/>\">")));
}

TEST(PlistDetector, ShapesWithinTheBoundsAreRead) {
    struct Case {
        std::string text;
        std::string root;
    } cases[] = {
        {nestedArrays(100, "<array a=\"/>\">"), "array"},
        {dictOfKeys(4096), "dict"},
        {xmlPlist("<array>" + repeated("<string>" + repeated("&amp;", 100) + "</string>", 1000) + "</array>"),
         "array"},
        {"<!DOCTYPE plist [<!ENTITY e \"]>\">]>" + xmlPlist("<true/>"), "value"},
    };
    for (const Case& c : cases) {
        std::optional<DecodeResult> result = decode(c.text);
        ASSERT_TRUE(result) << c.text.substr(0, 80);
        EXPECT_EQ(result->details.at("root"), c.root);
    }
}

TEST(PlistDetector, EngineReadsListsAndNeverCallsThemXML) {
    DecodeChain wrapped = Tindrel::inspect(Bytes::base64Encode(markupTestData("plist/info.plist")));
    EXPECT_EQ(wrapped.kinds(), (std::vector<DetectionKind>{DetectionKind::base64, DetectionKind::plist}));

    DecodeChain plain = Tindrel::inspect(markupTestData("plist/info.plist"));
    EXPECT_EQ(plain.kinds(), std::vector<DetectionKind>{DetectionKind::plist});

    // Names a property list, fails to read as one, and is then not offered to the XML reading.
    DecodeChain broken = Tindrel::inspect("<doc>see <plist> in the manual</doc>");
    EXPECT_FALSE(broken.isRecognized());

    DecodeChain deep = Tindrel::inspect(nestedArrays(100000));
    EXPECT_FALSE(deep.isRecognized());
}
