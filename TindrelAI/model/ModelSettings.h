#pragma once

#include "TindrelAI/model/LoopbackEndpoint.h"

#include <optional>
#include <string>
#include <vector>

namespace tindrel {

// Where the local model server is and which model to use; read afresh at every call.
struct ModelSettings {
    std::optional<std::string> url;        // TINDREL_MODEL_URL
    std::optional<std::string> model;      // TINDREL_MODEL
    std::optional<std::string> ollamaHost; // OLLAMA_HOST, used only when it names this machine

    // Empty variables count as unset. Variables that usually point at hosted services are never read.
    static ModelSettings fromEnvironment();

    // What the app's own settings name replaces the matching variable for the whole process; an empty
    // or absent value gives the variable back. Safe to call from any thread.
    static void configure(std::optional<std::string> url, std::optional<std::string> model);
    // The configured values first, then the environment. What every model call uses.
    static ModelSettings current();
};

// The servers to try in order, or why none may be tried. An explicit URL is the only candidate;
// otherwise Ollama (at OLLAMA_HOST when local, else 127.0.0.1:11434), then llama-server's usual ports.
std::variant<std::vector<ModelEndpoint>, ModelUnavailability>
endpointCandidates(const ModelSettings& settings);

// A name that a local Ollama would forward to its hosted service (":cloud" or "-cloud" at the end).
bool isCloudModelName(std::string_view model);

} // namespace tindrel
