#include "TindrelCore/ChainEngine.h"
#include "TindrelCore/detectors/Base32Detector.h"
#include "TindrelCore/detectors/Base58Detector.h"
#include "TindrelCore/detectors/Base64Detector.h"
#include "TindrelCore/detectors/HTMLEntitiesDetector.h"
#include "TindrelCore/detectors/HexDetector.h"
#include "TindrelCore/detectors/JSONDetector.h"
#include "TindrelCore/detectors/JWTDetector.h"
#include "TindrelCore/detectors/URLEncodingDetector.h"
#include "TindrelCore/detectors/UUIDDetector.h"
#include "TindrelCore/detectors/UnicodeEscapeDetector.h"
#include "TindrelCore/detectors/UnixTimestampDetector.h"

namespace tindrel {

// Position in this list is the tie-break order: the earlier detector wins at equal confidence.
const DetectorList& defaultDetectors() {
    static const DetectorList list = {
        std::make_shared<JWTDetector>(),           std::make_shared<URLEncodingDetector>(),
        std::make_shared<JSONDetector>(),          std::make_shared<UUIDDetector>(),
        std::make_shared<UnixTimestampDetector>(), std::make_shared<HTMLEntitiesDetector>(),
        std::make_shared<UnicodeEscapeDetector>(), std::make_shared<Base64Detector>(),
        std::make_shared<Base32Detector>(),        std::make_shared<Base58Detector>(),
        std::make_shared<HexDetector>(),
    };
    return list;
}

} // namespace tindrel
