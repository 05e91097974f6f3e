#include "TindrelCore/Tindrel.h"
#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/text/Text.h"

#include <cstdint>
#include <string>

// Scans any bytes (made valid UTF-8 first, as every caller does) and checks what every scan must
// hold: findings in text order, each a recognised, non-empty span of the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = tindrel::Text::sanitizeUTF8({reinterpret_cast<const char*>(data), size});
    std::vector<tindrel::ScanFinding> findings = tindrel::Tindrel::scan(text);
    std::size_t line = 1;
    for (const tindrel::ScanFinding& finding : findings) {
        bool sound = finding.line >= line && !finding.matchedText.empty() && finding.chain.isRecognized() &&
                     finding.chain.input == finding.matchedText &&
                     text.find(finding.matchedText) != std::string::npos;
        if (!sound) __builtin_trap();
        line = finding.line;
    }
    (void)tindrel::TindrelJSON::string(findings);
    return 0;
}
