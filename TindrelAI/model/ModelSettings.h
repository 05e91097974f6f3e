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
    bool noModel = false;                  // TINDREL_NO_MODEL or --no-model: nothing is contacted at all

    // Empty variables count as unset; TINDREL_NO_MODEL counts as set for any value but "0". Variables
    // that usually point at hosted services are never read.
    static ModelSettings fromEnvironment();

    // What the app's own settings name replaces the matching variable for the whole process; an empty
    // or absent value gives the variable back. Safe to call from any thread.
    static void configure(std::optional<std::string> url, std::optional<std::string> model);
    // Rules out the model for the whole process, whatever the environment says; false gives the choice
    // back to TINDREL_NO_MODEL. Safe to call from any thread.
    static void configureNoModel(bool noModel);
    // The configured values first, then the environment. What every model call uses.
    static ModelSettings current();
};

// The servers to try in order, or why none may be tried. An explicit URL is the only candidate and is
// taken as it is; otherwise Ollama (at OLLAMA_HOST when local, else 127.0.0.1:11434), then llama-server's
// usual ports, each used only once it has shown itself to be that server.
std::variant<std::vector<ModelEndpoint>, ModelUnavailability>
endpointCandidates(const ModelSettings& settings);

// A name that a local Ollama would forward to its hosted service: "cloud" stands as a word of its own
// anywhere in it, in any case, words being runs of ASCII letters and digits ("gpt-oss:120b-cloud",
// "glm-4.6:cloud", "kimi-k2:1t-cloud:latest", "x:cloud@sha256:…"). "cloudy" or "soundcloud" are other
// words; a local model that someone named "my-cloud-model" is refused too, which errs on the safe side.
bool isCloudModelName(std::string_view model);

} // namespace tindrel
