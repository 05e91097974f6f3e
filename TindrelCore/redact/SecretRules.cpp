#include "TindrelCore/redact/SecretRules.h"

#include "TindrelCore/detectors/QueryStringDetector.h"
#include "TindrelCore/text/TextCase.h"

#include <algorithm>
#include <array>

namespace tindrel::Redaction {
namespace {

const std::string lineMarker = "<redacted>";

bool isBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// [begin, end) without the blank bytes at either end.
std::pair<std::size_t, std::size_t> content(std::string_view text, std::size_t begin, std::size_t end) {
    while (begin < end && isBlankByte(text[begin]))
        ++begin;
    while (end > begin && isBlankByte(text[end - 1]))
        --end;
    return {begin, end};
}

void maskContent(std::string_view text, std::size_t begin, std::size_t end, const std::string& marker,
                 Edits& out) {
    auto [from, to] = content(text, begin, end);
    if (from < to) out.push_back({from, to, marker});
}

std::string_view detail(const DecodeResult& step, const std::string& key) {
    auto found = step.details.find(key);
    return found == step.details.end() ? std::string_view() : std::string_view(found->second);
}

// A fact inside a marker must not end it early or break its line.
std::string markerSafe(std::string_view fact) {
    std::string out(fact);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '>') c = '?';
    return out;
}

std::string tokenMarker(const DecodeResult& step, Mode mode) {
    if (mode != Mode::keepClaims) return kindMarker(DetectionKind::jwt);
    std::string marker = "<redacted JWT " + markerSafe(detail(step, "alg"));
    for (const char* claim : {"sub", "exp"})
        if (step.details.contains(claim))
            marker += std::string(" ") + claim + "=" + markerSafe(detail(step, claim));
    return marker + ">";
}

// --- private keys ---

bool isKeyLine(std::string_view line) {
    auto [from, to] = content(line, 0, line.size());
    line = line.substr(from, to - from);
    bool body = std::all_of(line.begin(), line.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
               c == '/' || c == '=';
    });
    std::size_t colon = line.find(": ");
    bool header = colon != std::string_view::npos && colon > 0 &&
                  std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
                      return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
                  });
    return body || header;
}

struct BeginMarker {
    std::size_t end; // just after its closing dashes
    std::string_view label;
};

std::optional<BeginMarker> beginMarkerAt(std::string_view text, std::size_t pos) {
    constexpr std::string_view begin = "-----BEGIN ";
    std::size_t labelStart = pos + begin.size();
    std::size_t close = text.find("-----", labelStart);
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view label = text.substr(labelStart, close - labelStart);
    bool wellFormed = !label.empty() && std::all_of(label.begin(), label.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
    });
    if (!wellFormed) return std::nullopt;
    return BeginMarker{close + 5, label};
}

// Where the body that starts at `from` ends: the block's own END line when it comes before any other
// BEGIN; otherwise nothing, and the body runs while its lines look like key material.
std::optional<std::size_t> endOfBody(std::string_view text, std::size_t from, std::string_view label) {
    std::size_t end = text.find("-----END " + std::string(label) + "-----", from);
    if (end == std::string_view::npos) return std::nullopt;
    std::size_t nextBegin = text.find("-----BEGIN ", from);
    if (nextBegin < end) return std::nullopt;
    return end;
}

void maskBody(std::string_view text, const BeginMarker& marker, Edits& out) {
    std::optional<std::size_t> end = endOfBody(text, marker.end, marker.label);
    std::size_t pos = marker.end;
    for (bool first = true;; first = false) {
        std::size_t lineEnd = std::min(text.find('\n', pos), text.size());
        if (end && *end <= lineEnd) {
            maskContent(text, pos, *end, lineMarker, out);
            return;
        }
        std::string_view line = text.substr(pos, lineEnd - pos);
        if (!end && !first && (!isKeyLine(line) || line.find("-----") != std::string_view::npos)) return;
        maskContent(text, pos, lineEnd, lineMarker, out);
        if (lineEnd == text.size()) return;
        pos = lineEnd + 1;
    }
}

bool isPrivateKeyLabel(std::string_view label) {
    return label.find("PRIVATE KEY") != std::string_view::npos;
}

// --- the rules ---

bool always(const DecodeResult&) {
    return true;
}

bool isPrivateKey(const DecodeResult& step) {
    return isPrivateKeyLabel(detail(step, "label"));
}

bool isPasswordHash(const DecodeResult& step) {
    return step.details.contains("scheme");
}

bool hasSecretKey(const DecodeResult& step) {
    return std::any_of(step.details.begin(), step.details.end(),
                       [](const auto& entry) { return isSecretKey(entry.first); });
}

