#pragma once

#include <dlfcn.h>
#include <optional>

namespace tindrel {

// A shared library opened by name for the functions looked up in it, closed again unless kept.
class SharedLibrary {
public:
    explicit SharedLibrary(const char* soname)
        : handle_(::dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}
    ~SharedLibrary() {
        if (handle_ != nullptr) ::dlclose(handle_);
    }
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Sets `function` to the library's function of that name; false when the library did not open
    // or has none.
    template <typename Function> bool resolve(const char* name, Function& function) const {
        function = handle_ != nullptr ? reinterpret_cast<Function>(::dlsym(handle_, name)) : nullptr;
        return function != nullptr;
    }

    // The functions looked up stay valid for the life of the process.
    void keep() { handle_ = nullptr; }

private:
    void* handle_;
};

// A table of a library's functions: `resolveAll(library, table)` fills it and answers whether it
// found every one; nothing when the library cannot be opened or lacks one. A library whose table
// is answered stays loaded for the life of the process.
template <typename Table, typename ResolveAll>
std::optional<Table> loadFunctionTable(const char* soname, ResolveAll resolveAll) {
    SharedLibrary library(soname);
    Table table{};
    if (!resolveAll(library, table)) return std::nullopt;
    library.keep();
    return table;
}

} // namespace tindrel
