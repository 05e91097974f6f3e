#include "TindrelCore/formats/CryptoLibrary.h"

#include "TindrelCore/text/SharedLibrary.h"

#include <optional>

namespace tindrel {
namespace {

bool resolveAll(const SharedLibrary& library, CryptoLibrary& crypto) {
#define TINDREL_CRYPTO_RESOLVE(name) &&library.resolve(#name, crypto.name)
    return true TINDREL_CRYPTO_FUNCTIONS(TINDREL_CRYPTO_RESOLVE);
#undef TINDREL_CRYPTO_RESOLVE
}

} // namespace

const CryptoLibrary* CryptoLibrary::installed() {
    static const std::optional<CryptoLibrary> crypto =
        loadFunctionTable<CryptoLibrary>("libcrypto.so.3", resolveAll);
    return crypto ? &*crypto : nullptr;
}

} // namespace tindrel
