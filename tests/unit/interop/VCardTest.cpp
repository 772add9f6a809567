// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/VCard.h"
#include "FailureOf.h"
#include "SpeedCheck.h"
#include "store/Codec1251.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

// Crafted cards; the files of other programs are read end to end in tests/cli.
namespace norvik {
namespace {

using test::failureOf;
using namespace std::string_literals;

Text cp(const char* utf8) {
    return cp1251::literal(utf8);
}

VCardImport read(const std::string& file) {
    return readVCards(file, "in.vcf");
}

TEST(VCardTest, Version21AsPhonesWriteIt) {
    // Quoted-printable with soft line breaks, character sets, CR CR LF.
    const VCardImport import = read(
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=9F=D0=B5=D1=82=D1=80=D0=BE=D0=B2;=D0=98=\r\n"
        "=D0=B2=D0=B0=D0=BD;;;\r\n"
        "TEL;CELL;PREF:+7 900 111-22-33\r\n"
        "NOTE;ENCODING=QUOTED-PRINTABLE:first=0D=0Asecond =3D 2=\r\n"
        "\r\n"
        "END:VCARD\r\n"
        "BEGIN:VCARD\r\r\nVERSION:2.1\r\r\n"
        "FN;CHARSET=WINDOWS-1251;ENCODING=QUOTED-PRINTABLE:=CF=E5=F2=F0 1\r\r\n"
        "END:VCARD\r\r\n"
        "BEGIN:VCARD\r\nFN;CHARSET=KOI8-R:\xF0\xC5\xD4\xD2 2\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nFN;CHARSET=ISO-8859-5:\xBF\xD5\xE2\xE0 3\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nFN;CHARSET=windows-1251:\xCF\xE5\xF2\xF0 4\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nFN;CHARSET=ISO-8859-1:Jos\xE9 5\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nFN;CHARSET=NO-SUCH-SET:\xD0\x9F 6\r\nEND:VCARD\r\n");
    ASSERT_EQ(import.cards.size(), 7u);
    EXPECT_EQ(import.cards[0].name, cp("Иван Петров"));
    EXPECT_EQ(import.cards[0].mobile, "+7 900 111-22-33");
    EXPECT_EQ(import.cards[0].note, "first second = 2");
    const char* const names[] = {"Петр 1", "Петр 2", "Петр 3", "Петр 4", "Jos? 5", "П 6"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(import.cards[i + 1].name, cp(names[i])) << i;
    }
    EXPECT_EQ(import.replaced, 1u);
}

TEST(VCardTest, GroupsUrisAndNameAndAddressParts) {
    const VCardImport import =
        read("home.begin:vcard\r\nversion:4.0\r\n"
             "ORG:Acme;Sales\r\n"
             "item1.TEL;type=pref:+1 555 0100\r\nitem1.X-ABLabel:_$!<Other>!$_\r\n"
             "tel;value=uri;type=\"voice,cell\":tel:+1-555-0101\r\n"
             "TEL;TYPE=fax:TEL:+1-555-0102\r\n"
             "item2.ADR;type=HOME:PO Box 7;Suite 5;1 Main St;Springfield;IL;62701;USA\r\n"
             "ADR;TYPE=WORK:;;Second address;;;;\r\n"
             "home.end:vcard\r\n"
             "BEGIN:VCARD\r\nN:Doe;Jane;;;\r\nORG:Acme\r\nADR:Whole address\\, here;;;;;;\r\n"
             "END:VCARD\r\n");
    ASSERT_EQ(import.cards.size(), 2u);
    const PhoneCard& company = import.cards[0];
    EXPECT_EQ(company.name, "Acme, Sales");
    EXPECT_EQ(company.telephone, "+1 555 0100");
    EXPECT_EQ(company.mobile, "+1-555-0101");
    EXPECT_EQ(company.fax, "+1-555-0102");
    EXPECT_EQ(company.street, "1 Main St, Suite 5, PO Box 7");
    EXPECT_EQ(company.city, "Springfield");
    EXPECT_EQ(company.region, "IL");
    EXPECT_EQ(company.postcode, "62701");
    EXPECT_EQ(company.country, "USA");
    EXPECT_EQ(import.cards[1].name, "Jane Doe");
    EXPECT_EQ(import.cards[1].street, "Whole address, here");
}

TEST(VCardTest, NoFieldCanHoldTheSeparatorOrAControlCharacter) {
    const VCardImport import =
        read(cp1251::toUtf8(cp("BEGIN:VCARD\r\nFN: >>> Bob\r\nEND:VCARD\r\n"
                               "BEGIN:VCARD\r\nFN:Carol >>> , моб. тел.: 555\r\n"
                               "TEL;CELL:1 >>>> 2\r\nNOTE:a >> b\r\nEND:VCARD\r\n")) +
             "BEGIN:VCARD\r\nFN:Eve\x1B]0;owned\x07\\n\tTab\r\nTEL:12\x00"
             "3\r\nEND:VCARD\r\n"s);
    ASSERT_EQ(import.cards.size(), 3u);
    EXPECT_EQ(import.cards[0].name, " > > > Bob");
    EXPECT_EQ(import.cards[1].name, cp("Carol > > > , моб. тел.: 555"));
    EXPECT_EQ(import.cards[1].mobile, "1 > > > > 2");
    EXPECT_EQ(import.cards[1].note, "a >> b");
    EXPECT_EQ(import.cards[2].name, "Eve]0;owned \tTab");
    EXPECT_EQ(import.cards[2].telephone, "123");
}

TEST(VCardTest, AFileWithoutCardsIsBadInput) {
    for (const std::string empty : {"", "\r\n\r\n", "\xEF\xBB\xBF"}) {
        EXPECT_EQ(failureOf([&] { read(empty); }), "in.vcf: no vCard data");
    }
    EXPECT_EQ(failureOf([] { read("BEGIN:VCARD\r\nFN:x\r\n"); }),
              "in.vcf:1: BEGIN:VCARD is never closed");
    EXPECT_EQ(failureOf([] { read("BEGIN:VCARD\r\nFN x\r\nEND:VCARD\r\n"); }),
              "in.vcf:2: not a vCard line");
}

TEST(VCardTest, ExportGivesOneTelPerNumberAndNoControlCharacters) {
    PhoneCard card;
    card.name = "Bob\x1B[2J";
    card.mobile = "+7 900 111-22-33, +7 900 444-55-66";
    card.fax = "1,,2";
    card.note = "a\x07 b";
    EXPECT_EQ(writeVCards({card}), "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob[2J\r\nN:Bob[2J;;;;\r\n"
                                   "TEL;TYPE=CELL:+7 900 111-22-33\r\n"
                                   "TEL;TYPE=CELL:+7 900 444-55-66\r\n"
                                   "TEL;TYPE=FAX:1\\,\\,2\r\nNOTE:a b\r\nEND:VCARD\r\n");
    // Numbers that hold commas stay one number each way.
    const VCardImport back =
        read("BEGIN:VCARD\r\nFN:x\r\nTEL;CELL:555\\, ext. 12\r\nTEL;CELL:1\r\nEND:VCARD\r\n");
    EXPECT_EQ(back.cards.at(0).mobile, "555,ext. 12, 1");
}

TEST(VCardTest, ManyNumbersReadInLinearTime) {
    const int count = test::speedIsMeasured ? 100000 : 1000;
    std::string file = "BEGIN:VCARD\r\nFN:Switchboard\r\n";
    for (int i = 0; i < count; ++i) {
        file += "TEL;CELL:+7 900 " + std::to_string(1000000 + i) + "\r\n";
    }
    file += "END:VCARD\r\n";
    const auto started = std::chrono::steady_clock::now();
    const VCardImport import = read(file);
    if (test::speedIsMeasured) {
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    }
    EXPECT_EQ(import.cards.at(0).mobile->size(), count * 16u - 2);
}

} // namespace
} // namespace norvik
