#include "TindrelAppUI/views/CommandPalette.h"

#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace tindrel {
namespace {

constexpr int cardWidth = 520;
constexpr int cardTop = 72;
constexpr int bottomMargin = 16;
constexpr int rowHeight = 36;
// However small the window, this many rows show (and the rest scroll).
constexpr int fewestRows = 3;

QWidget* makeRow(const PaletteCommand& command) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(new SymbolLabel(symbolNamed(command.icon), 16));
    QLabel* title = makeLabel(command.title, "body");
    title->setWordWrap(false);
    layout->addWidget(title, 1);
    if (command.shortcut) {
        QLabel* keys = makeLabel(*command.shortcut, "meta");
        keys->setWordWrap(false);
        layout->addWidget(keys);
    }
    return row;
}

bool isToggleChord(const QKeyEvent& event) {
    return event.key() == Qt::Key_K && event.modifiers() == Qt::ControlModifier;
}

} // namespace

CommandPalette::CommandPalette(QWidget* window)
    : QWidget(window)
    , card_(new QFrame(this))
    , field_(new QLineEdit)
    , list_(new QListWidget)
    , empty_(makeLabel(noMatch, "secondary")) {
    Theme::setRole(this, "backdrop");
    setAttribute(Qt::WA_StyledBackground);
    Theme::setRole(card_, "palette");
    field_->setPlaceholderText(placeholder);
    field_->addAction(symbol(Symbol::search), QLineEdit::LeadingPosition);
    field_->installEventFilter(this);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    empty_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(card_);
    layout->addWidget(field_);
    layout->addWidget(list_);
    layout->addWidget(empty_);
    connect(field_, &QLineEdit::textChanged, this, &CommandPalette::refilter);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { runRow(list_->row(item)); });
    window->installEventFilter(this);
    hide();
}

void CommandPalette::open(std::vector<PaletteCommand> commands) {
    commands_ = std::move(commands);
    field_->clear();
    refilter();
    fitWindow();
    raise();
    show();
    field_->setFocus(Qt::OtherFocusReason);
}

void CommandPalette::close() {
    if (!isOpen()) return;
    hide();
    commands_.clear();
    emit closed();
}

QString CommandPalette::query() const {
    return field_->text();
}

QStringList CommandPalette::visibleTitles() const {
    QStringList titles;
    for (int at : visible_)
        titles << commands_[at].title;
    return titles;
}

bool CommandPalette::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize) fitWindow();
        return false;
    }
    if (watched != field_) return false;
    const bool shortcutOverride = event->type() == QEvent::ShortcutOverride;
    if (!shortcutOverride && event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // The field would claim Ctrl+K (delete to the end of the line); leave it to the window's toggle.
    if (shortcutOverride) {
        if (!isToggleChord(*key)) return false;
        event->ignore();
        return true;
    }
    return handleKey(key->key());
}

bool CommandPalette::handleKey(int key) {
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        select(movedSelection(selected_, key == Qt::Key_Down ? 1 : -1, static_cast<int>(visible_.size())));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        runRow(selected_);
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void CommandPalette::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (!card_->geometry().contains(event->position().toPoint())) close();
}

void CommandPalette::refilter() {
    visible_ = matchingCommands(commands_, field_->text());
    list_->clear();
    for (int at : visible_) {
        auto* item = new QListWidgetItem(list_);
        item->setSizeHint(QSize(0, rowHeight));
        list_->setItemWidget(item, makeRow(commands_[at]));
    }
    list_->setVisible(!visible_.empty());
    empty_->setVisible(visible_.empty());
    select(0);
    if (isOpen()) fitWindow();
}

void CommandPalette::select(int row) {
    selected_ = row;
    if (row >= 0 && row < list_->count()) list_->setCurrentRow(row);
}

void CommandPalette::runRow(int row) {
    if (row < 0 || row >= static_cast<int>(visible_.size())) return;
    const std::function<void()> run = commands_[visible_[row]].run;
    if (run) run();
    close();
}

// Every row shows while the window has room below the card's top; a short window scrolls the list.
void CommandPalette::fitWindow() {
    const QWidget* window = parentWidget();
    setGeometry(window->rect());
    const int chrome = 2 * list_->frameWidth();
    list_->setFixedHeight(chrome);
    const int withoutRows = card_->sizeHint().height();
    const int room = (window->height() - cardTop - bottomMargin - withoutRows) / rowHeight;
    const int rows = std::min(static_cast<int>(visible_.size()), std::max(room, fewestRows));
    list_->setFixedHeight(chrome + rowHeight * rows);
    const int width = std::min(cardWidth, window->width() - 32);
    card_->setGeometry((window->width() - width) / 2, cardTop, width, card_->sizeHint().height());
}

} // namespace tindrel
