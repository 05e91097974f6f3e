#pragma once

#include "TindrelAI/model/LoopbackEndpoint.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The JSON both model APIs exchange: the model list, one non-streamed chat request and its answer.
namespace tindrel::ChatProtocol {

struct ListedModel {
    std::string name;
    bool remote = false; // run by a hosted service that the local server forwards to

    bool operator==(const ListedModel&) const = default;
};

// Paths below the endpoint's base path.
std::string identityPath(ServerIdentity identity); // for a server that must show what it is
std::string modelsPath(ModelAPI api, std::string_view basePath);
std::string chatPath(ModelAPI api, std::string_view basePath);

// Whether the body is that server's own answer to identityPath: Ollama's version object, or llama-server's
// properties with their default generation settings and its slot count or build (a router instance
// shows no slots). Any body will do for a server the person named.
bool identifies(ServerIdentity identity, std::string_view body);

// Nothing when the body is not that API's model list.
std::optional<std::vector<ListedModel>> parseModelList(ModelAPI api, std::string_view body);

// The configured model as the server lists it, or, with none configured, the first local one.
std::optional<ListedModel> chooseModel(const std::vector<ListedModel>& models,
                                       const std::optional<std::string>& wanted);

// The instructions as the system message, the prompt as the one user message, no streaming; both APIs
// take the same body. Nothing when a text cannot be written as JSON.
std::optional<std::string> chatRequest(std::string_view model, std::string_view instructions,
                                       std::string_view prompt);

// The answer text trimmed, with a leading reasoning block removed; nothing when the body is not an
// answer or nothing is left.
std::optional<std::string> parseChatAnswer(ModelAPI api, std::string_view body);

} // namespace tindrel::ChatProtocol
