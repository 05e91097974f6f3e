#include "TindrelCore/ChainEngine.h"
#include "TindrelCore/detectors/Base64Detector.h"
#include "TindrelCore/detectors/JSONDetector.h"
#include "TindrelCore/detectors/JWTDetector.h"
#include "TindrelCore/detectors/PlistDetector.h"
#include "TindrelCore/detectors/XMLDetector.h"
#include "TindrelCore/detectors/YAMLDetector.h"

namespace tindrel {

// Position in this list is the tie-break order: the earlier detector wins at equal confidence.
const DetectorList& defaultDetectors() {
    static const DetectorList list = {
        std::make_shared<JWTDetector>(),  std::make_shared<PlistDetector>(),
        std::make_shared<XMLDetector>(),  std::make_shared<JSONDetector>(),
        std::make_shared<YAMLDetector>(), std::make_shared<Base64Detector>(),
    };
    return list;
}

} // namespace tindrel
