#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tindrel {

// Asks whether the local model can be used right now. May wait on the network, so it is never
// called on the GUI thread.
class ModelStatusProbe {
public:
    virtual ~ModelStatusProbe() = default;
    // Nothing when the model is there; otherwise the case name of the reason ("serverUnreachable", …).
    virtual std::optional<std::string> unavailabilityReason() = 0;
};

// The explanation layer's own probe, with the settings in force at the moment of the call.
std::shared_ptr<ModelStatusProbe> makeLocalModelProbe();

// One plain sentence saying why, for a reason's case name; a general one for a name it does not know.
QString modelUnavailabilityText(std::string_view reason);

} // namespace tindrel
