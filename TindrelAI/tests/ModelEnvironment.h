#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace tindrel::testing {

// Sets (or, given nothing, removes) one environment variable and restores it when destroyed.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value)
        : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old;
        set(value);
    }
    ~ScopedVariable() { set(saved_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void set(const std::optional<std::string>& value) {
        if (value)
            ::setenv(name_, value->c_str(), 1);
        else
            ::unsetenv(name_);
    }

    const char* name_;
    std::optional<std::string> saved_;
};

// Points the model settings at a test server, so no test ever reaches a model server that a
// developer runs on this machine.
class ModelEnvironment {
public:
    explicit ModelEnvironment(const std::string& url, const std::optional<std::string>& model = std::nullopt)
        : url_("TINDREL_MODEL_URL", url)
        , model_("TINDREL_MODEL", model)
        , ollamaHost_("OLLAMA_HOST", std::nullopt) {}

private:
    ScopedVariable url_, model_, ollamaHost_;
};

} // namespace tindrel::testing
