#include "TindrelCore/detectors/Base32Detector.h"
#include "TindrelCore/detectors/Base58Detector.h"
#include "TindrelCore/detectors/Base64Detector.h"
#include "TindrelCore/detectors/GzipDetector.h"
#include "TindrelCore/detectors/HTMLEntitiesDetector.h"
#include "TindrelCore/detectors/HashDetector.h"
#include "TindrelCore/detectors/HexDetector.h"
#include "TindrelCore/detectors/JSONDetector.h"
#include "TindrelCore/detectors/JWTDetector.h"
#include "TindrelCore/detectors/PEMDetector.h"
#include "TindrelCore/detectors/PlistDetector.h"
#include "TindrelCore/detectors/QueryStringDetector.h"
#include "TindrelCore/detectors/URLEncodingDetector.h"
#include "TindrelCore/detectors/UUIDDetector.h"
#include "TindrelCore/detectors/UnicodeEscapeDetector.h"
#include "TindrelCore/detectors/UnixTimestampDetector.h"
#include "TindrelCore/detectors/XMLDetector.h"
#include "TindrelCore/detectors/YAMLDetector.h"
#include "TindrelCore/detectors/ZlibDetector.h"
#include "TindrelCore/engine/ChainEngine.h"

namespace tindrel {

// Position in this list is the tie-break order: the earlier detector wins at equal confidence.
const DetectorList& defaultDetectors() {
    static const DetectorList list = {
        std::make_shared<JWTDetector>(),           // 1
        std::make_shared<PEMDetector>(),           // 2
        std::make_shared<HashDetector>(),          // 3
        std::make_shared<PlistDetector>(),         // 4
        std::make_shared<XMLDetector>(),           // 5
        std::make_shared<URLEncodingDetector>(),   // 6
        std::make_shared<GzipDetector>(),          // 7
        std::make_shared<ZlibDetector>(),          // 8
        std::make_shared<JSONDetector>(),          // 9
        std::make_shared<YAMLDetector>(),          // 10
        std::make_shared<UUIDDetector>(),          // 11
        std::make_shared<UnixTimestampDetector>(), // 12
        std::make_shared<QueryStringDetector>(),   // 13
        std::make_shared<HTMLEntitiesDetector>(),  // 14
        std::make_shared<UnicodeEscapeDetector>(), // 15
        std::make_shared<Base64Detector>(),        // 16
        std::make_shared<Base32Detector>(),        // 17
        std::make_shared<Base58Detector>(),        // 18
        std::make_shared<HexDetector>(),           // 19
    };
    return list;
}

} // namespace tindrel
