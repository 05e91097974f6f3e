#include "TindrelAppUI/shell/PaletteCommands.h"

#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/platform/Pasteboard.h"

#include <QKeySequence>
#include <QLocale>
#include <algorithm>

namespace tindrel {
namespace {

using Presentation = InspectorModel::Presentation;

// Shortcut texts in the desktop's own spelling ("Ctrl+Shift+V").
QString nativeText(const QKeySequence& keys) {
    return keys.toString(QKeySequence::NativeText);
}

class CommandList {
public:
    void add(const char* title, const char* icon, std::function<void()> run,
             std::optional<QString> shortcut = std::nullopt) {
        commands_.push_back({QUuid::createUuid(), QString::fromUtf8(title), QString::fromLatin1(icon),
                             std::move(shortcut), std::move(run)});
    }
    std::vector<PaletteCommand> take() { return std::move(commands_); }

private:
    std::vector<PaletteCommand> commands_;
};

// The text is read when the command runs, so an explanation that became ready meanwhile is included.
std::function<void()> copying(Pasteboard& pasteboard, std::function<std::optional<std::string>()> text) {
    return [&pasteboard, text = std::move(text)] {
        if (const std::optional<std::string> copied = text())
            pasteboard.setText(QString::fromStdString(*copied));
    };
}

std::optional<std::string> readyExplanation(const InspectorModel& model) {
    const InspectorModel::Explanation& explanation = model.explanation();
    if (explanation.state != InspectorModel::Explanation::State::ready) return std::nullopt;
    return explanation.text;
}

void addCopies(CommandList& list, InspectorModel& model, Pasteboard& pasteboard) {
    if (model.primaryValue())
        list.add("Copy decoded value", "doc.on.doc",
                 copying(pasteboard, [&model] { return model.primaryValue(); }));
    if (readyExplanation(model))
        list.add("Copy explanation", "text.quote",
                 copying(pasteboard, [&model] { return readyExplanation(model); }));
    if (!model.insightChain()) return;
    list.add("Copy result as Markdown", "doc.richtext",
             copying(pasteboard, [&model] { return model.markdownExport(); }));
    list.add("Copy result as JSON", "curlybraces",
             copying(pasteboard, [&model] { return model.jsonExport(); }));
}

void addViews(CommandList& list, InspectorModel& model) {
    const Presentation shown = model.presentation();
    if (shown.kind == Presentation::Kind::single && shown.embeddedCount > 0)
        list.add("View as log scan", "doc.text.magnifyingglass", [&model] { model.showLogScan(true); });
    if (model.singleResultAvailable() && model.forcedLogScan())
        list.add("View as single result", "arrow.uturn.backward", [&model] { model.showLogScan(false); });
}

} // namespace

std::vector<PaletteCommand> paletteCommands(InspectorModel& model, Pasteboard& pasteboard,
                                            std::function<void()> openSettings) {
    CommandList list;
    list.add(
        "Inspect clipboard", "doc.on.clipboard", [&model] { model.loadClipboard(); },
        nativeText(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)));
    list.add("Load sample artifact", "wand.and.stars", [&model] { model.loadSample(); });
    if (!model.input().empty()) list.add("Clear input", "xmark.circle", [&model] { model.clearInput(); });
    addCopies(list, model, pasteboard);
    addViews(list, model);
    if (!model.history().entries().empty())
        list.add("Clear history", "clock.badge.xmark", [&model] { model.clearHistory(); });
    list.add("Settings\u2026", "gearshape", std::move(openSettings),
             nativeText(QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    return list.take();
}

std::vector<int> matchingCommands(const std::vector<PaletteCommand>& commands, const QString& query) {
    const QLocale locale;
    const QString folded = locale.toLower(query);
    std::vector<int> matches;
    for (std::size_t at = 0; at < commands.size(); ++at)
        if (query.isEmpty() || locale.toLower(commands[at].title).contains(folded, Qt::CaseInsensitive))
            matches.push_back(static_cast<int>(at));
    return matches;
}

int movedSelection(int selected, int step, int count) {
    if (count <= 0) return selected;
    return std::min(std::max(selected + step, 0), count - 1);
}

} // namespace tindrel