void maskToken(std::string_view text, const DecodeResult& step, Mode mode, Edits& out) {
    out = wholeTextEdits(text, tokenMarker(step, mode));
}

void maskKeyBody(std::string_view text, const DecodeResult& step, Mode, Edits& out) {
    out = privateKeyBodyEdits(text);
    if (out.empty()) out = wholeTextEdits(text, kindMarker(step.kind));
}

// A "$"-piece of a crypt string that only repeats a fact of the step: the scheme, the bcrypt cost,
// the argon2 version or its parameter list.
bool isFactPiece(std::string_view piece, std::size_t index, const DecodeResult& step) {
    if (index == 1) return piece == detail(step, "scheme");
    if (index == 2 && step.details.contains("cost")) return piece == detail(step, "cost");
    if (piece.starts_with("v=")) return step.details.contains("v") && piece.substr(2) == detail(step, "v");
    if (piece.find("m=") == std::string_view::npos || piece.find("t=") == std::string_view::npos)
        return false;
    for (std::size_t start = 0; start <= piece.size();) {
        std::size_t comma = std::min(piece.find(',', start), piece.size());
        std::string_view part = piece.substr(start, comma - start);
        std::size_t equals = part.find('=');
        if (equals == std::string_view::npos) return false;
        std::string key(part.substr(0, equals));
        if (!step.details.contains(key) || detail(step, key) != part.substr(equals + 1)) return false;
        start = comma + 1;
    }
    return true;
}

void maskSaltAndHash(std::string_view text, const DecodeResult& step, Mode, Edits& out) {
    auto [begin, end] = content(text, 0, text.size());
    if (begin == end || text[begin] != '$') return maskContent(text, begin, end, lineMarker, out);
    std::size_t pos = begin + 1;
    for (std::size_t index = 1;; ++index) {
        std::size_t dollar = std::min(text.find('$', pos), end);
        if (!isFactPiece(text.substr(pos, dollar - pos), index, step)) break;
        if (dollar == end) return;
        pos = dollar + 1;
    }
    if (pos < end) out.push_back({pos, end, lineMarker});
}

void maskSecretValues(std::string_view text, const DecodeResult&, Mode, Edits& out) {
    auto [begin, end] = content(text, 0, text.size());
    for (std::size_t start = begin; start <= end;) {
        std::size_t amp = std::min(text.find('&', start), end);
        std::size_t equals = text.find('=', start);
        if (equals < amp && equals + 1 < amp && isSecretKey(text.substr(start, equals - start)))
            out.push_back({equals + 1, amp, lineMarker});
        start = amp + 1;
    }
}

struct SecretRule {
    DetectionKind kind;
    bool (*holdsSecret)(const DecodeResult& step);
    void (*mask)(std::string_view text, const DecodeResult& step, Mode mode, Edits& out);
};

// Which steps hold a secret, and how the text they decoded is masked.
constexpr std::array<SecretRule, 4> rules = {{
    {DetectionKind::jwt, always, maskToken},                      // <redacted JWT>
    {DetectionKind::pem, isPrivateKey, maskKeyBody},              // BEGIN and END lines only
    {DetectionKind::hash, isPasswordHash, maskSaltAndHash},       // $2b$12$<redacted>
    {DetectionKind::queryString, hasSecretKey, maskSecretValues}, // keys, and values of others
}};

const SecretRule* ruleFor(const DecodeResult& step) {
    auto found = std::find_if(rules.begin(), rules.end(), [&](const SecretRule& rule) {
        return rule.kind == step.kind && rule.holdsSecret(step);
    });
    return found == rules.end() ? nullptr : &*found;
}

// Query keys whose values are secrets: these names exactly, names holding these words, names with
// these endings (after lower-casing, "-" and "." as "_", brackets dropped).
constexpr std::array<std::string_view, 13> secretKeyNames = {
    "code", "key", "sig",       "pwd", "pass",   "auth",         "authorization",
    "sid",  "otp", "assertion", "jwt", "bearer", "code_verifier"};
constexpr std::array<std::string_view, 10> secretKeyWords = {"token",     "secret", "password", "passwd",
                                                             "signature", "apikey", "api_key",  "credential",
                                                             "private",   "session"};
constexpr std::array<std::string_view, 3> secretKeyEndings = {"_key", "_sig", "_code"};

} // namespace

std::optional<Mode> modeNamed(std::string_view name) {
    if (name.empty() || name == "secrets") return Mode::secrets;
    if (name == "keep-claims") return Mode::keepClaims;
    if (name == "all") return Mode::all;
    return std::nullopt;
}

