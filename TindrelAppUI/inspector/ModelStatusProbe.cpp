#include "TindrelAppUI/inspector/ModelStatusProbe.h"

#include "TindrelAI/model/FoundationModelExplainer.h"
#include "TindrelAI/model/ModelUnavailability.h"

#include <array>

namespace tindrel {
namespace {

class LocalModelProbe final : public ModelStatusProbe {
public:
    std::optional<std::string> unavailabilityReason() override {
        return FoundationModelExplainer::unavailabilityReason();
    }
};

struct ReasonText {
    ModelUnavailability reason;
    const char* text;
};

constexpr std::array<ReasonText, 8> reasonTexts = {{
    {ModelUnavailability::invalidEndpoint,
     "The server address can't be read. Use a form like http://127.0.0.1:11434."},
    {ModelUnavailability::nonLocalEndpoint,
     "The server address points to another machine. Tindrel only talks to a model on this computer."},
    {ModelUnavailability::serverUnreachable,
     "Nothing answers at the server address. Start Ollama or llama-server, or check the address."},
    {ModelUnavailability::unsupportedServer,
     "Something answers at the server address, but it isn't a model server Tindrel understands."},
    {ModelUnavailability::noModelInstalled, "The model server is running but has no model installed yet."},
    {ModelUnavailability::modelNotFound, "The model server doesn't have the model named here."},
    {ModelUnavailability::nonLocalModel,
     "That model would run on a remote service, so Tindrel won't use it."},
    {ModelUnavailability::modelTurnedOff,
     "TINDREL_NO_MODEL is set, so Tindrel contacts no model and explains from its templates."},
}};

} // namespace

std::shared_ptr<ModelStatusProbe> makeLocalModelProbe() {
    return std::make_shared<LocalModelProbe>();
}

QString modelUnavailabilityText(std::string_view reason) {
    for (const ReasonText& entry : reasonTexts)
        if (reasonName(entry.reason) == reason) return QString::fromUtf8(entry.text);
    return QStringLiteral("The local model can't be used right now.");
}

} // namespace tindrel
