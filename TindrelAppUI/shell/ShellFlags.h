#pragma once

#include <QStringList>

namespace tindrel {

// The launch flags the shell reads itself (the inspector model and the hot-key manager read theirs).
// Arguments match whole.
struct ShellFlags {
    bool forceDark = false;    // "--force-dark": dark this run, whatever is stored
    bool openHistory = false;  // "--open-history": the history popup is open when the window shows
    bool openPalette = false;  // "--open-palette": the command palette is open when the window shows
    bool showSettings = false; // "--show-settings": the settings window instead of the inspector

    static ShellFlags parse(const QStringList& arguments);

    bool operator==(const ShellFlags&) const = default;
};

} // namespace tindrel