std::string kindMarker(DetectionKind kind) {
    std::string_view name = kind == DetectionKind::pem ? "PEM" : detection_kind::displayName(kind);
    return "<redacted " + std::string(name) + ">";
}

bool isSecretKey(std::string_view key) {
    std::string name = TextCase::lowercased(key);
    std::replace(name.begin(), name.end(), '-', '_');
    std::replace(name.begin(), name.end(), '.', '_');
    std::erase_if(name, [](char c) { return c == '[' || c == ']'; });
    auto is = [&](std::string_view known) { return name == known; };
    auto holds = [&](std::string_view word) { return name.find(word) != std::string::npos; };
    auto endsIn = [&](std::string_view ending) { return name.ends_with(ending); };
    return std::any_of(secretKeyNames.begin(), secretKeyNames.end(), is) ||
           std::any_of(secretKeyWords.begin(), secretKeyWords.end(), holds) ||
           std::any_of(secretKeyEndings.begin(), secretKeyEndings.end(), endsIn);
}

std::optional<std::size_t> firstSecretStep(const DecodeChain& chain) {
    for (std::size_t i = 0; i < chain.steps.size(); ++i)
        if (ruleFor(chain.steps[i])) return i;
    return std::nullopt;
}

Edits secretEdits(std::string_view text, const DecodeResult& step, Mode mode) {
    Edits out;
    if (const SecretRule* rule = ruleFor(step)) rule->mask(text, step, mode, out);
    return out;
}

DecodeResult maskedStep(std::string_view text, const DecodeResult& step, Mode mode) {
    DecodeResult out = step;
    switch (step.kind) {
    case DetectionKind::pem:
        break; // its output is the label and the key's size: facts only
    case DetectionKind::hash:
        out.output = applyEdits(step.output, secretEdits(step.output, step, mode));
        break;
    case DetectionKind::queryString:
        if (std::optional<DecodeResult> reread =
                QueryStringDetector().decode(applyEdits(text, secretEdits(text, step, mode))))
            out = std::move(*reread);
        else
            out.output = secretMarker(step, mode);
        for (auto& [key, value] : out.details)
            if (isSecretKey(key)) value = lineMarker;
        break;
    default:
        out.output = secretMarker(step, mode);
    }
    return out;
}

Edits wholeTextEdits(std::string_view text, const std::string& marker) {
    Edits out;
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t lineEnd = std::min(text.find('\n', pos), text.size());
        maskContent(text, pos, lineEnd, out.empty() ? marker : lineMarker, out);
        pos = lineEnd + 1;
    }
    return out;
}

std::string secretMarker(const DecodeResult& step, Mode mode) {
    return step.kind == DetectionKind::jwt ? tokenMarker(step, mode) : kindMarker(step.kind);
}

std::string applyEdits(std::string_view text, const Edits& edits) {
    std::string out;
    std::size_t pos = 0;
    for (const Edit& edit : edits) {
        out.append(text.substr(pos, edit.begin - pos));
        out += edit.marker;
        pos = edit.end;
    }
    out.append(text.substr(pos));
    return out;
}

Edits privateKeyBodyEdits(std::string_view text) {
    Edits out;
    for (std::size_t pos = text.find("-----BEGIN "); pos != std::string_view::npos;
         pos = text.find("-----BEGIN ", pos + 1)) {
        std::optional<BeginMarker> marker = beginMarkerAt(text, pos);
        if (marker && isPrivateKeyLabel(marker->label)) maskBody(text, *marker, out);
    }
    return out;
}

std::vector<std::string> secretTexts(const DecodeChain& chain, std::size_t minimum) {
    std::vector<std::string> out;
    auto add = [&](std::string_view secret) {
        if (secret.size() >= minimum) out.emplace_back(secret);
    };
    std::optional<std::size_t> secret = firstSecretStep(chain);
    for (std::size_t i = 0; i < chain.steps.size(); ++i) {
        const DecodeResult& step = chain.steps[i];
        std::string_view text = i == 0 ? chain.input : chain.steps[i - 1].output;
        if (secret && i < *secret) { // an encoding of the secret is as good as the secret
            auto [begin, end] = content(text, 0, text.size());
            add(text.substr(begin, end - begin));
        }
        for (const Edit& edit : secretEdits(text, step, Mode::secrets))
            add(text.substr(edit.begin, edit.end - edit.begin));
        if (step.kind == DetectionKind::queryString)
            for (const auto& [key, value] : step.details)
                if (isSecretKey(key)) add(value);
    }
    return out;
}

} // namespace tindrel::Redaction
