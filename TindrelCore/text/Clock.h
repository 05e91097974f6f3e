#pragma once

namespace tindrel::Clock {

// Seconds since 1970-01-01T00:00:00Z, with fractions. Every reading of "now" in the core goes
// through here so tests can pin it.
double now();

// Pins now() for the lifetime of the object (tests only; not meant for concurrent use).
class Pinned {
public:
    explicit Pinned(double secondsSince1970);
    ~Pinned();
    Pinned(const Pinned&) = delete;
    Pinned& operator=(const Pinned&) = delete;
};

} // namespace tindrel::Clock
