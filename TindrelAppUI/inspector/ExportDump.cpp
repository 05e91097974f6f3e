#include "TindrelAppUI/inspector/ExportDump.h"

#include "TindrelCore/TindrelJSON.h"
#include "TindrelCore/knowledge/Explainer.h"
#include "TindrelReport/ResultExport.h"

#include <QSaveFile>

namespace tindrel::ExportDump {

std::string text(const DecodeChain& chain, const MediumDateFormatter& mediumDate) {
    std::string result = ResultExport::markdown(chain, std::nullopt, Explainer::nextSteps(chain), mediumDate);
    result += "\n=== JSON ===\n";
    result += TindrelJSON::string(chain);
    return result;
}

bool writeAtomically(const QString& path, const std::string& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    qint64 size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tindrel::ExportDump
