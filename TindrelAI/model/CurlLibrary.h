#pragma once

#include <curl/curl.h>
#include <optional>

namespace tindrel {

// The libcurl functions the model client calls, looked up in the shared library when a model is
// first contacted. Linking libcurl would have every command map it and the two dozen libraries it
// needs (TLS, Kerberos, LDAP, …) at start, though only explanations ever talk to a model server.
struct CurlLibrary {
    decltype(&curl_global_init) globalInit;
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_getinfo) easyGetinfo;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_multi_init) multiInit;
    decltype(&curl_multi_add_handle) multiAddHandle;
    decltype(&curl_multi_perform) multiPerform;
    decltype(&curl_multi_poll) multiPoll;
    decltype(&curl_multi_info_read) multiInfoRead;
    decltype(&curl_multi_remove_handle) multiRemoveHandle;
    decltype(&curl_multi_cleanup) multiCleanup;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;

    // Nothing when the library cannot be opened or lacks one of the functions. A loaded library
    // stays loaded for the life of the process.
    static std::optional<CurlLibrary> load(const char* soname);

    // The system's libcurl, loaded and initialised once whichever thread asks first; null when it is
    // not installed, in which case no model server can be reached.
    static const CurlLibrary* installed();
};

} // namespace tindrel
