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
        std::make_shared<JWTDetector>(),    // 1
        std::make_shared<PlistDetector>(),  // 4
        std::make_shared<XMLDetector>(),    // 5
        std::make_shared<JSONDetector>(),   // 9
        std::make_shared<YAMLDetector>(),   // 10
        std::make_shared<Base64Detector>(), // 16
    };
    return list;
}

} // namespace tindrel
