#include "TindrelAppUI/views/TrayPanel.h"

#include "TindrelAppUI/inspector/InspectorModel.h"
#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/tray/TrayPreview.h"
#include "TindrelAppUI/views/CopyButton.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace tindrel {
namespace {

constexpr int valueMaxHeight = 120;
QKeySequence inspectKeys() {
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
}

QPushButton* panelButton(const QString& title) {
    auto* button = new QPushButton(title);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TrayPanel::TrayPanel(InspectorModel& model, Pasteboard& pasteboard, QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , model_(model)
    , pasteboard_(pasteboard)
    , inspect_(panelButton(QStringLiteral("Inspect Clipboard")))
    , shortcut_(new QShortcut(inspectKeys(), this))
    , preview_(makeFrame("raised"))
    , shape_(makeLabel(QString(), "section"))
    , value_(new QPlainTextEdit)
    , message_(makeLabel(QString(), "secondary"))
    , copy_(new CopyButton(
          QStringLiteral("Copy"), [this]() -> const QString& { return fullValue_; }, pasteboard_)) {
    Theme::setRole(this, "surface");
    setFixedWidth(panelWidth);
    inspect_->setIcon(symbol(Symbol::clipboard));
    inspect_->setToolTip(inspectKeys().toString(QKeySequence::NativeText));
    shortcut_->setContext(Qt::WidgetWithChildrenShortcut);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(makeLabel(QString::fromLatin1(ScreenTexts::appTitle), "paneTitle"));
    layout->addWidget(inspect_);
    layout->addWidget(makePreview());
    layout->addWidget(message_);
    auto* footer = new QHBoxLayout;
    QPushButton* open = panelButton(QStringLiteral("Open Tindrel"));
    QPushButton* quit = panelButton(QStringLiteral("Quit"));
    footer->addWidget(open);
    footer->addStretch();
    footer->addWidget(quit);
    layout->addLayout(footer);

    connect(inspect_, &QPushButton::clicked, this, [this] { model_.loadClipboard(); });
    connect(shortcut_, &QShortcut::activated, this, [this] { model_.loadClipboard(); });
    connect(open, &QPushButton::clicked, this, &TrayPanel::openRequested);
    connect(quit, &QPushButton::clicked, this, &TrayPanel::quitRequested);
    connect(&model_, &InspectorModel::chainChanged, this, &TrayPanel::refresh);
    refresh();
}

QWidget* TrayPanel::makePreview() {
    auto* layout = new QVBoxLayout(preview_);
    layout->setContentsMargins(10, 8, 10, 8);
    auto* top = new QHBoxLayout;
    top->addWidget(shape_, 1);
    top->addWidget(copy_);
    layout->addLayout(top);
    // Tokens and payloads have no spaces to wrap at, so lines break anywhere.
    Theme::setRole(value_, "codeSmall");
    value_->setReadOnly(true);
    value_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    value_->setMaximumHeight(valueMaxHeight);
    layout->addWidget(value_);
    return preview_;
}

void TrayPanel::refresh() {
    const TrayPreview preview = TrayPreview::of(model_.chain().get());
    const bool recognized = preview.state == TrayPreview::State::recognized;
    fullValue_ = preview.fullValue;
    shape_->setText(preview.shape);
    value_->setPlainText(preview.shownValue);
    message_->setText(preview.message);
    preview_->setVisible(recognized);
    message_->setVisible(!recognized);
    adjustSize();
}

void TrayPanel::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    emit hidden();
}

} // namespace tindrel
