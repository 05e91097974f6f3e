#include "TindrelAppUI/style/TindrelFont.h"

#include <QFontDatabase>

namespace tindrel {

QFont FontToken::font() const {
    QFont result = QFontDatabase::systemFont(design == Design::monospaced ? QFontDatabase::FixedFont
                                                                          : QFontDatabase::GeneralFont);
    result.setPointSizeF(pointSize * qtPointsPerDesignPoint);
    result.setWeight(weight);
    return result;
}

QString FontToken::css() const {
    const QFont base = font();
    return QStringLiteral("font-family: \"%1\"; font-size: %2pt; font-weight: %3;")
        .arg(base.family())
        .arg(pointSize * qtPointsPerDesignPoint)
        .arg(static_cast<int>(weight));
}

} // namespace tindrel
