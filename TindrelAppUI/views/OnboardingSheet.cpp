#include "TindrelAppUI/views/OnboardingSheet.h"

#include "TindrelAppUI/hotkey/ChordText.h"
#include "TindrelAppUI/hotkey/HotKeyManager.h"
#include "TindrelAppUI/shell/OnboardingModel.h"
#include "TindrelAppUI/shell/OnboardingTexts.h"
#include "TindrelAppUI/style/Symbols.h"
#include "TindrelAppUI/style/Theme.h"
#include "TindrelAppUI/views/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tindrel {
namespace {

namespace Texts = OnboardingTexts;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLabel* stepNumber(int number) {
    QLabel* badge = makeLabel(QString::number(number), "chip");
    badge->setWordWrap(false);
    badge->setAlignment(Qt::AlignCenter);
    return badge;
}

void addStep(QGridLayout* grid, int number, QLabel* headline, const char* detail) {
    const int row = (number - 1) * 2;
    grid->addWidget(stepNumber(number), row, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(headline, row, 1);
    grid->addWidget(makeLabel(text(detail), "secondary"), row + 1, 1);
}

QString chordDisplay(const HotKeyManager& hotKeys) {
    return chordText(hotKeys.chord());
}

} // namespace

OnboardingSheet::OnboardingSheet(OnboardingModel& onboarding, HotKeyManager& hotKeys,
                                 std::function<void()> inspectClipboard, QWidget* parent)
    : QDialog(parent)
    , onboarding_(onboarding)
    , hotKeys_(hotKeys)
    , pressStep_(makeLabel(QString(), "section"))
    , testIcon_(new SymbolLabel(std::nullopt, 16))
    , testText_(makeLabel(QString(), "body"))
    , test_(new QPushButton(text(Texts::testButton)))
    , start_(new QPushButton(text(Texts::startButton))) {
    setWindowModality(Qt::WindowModal);
    setWindowTitle(text(Texts::title));
    Theme::setRole(this, "root");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 24);
    layout->setSpacing(14);
    layout->addWidget(makeLabel(text(Texts::title), "verdict"));
    layout->addWidget(makeLabel(text(Texts::subtitle), "secondary"));
    layout->addWidget(buildSteps());
    layout->addWidget(buildTestArea());
    layout->addWidget(start_, 0, Qt::AlignRight);
    Theme::setRole(start_, "primary");
    start_->setDefault(true);
    test_->setAutoDefault(false);
    connect(test_, &QPushButton::clicked, this, std::move(inspectClipboard));
    connect(start_, &QPushButton::clicked, this, [this] {
        onboarding_.markCompleted();
        accept();
    });
    connect(&hotKeys_, &HotKeyManager::fireCountChanged, this, [this] {
        fired_ = true;
        refresh();
    });
    connect(&hotKeys_, &HotKeyManager::statusChanged, this, &OnboardingSheet::refresh);
    connect(&hotKeys_, &HotKeyManager::chordChanged, this, &OnboardingSheet::refresh);
    refresh();
}

QWidget* OnboardingSheet::buildSteps() {
    auto* steps = new QWidget;
    auto* grid = new QGridLayout(steps);
    grid->setContentsMargins(0, 8, 0, 8);
    grid->setHorizontalSpacing(12);
    grid->setColumnStretch(1, 1);
    addStep(grid, 1, makeLabel(text(Texts::copyStep), "section"), Texts::copyStepDetail);
    addStep(grid, 2, pressStep_, Texts::pressStepDetail);
    addStep(grid, 3, makeLabel(text(Texts::explainStep), "section"), Texts::explainStepDetail);
    return steps;
}

// The line can point to "the button below", so the button is under it.
QWidget* OnboardingSheet::buildTestArea() {
    QWidget* area = makeFrame("raised");
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(12, 10, 12, 10);
    auto* line = new QHBoxLayout;
    line->addWidget(testIcon_);
    line->addWidget(testText_, 1);
    layout->addLayout(line);
    layout->addWidget(test_, 0, Qt::AlignLeft);
    return area;
}

void OnboardingSheet::refresh() {
    const QString display = chordDisplay(hotKeys_);
    pressStep_->setText(Texts::pressStep(display));
    const Texts::TestLine line = Texts::testLine(fired_, hotKeys_.status(), display);
    testText_->setText(line.text);
    switch (line.tone) {
    case Texts::TestLine::Tone::works:
        testIcon_->setSymbol(Symbol::check);
        break;
    case Texts::TestLine::Tone::unavailable:
        testIcon_->setSymbol(Symbol::warning);
        break;
    case Texts::TestLine::Tone::waiting:
        testIcon_->setSymbol(std::nullopt);
        break;
    }
    testIcon_->setVisible(line.tone != Texts::TestLine::Tone::waiting);
}

} // namespace tindrel
