#include "TindrelAppUI/inspector/BoundedText.h"

#include <QStringEncoder>
#include <QStringView>
#include <algorithm>
#include <array>
#include <vector>

namespace tindrel::BoundedText {
namespace {

bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The UTF-8 size of a text without converting all of it at once, which for a paste of many
// megabytes would be as large again.
std::size_t utf8Size(QStringView text) {
    constexpr qsizetype chunk = 64 * 1024;
    QStringEncoder encoder(QStringEncoder::Utf8);
    std::vector<char> buffer(static_cast<std::size_t>(encoder.requiredSpace(chunk)));
    std::size_t size = 0;
    for (qsizetype at = 0; at < text.size(); at += chunk) {
        const char* end =
            encoder.appendToBuffer(buffer.data(), text.sliced(at, std::min(chunk, text.size() - at)));
        size += static_cast<std::size_t>(end - buffer.data());
    }
    return size;
}

} // namespace

QString sizeText(std::uint64_t bytes) {
    if (bytes == 1) return QStringLiteral("1 byte");
    if (bytes < 1024) return QString::number(bytes) + QStringLiteral(" bytes");
    static constexpr std::array<const char*, 3> units = {"KiB", "MiB", "GiB"};
    double value = static_cast<double>(bytes) / 1024;
    std::size_t unit = 0;
    while (value >= 1024 && unit + 1 < units.size()) {
        value /= 1024;
        ++unit;
    }
    QString number = value < 10 ? QString::number(value, 'f', 1) : QString::number(qRound64(value));
    if (number.endsWith(QStringLiteral(".0"))) number.chop(2);
    return number + QLatin1Char(' ') + QLatin1String(units[unit]);
}

std::optional<QString> Preview::notice() const {
    if (!isCut()) return std::nullopt;
    return QStringLiteral("Showing the first ") + sizeText(shownBytes) + QStringLiteral(" of ") +
           sizeText(wholeBytes);
}

Preview preview(std::string_view utf8, std::size_t limit) {
    std::size_t end = utf8.size();
    if (end > limit) {
        end = limit;
        while (end > 0 && continuesCharacter(utf8[end]))
            --end;
    }
    return {QString::fromUtf8(utf8.data(), static_cast<qsizetype>(end)), end, utf8.size()};
}

// Qt converts many characters at a time, which matters for a text of several megabytes.
Preview preview(const QString& text, std::size_t limit) {
    // Every UTF-16 unit takes at least one UTF-8 byte, so the cut lies within the first `limit` units.
    qsizetype units =
        static_cast<qsizetype>(std::min<std::size_t>(static_cast<std::size_t>(text.size()), limit));
    if (units > 0 && units < text.size() && text.at(units - 1).isHighSurrogate()) --units;
    const QByteArray head = QStringView(text).first(units).toUtf8();
    const auto headBytes = static_cast<std::size_t>(head.size());
    if (units == text.size() && headBytes <= limit) return {text, headBytes, headBytes};
    std::size_t cut = std::min(headBytes, limit);
    while (cut > 0 && cut < headBytes && continuesCharacter(head[static_cast<qsizetype>(cut)]))
        --cut;
    return {QString::fromUtf8(head.first(static_cast<qsizetype>(cut))), cut,
            headBytes + utf8Size(QStringView(text).sliced(units))};
}

QString keptPartNote(std::uint64_t keptBytes, std::uint64_t fullBytes) {
    return QStringLiteral("\u2026 (first ") + sizeText(keptBytes) + QStringLiteral(" of ") +
           sizeText(fullBytes) + QLatin1Char(')');
}

} // namespace tindrel::BoundedText
