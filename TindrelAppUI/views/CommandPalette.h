#pragma once

#include "TindrelAppUI/shell/PaletteCommands.h"

#include <QStringList>
#include <QWidget>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tindrel {

// The command palette as an overlay over its parent window: a translucent backdrop over the whole
// window with the search card near the top. Keys go through the search field: the arrows move the
// selection, Return runs the selected command, Escape closes; a click on the backdrop closes too.
class CommandPalette final : public QWidget {
    Q_OBJECT
public:
    explicit CommandPalette(QWidget* window);

    // Shows `commands` with an empty query, the first row selected and the search field focused.
    void open(std::vector<PaletteCommand> commands);
    void close();
    // Also before the window itself is shown.
    bool isOpen() const { return !isHidden(); }

    QString query() const;
    int selected() const { return selected_; }
    QStringList visibleTitles() const;
    QLineEdit* searchField() const { return field_; }
    QListWidget* list() const { return list_; }

    static inline const QString placeholder = QStringLiteral("Type a command\u2026");
    static inline const QString noMatch = QStringLiteral("No matching command");

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool handleKey(int key);
    void refilter();
    void select(int row);
    void runRow(int row);
    void fitWindow();

    std::vector<PaletteCommand> commands_;
    std::vector<int> visible_;
    int selected_ = 0;
    QFrame* card_;
    QLineEdit* field_;
    QListWidget* list_;
    QLabel* empty_;
};

} // namespace tindrel
