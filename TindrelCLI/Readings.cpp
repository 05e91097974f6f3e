#include "TindrelCLI/Readings.h"

#include "TindrelCLI/ChainReport.h"
#include "TindrelCLI/Output.h"
#include "TindrelCore/Tindrel.h"

#include <charconv>
#include <fmt/format.h>

namespace tindrel::cli {
namespace {

struct Reading {
    std::size_t step; // 1 for the first
    DetectionKind kind;
};

std::optional<Reading> parseReading(std::string_view text) {
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::size_t step = 0;
    std::string_view number = text.substr(0, colon);
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), step);
    if (error != std::errc() || end != number.data() + number.size() || step == 0) return std::nullopt;
    std::optional<DetectionKind> kind = detection_kind::fromRawValue(text.substr(colon + 1));
    if (!kind) return std::nullopt;
    return Reading{step, *kind};
}

const CLI::Validator& readingForm() {
    static const CLI::Validator validator(
        [](const std::string& value) {
            return parseReading(value) ? std::string()
                                       : std::string("must be STEP:KIND, a step from 1 and a kind such as "
                                                     "base64, jwt or unixTimestamp");
        },
        "");
    return validator;
}

std::string refusalText(const RefusedReading& refused, const DecodeChain& chain) {
    std::string reading =
        fmt::format("--reading {}:{}", refused.step + 1, detection_kind::rawValue(refused.kind));
    if (refused.reached)
        return fmt::format("tindrel: {}: step {} cannot be read as {}", reading, refused.step + 1,
                           detection_kind::rawValue(refused.kind));
    return fmt::format("tindrel: {}: the chain ends after {} step{} ({})", reading, chain.steps.size(),
                       chain.steps.size() == 1 ? "" : "s", stopText(chain));
}

} // namespace

CLI::Option* addExtendedFlag(CLI::App& command, bool& extended, CLI::Option* json) {
    return command
        .add_flag("--extended", extended,
                  "With --json: add what the standard document leaves out (each step's other readings, why "
                  "the chain stopped, a PEM bundle's blocks, each scan finding's column)")
        ->needs(json);
}

TindrelJSON::Members jsonMembers(bool extended) {
    return extended ? TindrelJSON::Members::extended : TindrelJSON::Members::standard;
}

CLI::Option* addReadingOption(CLI::App& command, std::vector<std::string>& readings) {
    return command
        .add_option("--reading", readings,
                    "Read step STEP (1 for the first) as KIND rather than as the engine would; repeatable")
        ->check(readingForm())
        ->type_name("STEP:KIND")
        ->allow_extra_args(false); // one STEP:KIND after each --reading; what follows is the text
}

std::optional<DecodeChain> inspectWithReadings(std::string text, const std::vector<std::string>& readings) {
    ChosenReadings chosen;
    for (const std::string& given : readings) {
        Reading reading = *parseReading(given);
        if (!chosen.emplace(reading.step - 1, reading.kind).second) {
            writeError(
                fmt::format("tindrel: --reading: step {} is given more than one reading", reading.step));
            return std::nullopt;
        }
    }
    ReadingOutcome outcome = Tindrel::inspect(std::move(text), chosen);
    if (!outcome.refused) return std::move(outcome.chain);
    writeError(refusalText(*outcome.refused, outcome.chain));
    return std::nullopt;
}

} // namespace tindrel::cli
