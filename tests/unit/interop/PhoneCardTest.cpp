// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/PhoneCard.h"
#include "PhoneLabels.h"
#include "SpeedCheck.h"
#include "phonebook/PhoneLine.h"
#include "store/Codec1251.h"

#include <chrono>
#include <gtest/gtest.h>

namespace norvik {
namespace {

using test::labelFrom;
const Lines& russian = test::russianPhoneLabels();
const Lines& english = test::englishPhoneLabels();

// Every combination of fields the add dialog offers, with values that hold
// commas and label-like text, reads back into the same fields: the card
// rebuilds the very line, without a note.
TEST(PhoneCardTest, EveryDialogLineRebuildsFromItsFields) {
    for (const Lines* labels : {&russian, &english}) {
        const FieldLabel label = labelFrom(*labels);
        for (unsigned mask = 0; mask < (1U << 12); ++mask) {
            PhoneRecord record;
            record.name = cp1251::literal("Иван, Петров");
            Text* const fields[] = {&record.country,  &record.postcode,  &record.city,
                                    &record.region,   &record.street,    &record.house,
                                    &record.building, &record.structure, &record.flat,
                                    &record.mobile,   &record.telephone, &record.fax};
            const char* const values[] = {
                "Россия", "123456", "Москва", "Московская", "Тверская, угол", "7",
                "2",      "1",      "15",     "+7 900",     "+7 495",         "+7 495 1"};
            for (unsigned i = 0; i < 12; ++i) {
                if ((mask & (1U << i)) != 0) {
                    *fields[i] = cp1251::literal(values[i]);
                }
            }
            const Text line = buildPhoneLine(record, label);
            const PhoneCard card = cardFromPhoneLine(line, label);
            // A country alone has no label to tell it from free text: it goes
            // into the note, which rebuilds the line all the same.
            ASSERT_EQ(card.note.has_value(), mask == 1U) << cp1251::toUtf8(line);
            ASSERT_EQ(phoneLineFromCard(card, label), line) << cp1251::toUtf8(line);
            if (mask != 1U) {
                ASSERT_EQ(card.country.empty(), (mask & 1U) == 0) << cp1251::toUtf8(line);
                ASSERT_EQ(card.city.empty(), (mask & 4U) == 0) << cp1251::toUtf8(line);
                ASSERT_EQ(card.region.empty(), (mask & 8U) == 0) << cp1251::toUtf8(line);
            }
        }
    }
}

TEST(PhoneCardTest, WhatTheFieldsCannotCarryGoesWholeIntoTheNote) {
    const FieldLabel label = labelFrom(english);
    // A checked but empty street leaves its label alone, which an address cannot hold;
    // a hand-written rest follows no labels at all.
    for (const Text& line :
         {Text("A >>> , street: , house: 5"), Text("B >>> call after 6"), Text("No separator")}) {
        const PhoneCard card = cardFromPhoneLine(line, label);
        EXPECT_FALSE(card.hasAddress()) << line;
        EXPECT_FALSE(card.mobile || card.telephone || card.fax) << line;
        EXPECT_EQ(card.name, line.substr(0, line.find(" >>> ")));
    }
    EXPECT_EQ(cardFromPhoneLine("B >>> call after 6", label).note, "call after 6");
    EXPECT_EQ(phoneLineFromCard(cardFromPhoneLine("B >>> call after 6", label), label),
              "B >>> call after 6");

    const PhoneCard split = cardFromPhoneLine("C >>> Neverland, Springfield, street: Main", label);
    EXPECT_EQ(split.country, "Neverland");
    EXPECT_EQ(split.city, "Springfield");
    EXPECT_EQ(split.street, "Main");
}

TEST(PhoneCardTest, AStreetGivenWithItsLabelGetsItOnce) {
    PhoneCard card;
    card.name = "A";
    card.street = cp1251::literal("Ул. Тверская, д. 7");
    EXPECT_EQ(phoneLineFromCard(card, labelFrom(russian)),
              cp1251::literal("A >>> , ул. Тверская, д. 7"));
    card.street = "street:Main St, house: 7";
    EXPECT_EQ(phoneLineFromCard(card, labelFrom(english)), "A >>> , street: Main St, house: 7");
    card.street = "Streetwise Ave";
    EXPECT_EQ(phoneLineFromCard(card, labelFrom(english)), "A >>> , street: Streetwise Ave");
}

TEST(PhoneCardTest, TextsFullOfLabelsReadInLinearTime) {
    const FieldLabel label = labelFrom(english);
    Text street;
    for (int i = 0; i < 100000; ++i) {
        street += ", house: 1, flat: 2";
    }
    PhoneCard card;
    card.name = "Crowded";
    card.street = street;
    // Rests as long as an export still reads field by field, as many as a
    // big phone book holds.
    Text rest;
    while (rest.size() < 4000) {
        rest += ", , region, street: , house: ";
    }
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(phoneLineFromCard(card, label), "Crowded >>> , street: " + street);
    for (int i = 0; i < (test::speedIsMeasured ? 300 : 10); ++i) {
        const Text line = "L" + std::to_string(i) + " >>> " + rest;
        ASSERT_EQ(phoneLineFromCard(cardFromPhoneLine(line, label), label), line);
    }
    // Quadratic reading took hours here.
    if (test::speedIsMeasured) {
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    }
}

TEST(PhoneCardTest, ACardWithoutANameMakesNoLine) {
    PhoneCard card;
    card.mobile = "1";
    EXPECT_FALSE(phoneLineFromCard(card, labelFrom(english)));
}

} // namespace
} // namespace norvik
