#include "TextGenerator.h"

#include "TindrelCore/tests/Fixtures.h"

#include <map>

namespace tindrel::oracle {
namespace {

struct Pieces {
    std::map<std::string, std::vector<std::string>> lists;
    std::vector<std::vector<std::vector<std::string>>> skeletons; // one list of options per slot
};

// tests/data/oracle/text-pieces.tsv: the noise, the lists of options, then the skeletons made of them.
const Pieces& pieces() {
    static const Pieces read = [] {
        Pieces pieces;
        for (const fixtures::Row& row : fixtures::table("oracle/text-pieces.tsv")) {
            if (row[0] != "skeleton") {
                pieces.lists[row[0]] = std::vector(row.cells.begin() + 1, row.cells.end());
                continue;
            }
            pieces.skeletons.emplace_back();
            for (std::size_t slot = 1; slot < row.size(); ++slot)
                pieces.skeletons.back().push_back(pieces.lists.at(row[slot]));
        }
        return pieces;
    }();
    return read;
}

} // namespace

std::string TextGenerator::noise(int count) {
    const std::vector<std::string>& noise = pieces().lists.at("pieces");
    std::string text;
    for (int i = 0; i < count; ++i)
        text += noise[below(noise.size())];
    return text;
}

std::string TextGenerator::fill(const Skeleton& skeleton) {
    std::string text;
    for (const std::vector<std::string>& slot : skeleton)
        text += below(12) == 0 ? noise(1) : slot[below(slot.size())];
    return text;
}

std::string TextGenerator::next() {
    const auto& skeletons = pieces().skeletons;
    std::string text;
    for (std::size_t chunks = 1 + below(3); chunks > 0; --chunks)
        text +=
            below(3) == 0 ? noise(1 + static_cast<int>(below(6))) : fill(skeletons[below(skeletons.size())]);
    return text;
}

} // namespace tindrel::oracle
