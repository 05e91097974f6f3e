#include "TindrelAI/model/CurlLibrary.h"

#include "TindrelCore/text/SharedLibrary.h"

namespace tindrel {
namespace {

bool resolveAll(const SharedLibrary& library, CurlLibrary& curl) {
    return library.resolve("curl_global_init", curl.globalInit) &&
           library.resolve("curl_easy_init", curl.easyInit) &&
           library.resolve("curl_easy_setopt", curl.easySetopt) &&
           library.resolve("curl_easy_getinfo", curl.easyGetinfo) &&
           library.resolve("curl_easy_cleanup", curl.easyCleanup) &&
           library.resolve("curl_multi_init", curl.multiInit) &&
           library.resolve("curl_multi_add_handle", curl.multiAddHandle) &&
           library.resolve("curl_multi_perform", curl.multiPerform) &&
           library.resolve("curl_multi_poll", curl.multiPoll) &&
           library.resolve("curl_multi_info_read", curl.multiInfoRead) &&
           library.resolve("curl_multi_remove_handle", curl.multiRemoveHandle) &&
           library.resolve("curl_multi_cleanup", curl.multiCleanup) &&
           library.resolve("curl_slist_append", curl.slistAppend) &&
           library.resolve("curl_slist_free_all", curl.slistFreeAll);
}

std::optional<CurlLibrary> loadInitialised(const char* soname) {
    std::optional<CurlLibrary> curl = CurlLibrary::load(soname);
    if (curl && curl->globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) return std::nullopt;
    return curl;
}

} // namespace

std::optional<CurlLibrary> CurlLibrary::load(const char* soname) {
    return loadFunctionTable<CurlLibrary>(soname, resolveAll);
}

const CurlLibrary* CurlLibrary::installed() {
    static const std::optional<CurlLibrary> curl = loadInitialised("libcurl.so.4");
    return curl ? &*curl : nullptr;
}

} // namespace tindrel
