#include "TindrelAppUI/views/result/FindingRows.h"

#include "TindrelAppUI/inspector/MediumDateText.h"
#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelReport/DecodedSummary.h"

namespace tindrel {
namespace {

constexpr qsizetype previewLength = 160;

} // namespace

bool FindingRows::setFindings(const std::vector<ScanFinding>& findings) {
    if (findings == findings_) return false;
    beginResetModel();
    findings_ = findings;
    texts_.assign(findings_.size(), std::nullopt);
    endResetModel();
    return true;
}

int FindingRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(findings_.size());
}

QVariant FindingRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole) {
        if (!texts_[row]) texts_[row] = rowText(findings_[row]);
        return *texts_[row];
    }
    if (role == Qt::ToolTipRole) return ScreenTexts::lineLabel(static_cast<int>(findings_[row].line));
    return {};
}

QString FindingRows::rowText(const ScanFinding& finding) {
    const DecodedSummary summary(*finding.chain, MediumDateText::formatter());
    QString head = ScreenTexts::lineLabel(static_cast<int>(finding.line)) + QStringLiteral(" \u00B7 ") +
                   QString::fromStdString(summary.kindLabel);
    if (summary.status) head += QStringLiteral(" \u2014 ") + QString::fromStdString(summary.status->text);
    const std::string& payload = summary.payload;
    const QString start = QString::fromUtf8(
        payload.data(), static_cast<qsizetype>(std::min<std::size_t>(payload.size(), previewLength * 4)));
    QString preview = ScreenTexts::oneLine(start.left(previewLength));
    if (start.size() > previewLength) preview += QStringLiteral("\u2026");
    return head + QLatin1Char('\n') + preview;
}

} // namespace tindrel
