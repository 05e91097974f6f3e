#pragma once

#include <QString>
#include <memory>

namespace tindrel {

// Whether the app starts with the user's session.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;
    virtual bool isEnabled() const = 0;
    // True on success; every failure is swallowed and answers false.
    virtual bool setEnabled(bool enabled) = 0;
};

// The XDG autostart entry $XDG_CONFIG_HOME/autostart/tindrel.desktop (~/.config when the variable is
// unset, empty or relative), naming the running executable.
namespace LoginItem {

QString entryPath();
// Present, and neither hidden nor switched off by the desktop's own autostart setting.
bool isEnabled();
// Writes the entry atomically, or removes it.
bool setEnabled(bool enabled);

// The entry's text for `program`, an absolute path.
QString desktopEntry(const QString& program);
// `program` as the first word of an Exec value: quoted when it holds a reserved character, with
// field codes and the string escapes of the entry format taken care of.
QString execProgram(const QString& program);

} // namespace LoginItem

std::shared_ptr<LoginItemService> makeSystemLoginItem();

} // namespace tindrel
