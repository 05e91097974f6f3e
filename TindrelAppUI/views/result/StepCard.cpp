#include "TindrelAppUI/views/result/StepCard.h"

#include "TindrelAI/DetailCategorizer.h"
#include "TindrelAppUI/inspector/ScreenTexts.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tindrel {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Keys as stored, monospaced, beside their values; nothing is relabelled, and only a value too long
// for a label is cut (makeLabel).
QWidget* detailTable(const QString& title, const std::vector<DetailCategorizer::Pair>& rows, const char* role,
                     const char* titleRole) {
    QWidget* frame = makeFrame(role);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(makeLabel(title, titleRole));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const auto& [key, value] : rows) {
        QLabel* keyLabel = makeLabel(qs(key), "codeSmall", true);
        keyLabel->setWordWrap(false);
        grid->addWidget(keyLabel, row, 0, Qt::AlignTop);
        grid->addWidget(makeLabel(qs(value), "body", true), row, 1);
        ++row;
    }
    layout->addLayout(grid);
    return frame;
}

QWidget* header(int number, const DecodeResult& step) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* badge = makeLabel(QString::number(number), "chip");
    badge->setWordWrap(false);
    layout->addWidget(badge);
    layout->addWidget(makeLabel(qs(detection_kind::rawValue(step.kind)), "code"));
    layout->addStretch();
    layout->addWidget(makeLabel(ScreenTexts::confidencePercent(step.confidence), "meta"));
    return row;
}

QPushButton* readingLink(const Alternative& alternative) {
    auto* link = new QPushButton(ScreenTexts::alternativeReading(alternative.kind, alternative.confidence));
    Theme::setRole(link, "link");
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(qs(alternative.summary));
    return link;
}

} // namespace

StepCard::StepCard(int number, const DecodeResult& step, QWidget* parent)
    : QFrame(parent) {
    Theme::setRole(this, "surface");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header(number, step));
    layout->addWidget(makeLabel(qs(step.summary), "body", true));
    if (!step.alternatives.empty()) layout->addWidget(readingsRow(step.alternatives));
    const DetailCategorizer split(step.details);
    if (!split.facts.empty())
        layout->addWidget(detailTable(QStringLiteral("FACTS"), split.facts, "raised", "meta"));
    if (!split.engineNotes.empty())
        layout->addWidget(detailTable(QStringLiteral("WHAT IT MEANS / NEXT STEPS"), split.engineNotes,
                                      "notes", "notesTitle"));
}

// "Also possible: Hex (60%) · Hash (50%)", most confident first; each reading is a link that asks
// for the chain read that way.
QWidget* StepCard::readingsRow(const std::vector<Alternative>& alternatives) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* title = makeLabel(QString::fromUtf8(ScreenTexts::alsoPossible), "meta");
    title->setWordWrap(false);
    layout->addWidget(title);
    bool first = true;
    for (const Alternative& alternative : alternatives) {
        if (!first) layout->addWidget(makeLabel(QStringLiteral("\u00B7"), "meta"));
        QPushButton* link = readingLink(alternative);
        connect(link, &QPushButton::clicked, this,
                [this, kind = alternative.kind] { emit readingChosen(kind); });
        layout->addWidget(link);
        first = false;
    }
    layout->addStretch();
    return row;
}

} // namespace tindrel
