#include "TindrelAI/model/ChatProtocol.h"

#include "TindrelAI/model/ModelSettings.h"
#include "TindrelCore/formats/JSONUtil.h"
#include "TindrelCore/text/Text.h"

namespace tindrel::ChatProtocol {
namespace {

using nlohmann::json;

std::string openAIRoot(std::string_view basePath) {
    return basePath.ends_with("/v1") ? std::string() : std::string("/v1");
}

const json* member(const json& object, const char* key) {
    if (!object.is_object()) return nullptr;
    auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

std::optional<std::string> stringMember(const json& object, const char* key) {
    const json* value = member(object, key);
    if (value == nullptr || !value->is_string()) return std::nullopt;
    return value->get<std::string>();
}

bool isLlamaServerProperties(const json& properties) {
    const json* settings = member(properties, "default_generation_settings");
    const json* slots = member(properties, "total_slots");
    const json* build = member(properties, "build_info");
    return settings != nullptr && settings->is_object() &&
           ((slots != nullptr && slots->is_number_integer()) || (build != nullptr && build->is_string()));
}

bool isOllamaVersion(const json& version) {
    std::optional<std::string> number = stringMember(version, "version");
    return number && !number->empty();
}

std::optional<ListedModel> listedModel(ModelAPI api, const json& entry) {
    std::optional<std::string> name = stringMember(entry, api == ModelAPI::ollama ? "name" : "id");
    if (!name && api == ModelAPI::ollama) name = stringMember(entry, "model");
    if (!name) return std::nullopt;
    // Ollama marks models it forwards to its hosted service with the remote host.
    bool remote = member(entry, "remote_host") != nullptr || member(entry, "remote_model") != nullptr;
    return ListedModel{*name, remote || isCloudModelName(*name)};
}

bool sameModel(std::string_view listed, std::string_view wanted) {
    constexpr std::string_view defaultTag = ":latest";
    return listed == wanted || (listed.size() == wanted.size() + defaultTag.size() &&
                                listed.starts_with(wanted) && listed.ends_with(defaultTag));
}

std::optional<std::string> answerText(ModelAPI api, const json& document) {
    if (api == ModelAPI::ollama) {
        const json* message = member(document, "message");
        return message == nullptr ? std::nullopt : stringMember(*message, "content");
    }
    const json* choices = member(document, "choices");
    if (choices == nullptr || !choices->is_array() || choices->empty()) return std::nullopt;
    const json* message = member(choices->front(), "message");
    return message == nullptr ? std::nullopt : stringMember(*message, "content");
}

// Reasoning models may think aloud before answering; the thinking is not the explanation.
std::optional<std::string_view> withoutReasoning(std::string_view text) {
    constexpr std::string_view open = "<think>", close = "</think>";
    text = Text::trim(text);
    if (!text.starts_with(open)) return text;
    std::size_t end = text.find(close);
    if (end == std::string_view::npos) return std::nullopt;
    return Text::trim(text.substr(end + close.size()));
}

} // namespace

std::string identityPath(ServerIdentity identity) {
    return identity == ServerIdentity::ollama ? "/api/version" : "/props";
}

bool identifies(ServerIdentity identity, std::string_view body) {
    if (identity == ServerIdentity::named) return true;
    std::optional<json> document = JSONUtil::parse(body);
    if (!document) return false;
    return identity == ServerIdentity::ollama ? isOllamaVersion(*document)
                                              : isLlamaServerProperties(*document);
}

std::string modelsPath(ModelAPI api, std::string_view basePath) {
    return api == ModelAPI::ollama ? "/api/tags" : openAIRoot(basePath) + "/models";
}

std::string chatPath(ModelAPI api, std::string_view basePath) {
    return api == ModelAPI::ollama ? "/api/chat" : openAIRoot(basePath) + "/chat/completions";
}

std::optional<std::vector<ListedModel>> parseModelList(ModelAPI api, std::string_view body) {
    std::optional<json> document = JSONUtil::parse(body);
    if (!document) return std::nullopt;
    const json* entries = member(*document, api == ModelAPI::ollama ? "models" : "data");
    if (entries == nullptr || !entries->is_array()) return std::nullopt;
    std::vector<ListedModel> models;
    for (const json& entry : *entries)
        if (std::optional<ListedModel> model = listedModel(api, entry)) models.push_back(std::move(*model));
    return models;
}

std::optional<ListedModel> chooseModel(const std::vector<ListedModel>& models,
                                       const std::optional<std::string>& wanted) {
    for (const ListedModel& model : models)
        if (wanted ? sameModel(model.name, *wanted) : !model.remote) return model;
    return std::nullopt;
}

std::optional<std::string> chatRequest(std::string_view model, std::string_view instructions,
                                       std::string_view prompt) {
    json messages = json::array({
        json{{"role", "system"}, {"content", std::string(instructions)}},
        json{{"role", "user"}, {"content", std::string(prompt)}},
    });
    return JSONUtil::write(json{{"model", std::string(model)}, {"messages", messages}, {"stream", false}},
                           false);
}

std::optional<std::string> parseChatAnswer(ModelAPI api, std::string_view body) {
    std::optional<json> document = JSONUtil::parse(body);
    if (!document) return std::nullopt;
    std::optional<std::string> text = answerText(api, *document);
    if (!text) return std::nullopt;
    std::optional<std::string_view> answer = withoutReasoning(*text);
    if (!answer || answer->empty()) return std::nullopt;
    return std::string(*answer);
}

} // namespace tindrel::ChatProtocol
