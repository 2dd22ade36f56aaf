// What the word fill-in accepts as filling its blank.
#include "modes/FillIn.h"

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(FillInRules, WhatFillsTheBlank)
{
    const struct
    {
        const char* typed;
        const char* shown;
        const char* dictionaryForm;
        bool fills;
    } cases[] = {
        {"Tom", "Tom", "tom", true},
        {"tOM", "Tom", "tom", true},
        {"child", "Children", "child", true}, // the dictionary form is accepted too
        {"children", "Children", "child", true},
        {"childre", "Children", "child", false},
        {"it's", "It’s", "it’s", true}, // the keyboard's apostrophe for the typographic one
        {"It’s", "It's", "it's", true},
        {"ｔom", "Tom", "tom", false}, // only A-Z and a-z compare without case
        {"", "", "", false},
        {"", "Tom", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fillsBlank(QString::fromUtf8(c.typed), QString::fromUtf8(c.shown),
                             QString::fromUtf8(c.dictionaryForm)),
                  c.fills)
            << c.typed << " / " << c.shown;
    }
}
