#pragma once

#include "FakeModelServer.h"
#include "TindrelAI/model/LoopbackEndpoint.h"

#include <nlohmann/json.hpp>
#include <string>
#include <utility>

namespace tindrel::testing {

inline std::string modelsPath(ModelAPI api) {
    return api == ModelAPI::ollama ? "/api/tags" : "/v1/models";
}

inline std::string chatPath(ModelAPI api) {
    return api == ModelAPI::ollama ? "/api/chat" : "/v1/chat/completions";
}

// The model each fake server lists first.
inline std::string firstModel(ModelAPI api) {
    return api == ModelAPI::ollama ? "llama3.2:latest" : "local-model.gguf";
}

inline std::string modelList(ModelAPI api) {
    if (api == ModelAPI::ollama)
        return R"({"models":[{"name":"llama3.2:latest","model":"llama3.2:latest"},{"name":"qwen3:4b"}]})";
    return R"({"object":"list","data":[{"id":"local-model.gguf","object":"model"}]})";
}

inline std::string answerBody(ModelAPI api, const std::string& text) {
    nlohmann::json message = {{"role", "assistant"}, {"content", text}};
    if (api == ModelAPI::ollama) return nlohmann::json{{"message", message}, {"done", true}}.dump();
    return nlohmann::json{{"choices", nlohmann::json::array({{{"index", 0}, {"message", message}}})}}.dump();
}

// A server of one API: its model list, the given reply to every chat, 404 for anything else.
inline FakeModelServer::Handler modelServer(ModelAPI api, CannedReply chat, std::string models = {}) {
    if (models.empty()) models = modelList(api);
    return [api, chat = std::move(chat), models = std::move(models)](const RecordedRequest& request) {
        if (request.method == "GET" && request.path == modelsPath(api)) return CannedReply{200, models};
        if (request.method == "POST" && request.path == chatPath(api)) return chat;
        return CannedReply{404, R"({"error":"not found"})"};
    };
}

inline FakeModelServer::Handler answering(ModelAPI api, const std::string& text) {
    return modelServer(api, CannedReply{200, answerBody(api, text)});
}

// A server that shows what it is by answering GET `path` with `body`, and otherwise answers as `server`.
inline FakeModelServer::Handler identifiedBy(std::string path, std::string body,
                                             FakeModelServer::Handler server) {
    return [path = std::move(path), body = std::move(body),
            server = std::move(server)](const RecordedRequest& request) {
        if (request.method == "GET" && request.path == path) return CannedReply{200, body};
        return server(request);
    };
}

// Some other program that speaks both model APIs, like a proxy to a hosted service: it lists models
// and answers chats, but has neither Ollama's version nor llama-server's properties to show.
inline FakeModelServer::Handler impostor(const std::string& text) {
    FakeModelServer::Handler ollama = answering(ModelAPI::ollama, text);
    FakeModelServer::Handler openAI = answering(ModelAPI::openAI, text);
    return [ollama, openAI](const RecordedRequest& request) {
        return request.path.starts_with("/api/") ? ollama(request) : openAI(request);
    };
}

} // namespace tindrel::testing
