#include "TindrelCore/formats/MarkupDepth.h"

#include <gtest/gtest.h>

using namespace tindrel;

TEST(MarkupDepth, CountsOnlyOpenElementTags) {
    struct Case {
        std::string markup;
        std::size_t limit;
        bool deeper;
    } cases[] = {
        {"<a><b><c/></b></a>", 2, false},
        {"<a><b><c></c></b></a>", 2, true},
        {"<a></a><b></b><c></c>", 1, false},
        {"<a><!-- <b><c><d> --></a>", 1, false},
        {"<a><![CDATA[<b><c><d>]]></a>", 1, false},
        {"<?xml version=\"1.0\"?><!DOCTYPE a><a><?pi <b><c>?></a>", 1, false},
        {"<a x=\"1\"><b y='2'>text</b></a>", 1, true},
        {"</x></y><a><b></b></a>", 1, true},
        {"<a", 0, false},
        {"<a><b", 1, false},
        {"<!-- unterminated <a><b><c>", 0, false},
        {"", 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nestsDeeperThan(c.markup, c.limit), c.deeper) << c.markup;
}
