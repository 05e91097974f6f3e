#include "TindrelAI/model/ModelSettings.h"

#include "TindrelCore/text/TextCase.h"

#include <cstdlib>
#include <mutex>

namespace tindrel {
namespace {

constexpr int ollamaPort = 11434;

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

// Any value but "0" turns the model off: "true" or "yes" mean what "1" means.
bool noModelVariable() {
    std::optional<std::string> value = variable("TINDREL_NO_MODEL");
    return value && *value != "0";
}

bool isWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::optional<std::string> nonEmpty(std::optional<std::string> value) {
    if (value && value->empty()) return std::nullopt;
    return value;
}

struct Configured {
    std::mutex mutex;
    std::optional<std::string> url;
    std::optional<std::string> model;
    bool noModel = false;
};

Configured& configured() {
    static Configured values;
    return values;
}

ModelEndpoint fixedEndpoint(int port, ModelAPI api, ServerIdentity identity) {
    return ModelEndpoint{"http", "127.0.0.1", port, "", {"127.0.0.1"}, api, identity};
}

// OLLAMA_HOST is often a listening address such as "0.0.0.0"; the client side of that is loopback.
std::optional<ModelEndpoint> ollamaHostEndpoint(std::string host) {
    std::size_t hostStart = host.find("://");
    hostStart = hostStart == std::string::npos ? 0 : hostStart + 3;
    for (std::string_view wildcard : {"0.0.0.0", "[::]"})
        if (std::string_view(host).substr(hostStart).starts_with(wildcard))
            host.replace(hostStart, wildcard.size(), wildcard == "[::]" ? "[::1]" : "127.0.0.1");
    if (hostStart < host.size() && host[hostStart] == ':') host.insert(hostStart, "127.0.0.1");
    EndpointOrReason parsed = parseEndpoint(host, ollamaPort);
    auto* endpoint = std::get_if<ModelEndpoint>(&parsed);
    if (endpoint == nullptr) return std::nullopt;
    endpoint->api = ModelAPI::ollama;
    endpoint->identity = ServerIdentity::ollama;
    return *endpoint;
}

} // namespace

ModelSettings ModelSettings::fromEnvironment() {
    return {variable("TINDREL_MODEL_URL"), variable("TINDREL_MODEL"), variable("OLLAMA_HOST"),
            noModelVariable()};
}

void ModelSettings::configure(std::optional<std::string> url, std::optional<std::string> model) {
    Configured& values = configured();
    std::lock_guard lock(values.mutex);
    values.url = nonEmpty(std::move(url));
    values.model = nonEmpty(std::move(model));
}

void ModelSettings::configureNoModel(bool noModel) {
    Configured& values = configured();
    std::lock_guard lock(values.mutex);
    values.noModel = noModel;
}

ModelSettings ModelSettings::current() {
    ModelSettings settings = fromEnvironment();
    Configured& values = configured();
    std::lock_guard lock(values.mutex);
    if (values.url) settings.url = values.url;
    if (values.model) settings.model = values.model;
    settings.noModel = settings.noModel || values.noModel;
    return settings;
}

std::variant<std::vector<ModelEndpoint>, ModelUnavailability>
endpointCandidates(const ModelSettings& settings) {
    if (settings.url) {
        EndpointOrReason parsed = parseEndpoint(*settings.url);
        if (auto* reason = std::get_if<ModelUnavailability>(&parsed)) return *reason;
        ModelEndpoint endpoint = std::get<ModelEndpoint>(std::move(parsed));
        // An address ending in /v1 is the usual way to name an OpenAI-compatible server.
        if (endpoint.basePath.ends_with("/v1")) endpoint.api = ModelAPI::openAI;
        return std::vector<ModelEndpoint>{std::move(endpoint)};
    }
    std::optional<ModelEndpoint> ollama;
    if (settings.ollamaHost) ollama = ollamaHostEndpoint(*settings.ollamaHost);
    return std::vector<ModelEndpoint>{
        ollama.value_or(fixedEndpoint(ollamaPort, ModelAPI::ollama, ServerIdentity::ollama)),
        fixedEndpoint(8080, ModelAPI::openAI, ServerIdentity::llamaServer),
        fixedEndpoint(9931, ModelAPI::openAI, ServerIdentity::llamaServer)};
}

bool isCloudModelName(std::string_view model) {
    while (!model.empty()) {
        std::size_t start = 0;
        while (start < model.size() && !isWordCharacter(model[start]))
            ++start;
        std::size_t end = start;
        while (end < model.size() && isWordCharacter(model[end]))
            ++end;
        if (TextCase::lowercased(model.substr(start, end - start)) == "cloud") return true;
        model.remove_prefix(end);
    }
    return false;
}

} // namespace tindrel
