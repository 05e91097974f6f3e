#include "TindrelAppUI/platform/LoginItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace tindrel::LoginItem {
namespace {

const QString entryGroup = QStringLiteral("[Desktop Entry]");

QString configHome() {
    QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) return configured;
    return QDir::homePath() + QStringLiteral("/.config");
}

// An AppImage runs from a mount that is gone after the session; the image itself is what to start.
QString runningProgram() {
    QString image = qEnvironmentVariable("APPIMAGE");
    if (!image.isEmpty() && QDir::isAbsolutePath(image)) return image;
    return QCoreApplication::applicationFilePath();
}

bool needsQuotes(const QString& word) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    return std::ranges::any_of(word, [](QChar c) { return reserved.contains(c); });
}

// The value-level escapes of the entry format, applied on top of the Exec quoting.
QString escapeValue(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

// Key=value pairs of the main group only; other groups (actions) may use the same keys.
bool switchedOff(QTextStream& in) {
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) inEntry = line == entryGroup;
        if (!inEntry) continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Hidden") && value == QLatin1String("true")) return true;
        if (key == QLatin1String("X-GNOME-Autostart-enabled") && value == QLatin1String("false")) return true;
    }
    return false;
}

bool writeEntry() {
    const QString path = entryPath();
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    file.write(desktopEntry(runningProgram()).toUtf8());
    return file.commit();
}

} // namespace

QString entryPath() {
    return configHome() + QStringLiteral("/autostart/tindrel.desktop");
}

bool isEnabled() {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream in(&file);
    return !switchedOff(in);
}

bool setEnabled(bool enabled) {
    if (enabled) return writeEntry();
    QFile file(entryPath());
    return !file.exists() || file.remove();
}

QString execProgram(const QString& program) {
    QString word = program;
    if (needsQuotes(word)) {
        QString quoted;
        for (QChar c : word) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        word = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    word.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return escapeValue(word);
}

QString desktopEntry(const QString& program) {
    return entryGroup + QStringLiteral("\nType=Application\nName=Tindrel\nExec=") + execProgram(program) +
           QStringLiteral("\nIcon=tindrel\nX-GNOME-Autostart-enabled=true\n");
}

} // namespace tindrel::LoginItem

namespace tindrel {
namespace {

class XdgLoginItem final : public LoginItemService {
public:
    bool isEnabled() const override { return LoginItem::isEnabled(); }
    bool setEnabled(bool enabled) override { return LoginItem::setEnabled(enabled); }
};

} // namespace

std::shared_ptr<LoginItemService> makeSystemLoginItem() {
    return std::make_shared<XdgLoginItem>();
}

} // namespace tindrel
