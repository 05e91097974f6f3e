#include "TindrelCore/formats/CryptoLibrary.h"

#include "TindrelCore/text/SharedLibrary.h"

#include <optional>

namespace tindrel {
namespace {

std::optional<CryptoLibrary> load() {
    SharedLibrary library("libcrypto.so.3");
    CryptoLibrary crypto{};
#define TINDREL_CRYPTO_RESOLVE(name) &&library.resolve(#name, crypto.name)
    bool resolved = true TINDREL_CRYPTO_FUNCTIONS(TINDREL_CRYPTO_RESOLVE);
#undef TINDREL_CRYPTO_RESOLVE
    if (!resolved) return std::nullopt;
    library.keep();
    return crypto;
}

} // namespace

const CryptoLibrary* CryptoLibrary::installed() {
    static const std::optional<CryptoLibrary> crypto = load();
    return crypto ? &*crypto : nullptr;
}

} // namespace tindrel
