#pragma once

#include <string_view>

namespace tindrel {

// Why the local model cannot be used right now.
enum class ModelUnavailability {
    invalidEndpoint,   // the configured URL cannot be read
    nonLocalEndpoint,  // the URL names a machine other than this one: nothing is contacted
    serverUnreachable, // nothing answers at the address
    unsupportedServer, // something answers, but speaks neither model API
    noModelInstalled,  // the server lists no model at all
    modelNotFound,     // the configured model is not among those the server lists
    nonLocalModel,     // the model would be run by a remote service
    modelTurnedOff,    // TINDREL_NO_MODEL or --no-model: nothing is contacted
};

// The case name, e.g. "serverUnreachable".
std::string_view reasonName(ModelUnavailability reason);

} // namespace tindrel
