#include "TindrelCore/detectors/Base32Detector.h"
#include "TindrelCore/detectors/Base58Detector.h"
#include "TindrelCore/formats/DER.h"
#include "TindrelCore/formats/FlatJSON.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/formats/MarkupDepth.h"
#include "TindrelCore/formats/X509.h"
#include "TindrelCore/formats/YAML.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelCore/knowledge/OAuthErrors.h"
#include "TindrelCore/redact/SecretRules.h"
#include "TindrelCore/scan/JSONSpans.h"
#include "TindrelCore/scan/UnclosedBrackets.h"
#include "TindrelCore/scan/tests/ScanTestEngines.h"
#include "TindrelCore/tests/Fixtures.h"
#include "TindrelCore/text/DateText.h"
#include "TindrelCore/text/Percent.h"
#include "TindrelCore/text/Text.h"
#include "TindrelCore/text/TextCase.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

using namespace tindrel;

namespace {

using Args = std::vector<std::string>;
using Answer = std::optional<std::string>;
using Function = std::function<Answer(const std::string& input, const Args& args)>;

inline Answer yesNo(bool value) {
    return value ? "true" : "false";
}

inline Answer joined(const std::vector<std::string>& items) {
    if (items.empty()) return std::nullopt;
    std::string text = items.front();
    for (std::size_t i = 1; i < items.size(); ++i)
        text += "\t" + items[i];
    return text;
}

inline Answer spans(std::string_view text, const std::vector<TextSpan>& found) {
    std::vector<std::string> items;
    items.reserve(found.size());
    for (const TextSpan& span : found)
        items.emplace_back(text.substr(span.begin, span.end - span.begin));
    return joined(items);
}

// What `f` makes of the value, when there is one.
template <typename T, typename F> Answer mapped(const std::optional<T>& value, F f) {
    return value ? Answer(std::invoke(f, *value)) : std::nullopt;
}

inline std::string noteText(const Explainer::Note& note) {
    return note.nextStep ? note.note + "\t" + *note.nextStep : note.note;
}

inline std::uint8_t byteArg(const Args& args, std::size_t i) {
    return std::uint8_t(std::stoul(args.at(i), nullptr, 16));
}

inline Markup::Limits limitsOf(const Args& args) {
    static const std::map<std::string, std::size_t Markup::Limits::*, std::less<>> fields = {
        {"depth", &Markup::Limits::depth},
        {"attributesPerElement", &Markup::Limits::attributesPerElement},
        {"namespacesInScope", &Markup::Limits::namespacesInScope},
        {"distinctNames", &Markup::Limits::distinctNames},
        {"keysPerDict", &Markup::Limits::keysPerDict},
        {"declaredAttributes", &Markup::Limits::declaredAttributes},
        {"defaultedAttributes", &Markup::Limits::defaultedAttributes},
        {"parameterEntityReferences", &Markup::Limits::parameterEntityReferences},
        {"unescapeWork", &Markup::Limits::unescapeWork},
    };
    Markup::Limits limits;
    for (const std::string& arg : args) {
        std::size_t equals = arg.find('=');
        if (arg == "doubleQuotesOnly")
            limits.doubleQuotesOnly = true;
        else
            limits.*fields.at(arg.substr(0, equals)) = std::stoul(arg.substr(equals + 1));
    }
    return limits;
}

// DER read from `start`: the tag in hex, the content's begin and end, and where the element ends.
inline Answer derRead(const std::string& input, const Args& args) {
    std::optional<DER::Element> element = DER::read(input, std::stoll(args.at(0)));
    if (!element) return std::nullopt;
    const DER::Node& node = element->node;
    return fixtures::hexOf(std::string(1, char(node.tag))) + " " + std::to_string(node.content.lower) + " " +
           std::to_string(node.content.upper) + " " + std::to_string(element->end);
}

inline const std::map<std::string, Function, std::less<>>& functions() {
    static const std::map<std::string, Function, std::less<>> table = {
        {"base32Decode", [](auto& s, auto&) { return Base32Detector::base32Decode(s); }},
        {"base58Decode",
         [](auto& s, auto&) { return mapped(Base58Detector::base58Decode(s), fixtures::hexOf); }},
        {"base64Decode", [](auto& s, auto&) { return Bytes::base64Decode(s); }},
        {"base64URLDecode", [](auto& s, auto&) { return Bytes::base64URLDecode(s); }},
        {"hexDecode", [](auto& s, auto&) { return Bytes::hex(s); }},
        {"fromWrapper",
         [](auto& s, auto&) {
             return mapped(Bytes::fromWrapper(s),
                           [](auto& w) { return w.wrapper + " " + fixtures::hexOf(w.data); });
         }},
        {"mayBeginWith",
         [](auto& s, auto& args) {
             // A plain function, as the detectors pass: the lead it takes waits beside it.
             static std::string taken;
             taken = args.at(0);
             return yesNo(
                 Bytes::mayBeginWith(s, taken.size(), [](std::string_view lead) { return lead == taken; }));
         }},
        {"percentDecode", [](auto& s, auto&) { return Percent::decode(s); }},
        {"uppercased", [](auto& s, auto&) -> Answer { return TextCase::uppercased(s); }},
        {"lowercased", [](auto& s, auto&) -> Answer { return TextCase::lowercased(s); }},
        {"capitalized", [](auto& s, auto&) -> Answer { return TextCase::capitalized(s); }},
        {"trim", [](auto& s, auto&) -> Answer { return std::string(Text::trim(s)); }},
        {"characterCount", [](auto& s, auto&) -> Answer { return std::to_string(Text::characterCount(s)); }},
        {"prefixCharacters",
         [](auto& s, auto& args) -> Answer {
             return std::string(Text::prefixCharacters(s, std::stoul(args.at(0))));
         }},
        {"looksLikePrintableText", [](auto& s, auto&) { return yesNo(Text::looksLikePrintableText(s)); }},
        {"sanitizeUTF8", [](auto& s, auto&) -> Answer { return Text::sanitizeUTF8(s); }},
        {"isValidUTF8", [](auto& s, auto&) { return yesNo(Text::isValidUTF8(s)); }},
        {"beginsValidUTF8", [](auto& s, auto&) { return yesNo(Text::beginsValidUTF8(s)); }},
        {"derRead", derRead},
        {"derChildren",
         [](auto& s, auto& args) {
             std::vector<std::string> tags;
             for (const DER::Node& node : DER::children(s, {std::stoll(args.at(0)), std::stoll(args.at(1))}))
                 tags.push_back(fixtures::hexOf(std::string(1, char(node.tag))));
             return joined(tags);
         }},
        {"derContentOf",
         [](auto& s, auto& args) -> Answer {
             return std::string(DER::contentOf(s, {0x04, {std::stoll(args.at(0)), std::stoll(args.at(1))}}));
         }},
        {"commonName",
         [](auto& s, auto& args) -> Answer {
             // One RDN of one attribute: the common name's OID and the value under the given tag.
             auto tlv = [](std::uint8_t tag, std::string_view content) {
                 return std::string(1, char(tag)) + char(content.size()) + std::string(content);
             };
             std::string rdn = tlv(0x31, tlv(0x30, tlv(0x06, "\x55\x04\x03") + tlv(byteArg(args, 0), s)));
             return X509::commonName(rdn, {0, std::int64_t(rdn.size())});
         }},
        {"x509Time",
         [](auto& s, auto& args) -> Answer {
             const std::string buffer = std::string(1, char(byteArg(args, 0))) + char(s.size()) + s;
             return mapped(X509::parseTime(buffer, DER::read(buffer, 0)->node), DateText::iso8601);
         }},
        {"staysWithin", [](auto& s, auto& args) { return yesNo(Markup::staysWithin(s, limitsOf(args))); }},
        {"readsAsJSON",
         [](auto& s, auto&) -> Answer {
             return *yesNo(FlatJSON::read(s).has_value()) + " " + *yesNo(nlohmann::json::accept(s));
         }},
        {"yamlPreprocess",
         [](auto& s, auto&) -> Answer {
             std::optional<YAML::Lines> lines = YAML::preprocess(s);
             if (!lines) return std::nullopt;
             std::string text = lines->sawMarker ? "marker" : "no marker";
             for (const YAML::Line& line : lines->lines)
                 text += "\t" + std::to_string(line.indent) + " " + std::string(line.text);
             return text;
         }},
        {"yamlSplitMapping",
         [](auto& s, auto&) {
             return mapped(YAML::splitMapping(s), [](auto& pair) { return pair.first + "\t" + pair.second; });
         }},
        {"yamlScalar",
         [](auto& s, auto&) -> Answer {
             nlohmann::json value = YAML::scalar(s);
             if (value.is_number_float() && std::isinf(value.get<double>())) return "infinity";
             return value.dump();
         }},
        {"relativeTime", [](auto& s, auto&) -> Answer { return Explainer::relativeTime(std::stod(s)); }},
        {"iso8601", [](auto& s, auto&) -> Answer { return DateText::iso8601(std::stod(s)); }},
        {"jwtAlgNote", [](auto& s, auto&) { return Explainer::jwtAlgNote(s); }},
        {"jwtClaim", [](auto& s, auto&) { return Explainer::jwtClaim(s); }},
        {"passwordHashNote",
         [](auto& s, auto& args) -> Answer {
             std::optional<std::string_view> cost;
             if (!args.empty()) cost = args[0];
             return mapped(Explainer::passwordHashNote(s, cost), noteText);
         }},
        {"digestNote",
         [](auto& s, auto&) -> Answer { return noteText(Explainer::digestNote(std::stoi(s))); }},
        {"oauthMeaning",
         [](auto& s, auto&) { return mapped(OAuthErrors::lookup(s), &OAuthErrors::Info::meaning); }},
        {"isSecretKey", [](auto& s, auto&) { return yesNo(Redaction::isSecretKey(s)); }},
        {"redactionMode",
         [](auto& s, auto&) {
             constexpr const char* names[] = {"secrets", "keepClaims", "all"}; // by the enumerators' order
             return mapped(Redaction::modeNamed(s), [&](Redaction::Mode mode) { return names[int(mode)]; });
         }},
        {"candidates",
         [](auto& s, auto& args) {
             return spans(s, findCandidates(ScanText(s), scantest::patternNamed(args.at(0))));
         }},
        {"jsonSpans", [](auto& s, auto&) { return spans(s, JSONSpans::find(ScanText(s))); }},
        {"unclosedBrackets",
         [](auto& s, auto&) {
             ScanText text(s);
             UnclosedBrackets unclosed(text, 0);
             std::vector<std::string> found;
             for (std::size_t i = 0; i < s.size(); ++i)
                 if (unclosed.contains(i)) found.push_back(std::to_string(i));
             return joined(found);
         }},
    };
    return table;
}

} // namespace

// Each row of tests/data/functions.tsv: a function of the core with its arguments, an input, and
// the answer it must give.
TEST(FunctionTable, EachFunctionGivesTheAnswersOfItsRows) {
    for (const fixtures::Row& row : fixtures::table("functions.tsv")) {
        std::istringstream words(row[0]);
        std::string name;
        words >> name;
        Args args{std::istream_iterator<std::string>(words), {}};
        Answer expected;
        for (std::size_t i = 2; i < row.size(); ++i)
            expected = expected ? *expected + "\t" + row[i] : row[i];
        EXPECT_EQ(functions().at(name)(row[1], args), expected) << row.where;
    }
}
