#pragma once

#include "TindrelAI/Cancellation.h"
#include "TindrelAI/model/ModelSettings.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tindrel {

struct ModelLimits {
    // Asking whether a server is there: loopback answers at once or not at all.
    std::chrono::milliseconds probeTimeout{400};
    // One generation; a cold model load alone can take a minute or more.
    std::chrono::milliseconds answerTimeout{120'000};
    std::size_t maxResponseBytes = std::size_t{4} << 20;
};

// A server that answered with its model list, and the model chosen from it.
struct ModelConnection {
    ModelEndpoint endpoint; // its api is known
    std::string model;
};

struct ModelProbe {
    std::optional<ModelConnection> connection;
    ModelUnavailability reason = ModelUnavailability::serverUnreachable; // without a connection
};

// The local model server: found afresh at every call, one stateless chat per question.
namespace LocalModel {

// With the model turned off or a cloud model named, answers at once without contacting anything;
// otherwise probes the candidates of endpointCandidates.
ModelProbe probe(const ModelSettings& settings, const ModelLimits& limits, const Cancellation& cancellation);

// Asks each candidate in turn for what it is, where it must show that, and for its model list (short
// GETs without a body), and picks the model from the first that answers as a model server.
ModelProbe probeEndpoints(const std::vector<ModelEndpoint>& candidates,
                          const std::optional<std::string>& model, const ModelLimits& limits,
                          const Cancellation& cancellation);

// One fresh exchange: the instructions as the system message, the prompt as the user message.
// The trimmed answer, or nothing on any failure, an empty answer or cancellation.
std::optional<std::string> chat(const ModelConnection& connection, std::string_view instructions,
                                std::string_view prompt, const ModelLimits& limits,
                                const Cancellation& cancellation);

// probe with the current settings, then chat.
std::optional<std::string> respond(std::string_view instructions, std::string_view prompt,
                                   const ModelLimits& limits, const Cancellation& cancellation);

} // namespace LocalModel
} // namespace tindrel
