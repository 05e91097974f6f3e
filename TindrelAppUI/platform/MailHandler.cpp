#include "TindrelAppUI/platform/MailHandler.h"

#include <QProcess>
#include <QStandardPaths>

namespace tindrel::MailHandler {
namespace {

bool askDesktop() {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return false;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(2000)) {
        query.kill();
        query.waitForFinished(500);
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool available() {
    static const bool answer = askDesktop();
    return answer;
}

} // namespace tindrel::MailHandler
