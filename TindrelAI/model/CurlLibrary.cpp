#include "TindrelAI/model/CurlLibrary.h"

#include <dlfcn.h>

namespace tindrel {
namespace {

template <typename Function> bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

bool resolveAll(void* library, CurlLibrary& curl) {
    return resolve(library, "curl_global_init", curl.globalInit) &&
           resolve(library, "curl_easy_init", curl.easyInit) &&
           resolve(library, "curl_easy_setopt", curl.easySetopt) &&
           resolve(library, "curl_easy_getinfo", curl.easyGetinfo) &&
           resolve(library, "curl_easy_cleanup", curl.easyCleanup) &&
           resolve(library, "curl_multi_init", curl.multiInit) &&
           resolve(library, "curl_multi_add_handle", curl.multiAddHandle) &&
           resolve(library, "curl_multi_perform", curl.multiPerform) &&
           resolve(library, "curl_multi_poll", curl.multiPoll) &&
           resolve(library, "curl_multi_info_read", curl.multiInfoRead) &&
           resolve(library, "curl_multi_remove_handle", curl.multiRemoveHandle) &&
           resolve(library, "curl_multi_cleanup", curl.multiCleanup) &&
           resolve(library, "curl_slist_append", curl.slistAppend) &&
           resolve(library, "curl_slist_free_all", curl.slistFreeAll);
}

std::optional<CurlLibrary> loadInitialised(const char* soname) {
    std::optional<CurlLibrary> curl = CurlLibrary::load(soname);
    if (curl && curl->globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) return std::nullopt;
    return curl;
}

} // namespace

std::optional<CurlLibrary> CurlLibrary::load(const char* soname) {
    void* library = ::dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return std::nullopt;
    CurlLibrary curl{};
    if (resolveAll(library, curl)) return curl;
    ::dlclose(library);
    return std::nullopt;
}

const CurlLibrary* CurlLibrary::installed() {
    static const std::optional<CurlLibrary> curl = loadInitialised("libcurl.so.4");
    return curl ? &*curl : nullptr;
}

} // namespace tindrel
