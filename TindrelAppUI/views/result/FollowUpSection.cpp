#include "TindrelAppUI/views/result/FollowUpSection.h"

#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace tindrel {
namespace {

QWidget* pendingRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* spinner = new QProgressBar;
    spinner->setRange(0, 0); // busy indicator
    spinner->setTextVisible(false);
    spinner->setFixedSize(36, 6);
    layout->addWidget(spinner);
    layout->addWidget(makeLabel(QString::fromUtf8(ScreenTexts::thinking), "meta"), 1);
    return row;
}

} // namespace

FollowUpSection::FollowUpSection(QWidget* parent)
    : QWidget(parent)
    , items_(new QVBoxLayout)
    , field_(new QLineEdit)
    , sendButton_(new QPushButton(symbol(Symbol::send), QString())) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(items_);
    auto* askRow = new QHBoxLayout;
    field_->setPlaceholderText(QString::fromUtf8(ScreenTexts::askPlaceholder));
    sendButton_->setToolTip(QStringLiteral("Send"));
    sendButton_->setAccessibleName(QStringLiteral("Send"));
    askRow->addWidget(field_, 1);
    askRow->addWidget(sendButton_);
    layout->addLayout(askRow);
    connect(field_, &QLineEdit::textChanged, this, &FollowUpSection::updateSendEnabled);
    connect(field_, &QLineEdit::returnPressed, this, &FollowUpSection::send);
    connect(sendButton_, &QPushButton::clicked, this, &FollowUpSection::send);
    updateSendEnabled();
}

void FollowUpSection::setItems(const std::vector<Item>& items) {
    if (items == shown_) return;
    shown_ = items;
    clearLayout(items_);
    for (const Item& item : items) {
        items_->addWidget(makeLabel(item.question, "section", true));
        if (item.answer)
            items_->addWidget(makeLabel(*item.answer, "body", true));
        else
            items_->addWidget(pendingRow());
    }
    if (!items.empty()) QTimer::singleShot(0, this, &FollowUpSection::revealField);
}

// Once the new rows are laid out: the field sits at the bottom of the pane's view with the newest
// answer right above it, so asking never moves the conversation out of sight.
void FollowUpSection::revealField() {
    // The rows just added are laid out by posted requests, up through every enclosing layout.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            area->ensureWidgetVisible(field_, 0, 12);
            return;
        }
    }
}

void FollowUpSection::send() {
    const QString question = ScreenTexts::trimmed(field_->text());
    if (question.isEmpty()) return;
    field_->clear();
    emit askRequested(question);
}

void FollowUpSection::updateSendEnabled() {
    sendButton_->setEnabled(!ScreenTexts::trimmed(field_->text()).isEmpty());
}

} // namespace tindrel
