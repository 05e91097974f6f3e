#pragma once

#include <random>
#include <string>
#include <vector>

namespace tindrel::oracle {

// Short texts built from log-like pieces (tests/data/oracle/text-pieces.tsv): near-misses of every
// candidate pattern (each slot of a skeleton filled from its options, now and then with a stray
// piece) between random noise.
class TextGenerator {
public:
    explicit TextGenerator(unsigned seed)
        : random_(seed) {}

    std::string next();

private:
    using Skeleton = std::vector<std::vector<std::string>>; // one list of options per slot

    std::string noise(int count);
    std::string fill(const Skeleton& skeleton);
    std::size_t below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

    std::mt19937 random_;
};

} // namespace tindrel::oracle
