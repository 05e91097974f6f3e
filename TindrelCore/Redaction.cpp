#include "TindrelCore/Redaction.h"

#include "TindrelCore/Tindrel.h"
#include "TindrelCore/text/Text.h"

#include <algorithm>

namespace tindrel::Redaction {
namespace {

using Write = std::function<void(std::string_view)>;

// Each byte of an ill-formed sequence becomes "?": valid UTF-8 for the scanner, position for position.
std::string withStandIns(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        Text::Scalar scalar = Text::decodeScalar(text, pos);
        if (scalar.value == Text::Scalar::invalid)
            out.append(scalar.length, '?');
        else
            out.append(text.substr(pos, scalar.length));
        pos += scalar.length;
    }
    return out;
}

// Writes the text with edits applied as they come, in ascending order of their starts. An edit that
// starts inside text already masked masks only what is left of it, so overlapping edits from two
// sources never leave a byte of either unmasked.
class EditWriter {
public:
    EditWriter(std::string_view text, const Write& write)
        : text_(text)
        , write_(write) {}

    void apply(const Edit& edit) {
        if (edit.end <= pos_) return;
        std::size_t begin = std::max(edit.begin, pos_);
        if (begin > pos_) write_(text_.substr(pos_, begin - pos_));
        write_(edit.marker);
        pos_ = edit.end;
        ++masks_;
    }

    std::size_t finish() {
        if (pos_ < text_.size()) write_(text_.substr(pos_));
        return masks_;
    }

private:
    std::string_view text_;
    const Write& write_;
    std::size_t pos_ = 0;
    std::size_t masks_ = 0;
};

// The findings' edits, arriving in text order, merged with the private-key bodies found by their
// markers alone (a key the detector could not read is still a key).
class MergedEdits {
public:
    MergedEdits(EditWriter& writer, Edits keyBodies)
        : writer_(writer)
        , keyBodies_(std::move(keyBodies)) {}

    void add(const Edit& edit) {
        while (next_ < keyBodies_.size() && keyBodies_[next_].begin < edit.begin)
            writer_.apply(keyBodies_[next_++]);
        writer_.apply(edit);
    }

    std::size_t finish() {
        while (next_ < keyBodies_.size())
            writer_.apply(keyBodies_[next_++]);
        return writer_.finish();
    }

private:
    EditWriter& writer_;
    Edits keyBodies_;
    std::size_t next_ = 0;
};

// Secret texts shorter than this are masked where they stand but not hunted down elsewhere: a value
// such as "1" would otherwise wipe out every "1" in a report.
constexpr std::size_t huntedLength = 4;

} // namespace

Edits findingEdits(const ScanFinding& finding, Mode mode) {
    const std::vector<DecodeResult>& steps = finding.chain->steps;
    if (steps.empty()) return {};
    std::optional<std::size_t> secret = firstSecretStep(*finding.chain);
    Edits edits;
    if (mode == Mode::all)
        edits = wholeTextEdits(finding.matchedText(),
                               secret ? secretMarker(steps[*secret], mode) : kindMarker(steps.front().kind));
    else if (!secret)
        return {};
    else if (*secret == 0)
        edits = secretEdits(finding.matchedText(), steps.front(), mode);
    else
        edits = wholeTextEdits(finding.matchedText(), secretMarker(steps[*secret], mode));
    for (Edit& edit : edits) {
        edit.begin += finding.offset;
        edit.end += finding.offset;
    }
    return edits;
}

namespace {

using Scan = std::function<void(std::string_view, const FindingSink&)>;

// Writes the text with the edits of the findings that `scan` hands out, in text order, for the text
// made valid UTF-8 position for position.
std::size_t redactScanned(std::string_view text, Mode mode, const Write& write, const Scan& scan) {
    std::string standIns;
    std::string_view scanned = text;
    if (!Text::isValidUTF8(text)) {
        standIns = withStandIns(text);
        scanned = standIns;
    }
    EditWriter writer(text, write);
    MergedEdits edits(writer, privateKeyBodyEdits(scanned));
    scan(scanned, [&](ScanFinding&& finding) {
        for (const Edit& edit : findingEdits(finding, mode))
            edits.add(edit);
    });
    return edits.finish();
}

} // namespace

std::size_t redact(std::string_view text, Mode mode, const Write& write) {
    return redactScanned(text, mode, write, [](std::string_view scanned, const FindingSink& each) {
        Tindrel::scan(scanned, each);
    });
}

// The stand-ins keep the text valid UTF-8, so the stream scans it where it stands, at the positions
// of the text itself.
std::size_t redactLog(std::string_view text, Mode mode, const Write& write) {
    return redactScanned(text, mode, write, [](std::string_view scanned, const FindingSink& each) {
        ScanStream stream = Tindrel::scanStream(each);
        stream.feed(scanned, true);
        stream.finish();
    });
}

std::string redact(std::string_view text, Mode mode) {
    std::string out;
    out.reserve(text.size());
    redact(text, mode, [&out](std::string_view piece) { out += piece; });
    return out;
}

std::string redactedInput(const DecodeChain& chain, Mode mode) {
    if (firstSecretStep(chain) != 0) return redact(chain.input, mode);
    return redact(applyEdits(chain.input, secretEdits(chain.input, chain.steps.front(), mode)), mode);
}

DecodeChain redactedChain(const DecodeChain& chain, Mode mode) {
    DecodeChain out = chain;
    out.input = redactedInput(chain, mode);
    std::optional<std::size_t> secret = firstSecretStep(chain);
    for (std::size_t i = 0; i < chain.steps.size(); ++i) {
        const DecodeResult& step = chain.steps[i];
        std::string_view decoded = i == 0 ? std::string_view(chain.input) : chain.steps[i - 1].output;
        DecodeResult& shown = out.steps[i];
        if (secret && i == *secret)
            shown = maskedStep(decoded, step, mode);
        else if (secret && i > *secret)
            shown.output = secretMarker(chain.steps[*secret], mode);
        else if (secret && i + 1 == *secret)
            shown.output = applyEdits(step.output, secretEdits(step.output, chain.steps[*secret], mode));
        else
            shown.output = redact(step.output, mode);
        if (mode == Mode::all) shown.output = kindMarker(step.kind);
    }
    return out;
}

std::string withoutSecretsOf(std::string text, const DecodeChain& chain) {
    std::vector<std::string> secrets = secretTexts(chain, huntedLength);
    // Longest first, so that a secret holding another is masked whole.
    std::sort(secrets.begin(), secrets.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    const std::string marker = "<redacted>";
    for (const std::string& secret : secrets)
        for (std::size_t pos = text.find(secret); pos != std::string::npos;
             pos = text.find(secret, pos + marker.size()))
            text.replace(pos, secret.size(), marker);
    return text;
}

} // namespace tindrel::Redaction
