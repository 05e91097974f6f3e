#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace tindrel::test_support {

// Sets the process's time zone (a POSIX TZ rule such as "EST5") for one scope, then restores it.
class InZone {
public:
    explicit InZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~InZone() {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    InZone(const InZone&) = delete;
    InZone& operator=(const InZone&) = delete;

private:
    std::optional<std::string> saved_;
};

} // namespace tindrel::test_support
