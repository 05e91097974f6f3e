#include "TindrelAppUI/hotkey/HotKeyManager.h"

#include "TindrelAppUI/settings/SettingsDefaults.h"

#include <QPointer>
#include <array>

namespace tindrel {
namespace {

KeyChord loadChord(const Defaults& defaults) {
    std::optional<QByteArray> data = defaults.data(HotKeyManager::storeKey);
    if (!data) return KeyChord::defaultChord();
    return KeyChord::decoded(std::string_view(data->constData(), size_t(data->size())))
        .value_or(KeyChord::defaultChord());
}

const std::array<KeyChord, 4>& alternatives() {
    using M = KeyChord::Modifiers;
    static const std::array<KeyChord, 4> table = {{
        {1, M{M::option}, "S"},
        {9, M{M::control, M::option}, "V"},
        {49, M{M::control, M::option}, "Space"},
        {34, M{M::option, M::shift}, "I"},
    }};
    return table;
}

} // namespace

HotKeyManager::HotKeyManager(Defaults& defaults, std::unique_ptr<HotKeyBackend> backend, QObject* parent)
    : QObject(parent)
    , chord_(loadChord(defaults))
    , defaults_(defaults)
    , backend_(std::move(backend)) {}

HotKeyManager::~HotKeyManager() {
    if (hotKeyRef_) backend_->unregisterHotKey(*hotKeyRef_);
}

HotKeyManager& HotKeyManager::shared() {
    static SettingsDefaults* defaults = new SettingsDefaults();
    static HotKeyManager* manager = new HotKeyManager(*defaults, makeSystemHotKeyBackend());
    return *manager;
}

bool HotKeyManager::registerHotKey(std::function<void()> onFire) {
    onFire_ = std::move(onFire);
    installHandlerIfNeeded();
    return applyRegistration();
}

void HotKeyManager::changeChord(const KeyChord& chord) {
    chord_ = chord;
    emit chordChanged();
    persist();
    if (onFire_) applyRegistration();
}

KeyChord HotKeyManager::suggestedAlternative() const {
    for (const KeyChord& candidate : alternatives())
        if (candidate != chord_) return candidate;
    return alternatives().front();
}

void HotKeyManager::prepareSettings(const QStringList& arguments) {
    if (arguments.contains(QStringLiteral("--show-settings")) && status_ == Status::inactive)
        registerHotKey([] {});
    if (arguments.contains(QStringLiteral("--force-hotkey-unavailable"))) setStatus(Status::unavailable);
}

std::uint32_t HotKeyManager::fourCharCode(std::string_view text) {
    std::uint32_t code = 0;
    for (char byte : text.substr(0, 4))
        code = code * 256 + std::uint8_t(byte);
    return code;
}

bool HotKeyManager::applyRegistration() {
    if (hotKeyRef_) {
        backend_->unregisterHotKey(*hotKeyRef_);
        hotKeyRef_.reset();
    }
    hotKeyRef_ = backend_->registerHotKey(chord_, {fourCharCode("TDRL"), hotKeyID});
    setStatus(hotKeyRef_ ? Status::active : Status::unavailable);
    return hotKeyRef_.has_value();
}

void HotKeyManager::persist() {
    Bytes::Buffer encoded = chord_.encoded();
    if (encoded.empty()) return;
    defaults_.setData(storeKey, QByteArray(encoded.data(), qsizetype(encoded.size())));
}

void HotKeyManager::installHandlerIfNeeded() {
    if (handlerInstalled_) return;
    QPointer<HotKeyManager> self(this);
    backend_->installHandler([self](HotKeyIdentifier identifier) {
        if (self) self->handlePress(identifier);
    });
    handlerInstalled_ = true;
}

void HotKeyManager::handlePress(HotKeyIdentifier identifier) {
    if (identifier.id != hotKeyID) return;
    QMetaObject::invokeMethod(this, &HotKeyManager::fire, Qt::QueuedConnection);
}

void HotKeyManager::fire() {
    ++fireCount_;
    emit fireCountChanged();
    if (onFire_) onFire_();
}

void HotKeyManager::setStatus(Status status) {
    if (status_ == status) return;
    status_ = status;
    emit statusChanged();
}

} // namespace tindrel
