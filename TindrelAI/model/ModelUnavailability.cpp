#include "TindrelAI/model/ModelUnavailability.h"

namespace tindrel {

std::string_view reasonName(ModelUnavailability reason) {
    switch (reason) {
    case ModelUnavailability::invalidEndpoint:
        return "invalidEndpoint";
    case ModelUnavailability::nonLocalEndpoint:
        return "nonLocalEndpoint";
    case ModelUnavailability::serverUnreachable:
        return "serverUnreachable";
    case ModelUnavailability::unsupportedServer:
        return "unsupportedServer";
    case ModelUnavailability::noModelInstalled:
        return "noModelInstalled";
    case ModelUnavailability::modelNotFound:
        return "modelNotFound";
    case ModelUnavailability::modelTurnedOff:
        return "modelTurnedOff";
    case ModelUnavailability::nonLocalModel:
        break;
    }
    return "nonLocalModel";
}

} // namespace tindrel
