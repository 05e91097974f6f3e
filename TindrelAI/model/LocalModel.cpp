#include "TindrelAI/model/LocalModel.h"

#include "TindrelAI/model/ChatProtocol.h"
#include "TindrelAI/model/LoopbackHTTP.h"

#include <variant>

namespace tindrel::LocalModel {
namespace {

using ConnectionOrReason = std::variant<ModelConnection, ModelUnavailability>;

ConnectionOrReason connectionFor(const ModelEndpoint& endpoint,
                                 const std::vector<ChatProtocol::ListedModel>& models,
                                 const std::optional<std::string>& wanted) {
    if (models.empty()) return ModelUnavailability::noModelInstalled;
    std::optional<ChatProtocol::ListedModel> chosen = ChatProtocol::chooseModel(models, wanted);
    if (!chosen) return wanted ? ModelUnavailability::modelNotFound : ModelUnavailability::nonLocalModel;
    if (chosen->remote) return ModelUnavailability::nonLocalModel;
    return ModelConnection{endpoint, chosen->name};
}

HttpCall probeCall(std::string path, const ModelLimits& limits) {
    return HttpCall{std::move(path), std::nullopt, limits.probeTimeout, limits.probeTimeout,
                    limits.maxResponseBytes};
}

// Nothing when the server showed itself to be what the endpoint expects; why not otherwise.
std::optional<ModelUnavailability> identityRefusal(const ModelEndpoint& endpoint, const ModelLimits& limits,
                                                   const Cancellation& cancellation) {
    if (endpoint.identity == ServerIdentity::named) return std::nullopt;
    HttpCall call = probeCall(ChatProtocol::identityPath(endpoint.identity), limits);
    HttpResponse response = LoopbackHTTP::send(endpoint, call, cancellation);
    if (response.outcome == HttpResponse::Outcome::unreachable) return ModelUnavailability::serverUnreachable;
    if (response.isSuccess() && ChatProtocol::identifies(endpoint.identity, response.body))
        return std::nullopt;
    return ModelUnavailability::unsupportedServer;
}

ConnectionOrReason probeEndpoint(ModelEndpoint endpoint, const std::optional<std::string>& wanted,
                                 const ModelLimits& limits, const Cancellation& cancellation) {
    if (auto refusal = identityRefusal(endpoint, limits, cancellation)) return *refusal;
    std::vector<ModelAPI> apis = {endpoint.api};
    if (endpoint.api == ModelAPI::unknown) apis = {ModelAPI::ollama, ModelAPI::openAI};
    for (ModelAPI api : apis) {
        HttpCall call = probeCall(ChatProtocol::modelsPath(api, endpoint.basePath), limits);
        HttpResponse response = LoopbackHTTP::send(endpoint, call, cancellation);
        if (response.outcome == HttpResponse::Outcome::unreachable)
            return ModelUnavailability::serverUnreachable;
        std::optional<std::vector<ChatProtocol::ListedModel>> models;
        if (response.isSuccess()) models = ChatProtocol::parseModelList(api, response.body);
        if (!models) continue;
        endpoint.api = api;
        return connectionFor(endpoint, *models, wanted);
    }
    return ModelUnavailability::unsupportedServer;
}

// A model server that answered says more than a port with nothing behind it, which says more than
// some other program answering on a port that model servers also use.
int weight(ModelUnavailability reason) {
    switch (reason) {
    case ModelUnavailability::unsupportedServer:
        return 0;
    case ModelUnavailability::serverUnreachable:
        return 1;
    default:
        return 2;
    }
}

} // namespace

ModelProbe probe(const ModelSettings& settings, const ModelLimits& limits, const Cancellation& cancellation) {
    // Both refused before anything is contacted.
    if (settings.noModel) return {std::nullopt, ModelUnavailability::modelTurnedOff};
    if (settings.model && isCloudModelName(*settings.model))
        return {std::nullopt, ModelUnavailability::nonLocalModel};
    auto candidates = endpointCandidates(settings);
    if (auto* refusal = std::get_if<ModelUnavailability>(&candidates)) return {std::nullopt, *refusal};
    return probeEndpoints(std::get<std::vector<ModelEndpoint>>(candidates), settings.model, limits,
                          cancellation);
}

ModelProbe probeEndpoints(const std::vector<ModelEndpoint>& candidates,
                          const std::optional<std::string>& model, const ModelLimits& limits,
                          const Cancellation& cancellation) {
    std::optional<ModelUnavailability> reason;
    for (const ModelEndpoint& endpoint : candidates) {
        ConnectionOrReason found = probeEndpoint(endpoint, model, limits, cancellation);
        if (auto* connection = std::get_if<ModelConnection>(&found))
            return ModelProbe{std::move(*connection)};
        ModelUnavailability why = std::get<ModelUnavailability>(found);
        if (!reason || weight(why) > weight(*reason)) reason = why;
    }
    return {std::nullopt, reason.value_or(ModelUnavailability::serverUnreachable)};
}

std::optional<std::string> chat(const ModelConnection& connection, std::string_view instructions,
                                std::string_view prompt, const ModelLimits& limits,
                                const Cancellation& cancellation) {
    std::optional<std::string> body = ChatProtocol::chatRequest(connection.model, instructions, prompt);
    if (!body) return std::nullopt;
    const ModelEndpoint& endpoint = connection.endpoint;
    HttpCall call{ChatProtocol::chatPath(endpoint.api, endpoint.basePath), std::move(body),
                  limits.probeTimeout, limits.answerTimeout, limits.maxResponseBytes};
    HttpResponse response = LoopbackHTTP::send(endpoint, call, cancellation);
    if (!response.isSuccess() || cancellation.isCancelled()) return std::nullopt;
    return ChatProtocol::parseChatAnswer(endpoint.api, response.body);
}

std::optional<std::string> respond(std::string_view instructions, std::string_view prompt,
                                   const ModelLimits& limits, const Cancellation& cancellation) {
    ModelProbe found = probe(ModelSettings::current(), limits, cancellation);
    if (!found.connection) return std::nullopt;
    return chat(*found.connection, instructions, prompt, limits, cancellation);
}

} // namespace tindrel::LocalModel
