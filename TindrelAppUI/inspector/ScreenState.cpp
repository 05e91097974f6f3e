#include "TindrelAppUI/inspector/ScreenState.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"

namespace tindrel {

bool sameChain(const SharedChain& a, const SharedChain& b) {
    return a == b || (a && b && *a == *b);
}

std::optional<QString> ScreenState::chip() const {
    switch (scene) {
    case Scene::single:
        return singleChain ? ScreenTexts::singleChip(*singleChain) : std::nullopt;
    case Scene::scan:
        return ScreenTexts::scanChip(findings.size());
    case Scene::empty:
    case Scene::unrecognized:
    case Scene::decoding:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> ScreenState::readyExplanation() const {
    if (insight != Insight::ready) return std::nullopt;
    return explanation;
}

} // namespace tindrel
