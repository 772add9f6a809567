// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/sync/CardItem.h"
#include "store/Codec1251.h"

#include "PhoneLabels.h"

#include <gtest/gtest.h>

#include <string>

namespace norvik::sync {
namespace {

const FieldLabel label = test::labelFrom(test::russianPhoneLabels());

Text line(const char* utf8) {
    return cp1251::literal(utf8);
}

std::string lineOf(const ItemReading& reading) {
    return reading.lines.empty() ? "(none)" : cp1251::toUtf8(reading.lines.front().line);
}

const std::string phoneCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c1\r\nFN:Anna Example\r\n"
                              "N:Example;Anna;;;\r\nitem1.TEL;TYPE=CELL,PREF:+7 900 111-22-33\r\n"
                              "TEL;TYPE=WORK,VOICE:+7 495 000-00-00\r\n"
                              "ADR;TYPE=HOME:PO 12;Flat 3;Main street;Springfield;;;Neverland\r\n"
                              "EMAIL:anna@example.org\r\nNOTE:Met at the fair\r\n"
                              "PHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\nEND:VCARD\r\n";

// A card reads as the line the add dialog would build from its name,
// address and numbers; the phone's own NOTE stays out of the line, and a
// separator inside a field is broken up so that it cannot move text.
TEST(CardItemTest, ACardReadsAsThePhoneLineOfItsFields) {
    const ItemReading reading = readCardItem(phoneCard, label, false);
    ASSERT_EQ(reading.outcome, ItemReading::Outcome::Shown);
    EXPECT_EQ(reading.uid, "c1");
    EXPECT_EQ(lineOf(reading), "Anna Example >>> Neverland, Springfield, ул. Main street, Flat 3, "
                               "PO 12, моб. тел.: +7 900 111-22-33, тел.: +7 495 000-00-00");
    EXPECT_EQ(lineOf(readCardItem("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob >>> Smith\r\nEND:VCARD\r\n",
                                  label, false)),
              "Bob > > > Smith >>> ");
    // A note of this program's own is the line's rest.
    EXPECT_EQ(lineOf(readCardItem("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Carl\r\nNOTE:call after "
                                  "six\r\nEND:VCARD\r\n",
                                  label, true)),
              "Carl >>> call after six");
    EXPECT_EQ(readCardItem("BEGIN:VCARD\r\nVERSION:3.0\r\nEND:VCARD\r\n", label, false).outcome,
              ItemReading::Outcome::NotShown);
    EXPECT_EQ(readCardItem("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n", label, false).outcome,
              ItemReading::Outcome::Unreadable);
}

// A changed number rewrites only the TEL lines of its kind, keeping their
// groups and types; the address keeps its PO box and extended part; the
// name rewrites FN and N; NOTE, EMAIL and PHOTO stay as the phone wrote them.
TEST(CardItemTest, AChangedLineRewritesOnlyTheFieldsThatChanged) {
    const Text base = readCardItem(phoneCard, label, false).lines.front().line;
    bool ownNote = false;
    const auto mobile = editCardItem(
        phoneCard, base,
        line("Anna Example >>> Neverland, Springfield, ул. Main street, Flat 3, PO 12, моб. тел.: "
             "+7 900 999-88-77, +7 900 555-44-33, тел.: +7 495 000-00-00"),
        label, ownNote);
    ASSERT_TRUE(mobile);
    std::string expected = phoneCard;
    const std::string old = "item1.TEL;TYPE=CELL,PREF:+7 900 111-22-33";
    expected.replace(expected.find(old), old.size(),
                     "item1.TEL;TYPE=CELL,PREF:+7 900 999-88-77\r\n"
                     "TEL;TYPE=CELL,PREF:+7 900 555-44-33");
    EXPECT_EQ(*mobile, expected);

    const auto moved = editCardItem(
        phoneCard, base,
        line(
            "Anna Examplova >>> Neverland, Shelbyville, ул. Main street, Flat 3, PO 12, моб. тел.: "
            "+7 900 111-22-33, тел.: +7 495 000-00-00"),
        label, ownNote);
    ASSERT_TRUE(moved);
    EXPECT_NE(moved->find("FN:Anna Examplova\r\n"), std::string::npos);
    EXPECT_NE(moved->find("N:Examplova;Anna;;;\r\n"), std::string::npos);
    EXPECT_NE(moved->find("ADR;TYPE=HOME:PO 12;Flat 3;Main street;Shelbyville;;;Neverland\r\n"),
              std::string::npos);
    // A new street takes the place of the parts it was read with.
    const auto street = editCardItem(
        phoneCard, base,
        line("Anna Example >>> Neverland, Springfield, ул. Side road 5, моб. тел.: +7 900 "
             "111-22-33, тел.: +7 495 000-00-00"),
        label, ownNote);
    ASSERT_TRUE(street);
    EXPECT_NE(street->find("ADR;TYPE=HOME:;;Side road 5;Springfield;;;Neverland\r\n"),
              std::string::npos)
        << *street;
    for (const char* kept :
         {"EMAIL:anna@example.org\r\n", "NOTE:Met at the fair\r\n",
          "PHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n", "TEL;TYPE=WORK,VOICE:+7 495 000-00-00\r\n"}) {
        EXPECT_NE(moved->find(kept), std::string::npos) << kept;
    }

    // Free text where the fields were: the phone's NOTE is not overwritten.
    const auto free =
        editCardItem(phoneCard, base, line("Anna Example >>> see the fair list"), label, ownNote);
    ASSERT_TRUE(free);
    EXPECT_NE(free->find("NOTE:Met at the fair\r\n"), std::string::npos);
    EXPECT_FALSE(ownNote);
}

// A card of vCard 2.1 is written back as 2.1: a new value names its
// character set, and a quoted-printable one is replaced whole, soft line
// breaks included.
TEST(CardItemTest, AnOldVersionCardIsWrittenInItsOwnVersion) {
    const std::string old = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Old;Name;;;\r\n"
                            "FN;ENCODING=QUOTED-PRINTABLE:Old=20=\r\nName\r\n"
                            "TEL;CELL:111\r\nEND:VCARD\r\n";
    bool ownNote = false;
    const auto edited = editCardItem(old, line("Old Name >>> , моб. тел.: 111"),
                                     line("Пётр Иванов >>> , моб. тел.: 222"), label, ownNote);
    ASSERT_TRUE(edited);
    EXPECT_EQ(*edited, "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8:Иванов;Пётр;;;\r\n"
                       "FN;CHARSET=UTF-8:Пётр Иванов\r\nTEL;CELL:222\r\nEND:VCARD\r\n");
}

// A new card reads back as its line, a note included, which is then this
// program's own; equal names and numbers pair whatever the address says.
TEST(CardItemTest, ANewCardReadsBackAndPairsByNameAndNumbers) {
    for (const char* utf8 :
         {"Иван Петров >>> Россия, индекс 123456, Москва, ул. Тверская, моб. тел.: +7 900 1",
          "Zoe >>> just a note"}) {
        bool ownNote = false;
        const std::string card = newCardItem("u-1", line(utf8), label, ownNote);
        EXPECT_NE(card.find("VERSION:3.0\r\nUID:u-1\r\n"), std::string::npos);
        EXPECT_EQ(lineOf(readCardItem(card, label, ownNote)), utf8);
    }
    EXPECT_EQ(cardPairingKey(line("Anna >>> , моб. тел.: +7 (900) 111, тел.: 22"), label),
              cardPairingKey(line("Anna >>> Neverland, тел.: +7900111, факс: 2-2"), label));
    EXPECT_NE(cardPairingKey(line("Anna >>> , моб. тел.: 1"), label),
              cardPairingKey(line("Anna >>> , моб. тел.: 2"), label));
}

} // namespace
} // namespace norvik::sync
