#include "TindrelAppUI/inspector/ScreenTexts.h"

#include "TindrelCore/text/Text.h"

#include <cmath>

namespace tindrel::ScreenTexts {

std::optional<QString> singleChip(const DecodeChain& chain) {
    if (chain.steps.empty()) return std::nullopt;
    const DecodeResult& first = chain.steps.front();
    const QString name = QString::fromStdString(std::string(detection_kind::displayName(first.kind)));
    return first.confidence < 0.75 ? QStringLiteral("Possible ") + name : name;
}

QString scanChip(std::size_t findings) {
    return QStringLiteral("Log \u00B7 %1 found").arg(static_cast<qulonglong>(findings));
}

QString findingCount(std::size_t findings) {
    return QStringLiteral("%1 finding%2")
        .arg(static_cast<qulonglong>(findings))
        .arg(findings == 1 ? "" : "s");
}

QString embeddedBanner(int count) {
    return QStringLiteral("Also found %1 embedded items in this input.").arg(count);
}

QString confidencePercent(double confidence) {
    return QStringLiteral("%1%").arg(static_cast<long long>(std::lround(confidence * 100)));
}

QString alternativeReading(DetectionKind kind, double confidence) {
    const std::string_view name = detection_kind::displayName(kind);
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                                         confidencePercent(confidence));
}

QString lineLabel(int line) {
    return QStringLiteral("line %1").arg(line);
}

QString shortcutTip(const QString& chordDisplay) {
    return QStringLiteral("Tip: press %1 anywhere to inspect your clipboard.").arg(chordDisplay);
}

QString oneLine(const QString& text) {
    QString flat = trimmed(text);
    for (QChar& c : flat)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')) c = QLatin1Char(' ');
    return flat;
}

QString trimmed(const QString& text) {
    const std::string utf8 = text.toStdString();
    return QString::fromStdString(std::string(Text::trim(utf8)));
}

} // namespace tindrel::ScreenTexts
