#pragma once

#include <QString>
#include <QUuid>
#include <functional>
#include <optional>
#include <vector>

namespace tindrel {

class InspectorModel;
class Pasteboard;

// One row of the command palette. `icon` is a portable symbol name (see symbolNamed); `shortcut` is
// only shown beside the title, the palette binds no key for it.
struct PaletteCommand {
    QUuid id;
    QString title;
    QString icon;
    std::optional<QString> shortcut;
    std::function<void()> run;
};

// The commands that make sense for the model's state right now, in their fixed order. Copies put
// plain text on `pasteboard`; "Settings…" calls `openSettings`.
std::vector<PaletteCommand> paletteCommands(InspectorModel& model, Pasteboard& pasteboard,
                                            std::function<void()> openSettings);

// Indexes of the commands whose title contains `query` ignoring case the way the user's locale does;
// all of them for an empty query. The query is taken as typed, spaces included.
std::vector<int> matchingCommands(const std::vector<PaletteCommand>& commands, const QString& query);

// The selection after an arrow key (`step` −1 or +1), kept inside a list of `count` rows; unchanged
// while the list is empty.
int movedSelection(int selected, int step, int count);

} // namespace tindrel
