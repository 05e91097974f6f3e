#include "TindrelCore/model/Details.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tindrel;

namespace {

using Reference = std::map<std::string, std::string>;

void expectSame(const Details& details, const Reference& reference) {
    ASSERT_EQ(details.size(), reference.size());
    auto expected = reference.begin();
    for (const auto& [key, value] : details) {
        EXPECT_EQ(key, expected->first);
        EXPECT_EQ(value, expected->second);
        ++expected;
    }
}

} // namespace

// Random additions, replacements and removals give the facts, in the order, that a map gives.
TEST(Details, KeepsFactsAsAMapDoes) {
    std::mt19937 random(7);
    Details details;
    Reference reference;
    for (int round = 0; round < 20000; ++round) {
        const std::string key = std::string(random() % 3, 'k') + std::to_string(random() % 40);
        const std::string value = std::to_string(round);
        switch (random() % 5) {
        case 0:
            details[key] = value;
            reference[key] = value;
            break;
        case 1:
            EXPECT_EQ(details.emplace(key, value).second, reference.emplace(key, value).second);
            break;
        case 2:
            EXPECT_EQ(details.insert_or_assign(key, value).second,
                      reference.insert_or_assign(key, value).second);
            break;
        case 3:
            EXPECT_EQ(details.erase(key), reference.erase(key));
            break;
        default:
            ASSERT_EQ(details.contains(key), reference.contains(key));
            if (reference.contains(key)) {
                EXPECT_EQ(details.at(key), reference.at(key));
            }
        }
        ASSERT_NO_FATAL_FAILURE(expectSame(details, reference)) << round;
    }
}

TEST(Details, ListsKeepTheFirstOfEqualKeysAndLookupsOfMissingKeysFail) {
    const Details details{{"b", "1"}, {"a", "2"}, {"b", "3"}, {"", "4"}};
    expectSame(details, Reference{{"b", "1"}, {"a", "2"}, {"b", "3"}, {"", "4"}});
    EXPECT_EQ(details.find("c"), details.end());
    EXPECT_THROW(static_cast<void>(details.at("c")), std::out_of_range);
    EXPECT_EQ(details, (Details{{"", "4"}, {"a", "2"}, {"b", "1"}}));
    EXPECT_NE(details, (Details{{"", "4"}, {"a", "2"}, {"b", "3"}}));
}

// Facts handed over at once, in any order and with repeats, are the facts a map holds after each
// was assigned in turn; short lists and long ones are sorted apart.
TEST(Details, FactsHandedOverAtOnceAreAssignedInTurn) {
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        std::vector<Details::value_type> facts(random() % 40);
        Reference reference;
        for (std::size_t i = 0; i < facts.size(); ++i) {
            facts[i] = {std::string(random() % 2, 'k') + std::to_string(random() % 12), std::to_string(i)};
            reference[facts[i].first] = facts[i].second;
        }
        ASSERT_NO_FATAL_FAILURE(expectSame(Details::fromAssignments(facts), reference)) << round;
    }
}
