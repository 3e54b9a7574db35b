#include "core/stream.h"

#include <gtest/gtest.h>

#include "core/language.h"
#include "core/registry.h"
#include "panel/document.h"
#include "panel/platine.h"

using namespace pw;

namespace {

std::vector<uint8_t> Written(const std::function<void(TWriter&)>& f) {
    std::vector<uint8_t> out;
    TWriter w(out);
    f(w);
    return out;
}

TEST(Stream, IntegersTakeTheSmallestTag) {
    EXPECT_EQ(Written([](TWriter& w) { w.WriteInteger(25); }), (std::vector<uint8_t>{2, 25}));
    EXPECT_EQ(Written([](TWriter& w) { w.WriteInteger(-128); }), (std::vector<uint8_t>{2, 0x80}));
    EXPECT_EQ(Written([](TWriter& w) { w.WriteInteger(200); }), (std::vector<uint8_t>{3, 0xC8, 0}));
    EXPECT_EQ(Written([](TWriter& w) { w.WriteInteger(40000); }), (std::vector<uint8_t>{4, 0x40, 0x9C, 0, 0}));
    EXPECT_EQ(Written([](TWriter& w) { w.WriteInteger(-32769); }), (std::vector<uint8_t>{4, 0xFF, 0x7F, 0xFF, 0xFF}));
    EXPECT_EQ(Written([](TWriter& w) { w.WriteInteger(1LL << 40); }),
              (std::vector<uint8_t>{19, 0, 0, 0, 0, 0, 1, 0, 0}));
}

TEST(Stream, BooleansStringsAndFloats) {
    EXPECT_EQ(Written([](TWriter& w) { w.WriteBoolean(true); w.WriteBoolean(false); }), (std::vector<uint8_t>{9, 8}));
    EXPECT_EQ(Written([](TWriter& w) { w.WriteString("TLinie"); }),
              (std::vector<uint8_t>{6, 6, 'T', 'L', 'i', 'n', 'i', 'e'}));
    // UTF-8 in memory, Windows-1252 on disk.
    EXPECT_EQ(Written([](TWriter& w) { w.WriteString("Maß"); }), (std::vector<uint8_t>{6, 3, 'M', 'a', 0xDF}));
    std::vector<uint8_t> longText = Written([](TWriter& w) { w.WriteString(std::string(300, 'x')); });
    ASSERT_EQ(longText.size(), 305u);
    EXPECT_EQ(longText[0], 12);
    EXPECT_EQ(longText[1], 0x2C);
    EXPECT_EQ(longText[2], 0x01);
    std::vector<uint8_t> f = Written([](TWriter& w) { w.WriteFloat(30000); });
    EXPECT_EQ(f, (std::vector<uint8_t>{5, 0, 0, 0, 0, 0, 0, 0x60, 0xEA, 0x0D, 0x40}));
}

TEST(Stream, ReadingRules) {
    std::vector<uint8_t> data = Written([](TWriter& w) {
        w.WriteInteger(-5);
        w.WriteInteger(1000);
        w.WriteInteger(-100000);
        w.WriteInteger(7);  // read as a float
        w.WriteFloat(2.5L);
        w.WriteString("Maß");
        w.WriteBoolean(true);
    });
    data.push_back(vaInt8);  // a boolean read on any other tag is false
    TReader r(data, StreamSource::File);
    EXPECT_EQ(r.ReadInteger(), -5);
    EXPECT_EQ(r.ReadInteger(), 1000);
    EXPECT_EQ(r.ReadInteger(), -100000);
    EXPECT_EQ(r.ReadFloat(), 7.0L);
    EXPECT_EQ(r.ReadFloat(), 2.5L);
    EXPECT_EQ(r.ReadString(), "Maß");
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_FALSE(r.ReadBoolean());
    EXPECT_EQ(r.Remaining(), 0u);
}

TEST(Stream, WrongTagsAndShortDataFailWithTheirMessages) {
    std::vector<uint8_t> boolean{vaTrue};
    TReader a(boolean, StreamSource::File);
    try {
        a.ReadInteger();
        FAIL();
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "Ungültiger Wert der Eigenschaft");
    }
    std::vector<uint8_t> integer{vaInt8, 1};
    TReader b(integer, StreamSource::File);
    EXPECT_THROW(b.ReadString(), StreamError);
    std::vector<uint8_t> cut{vaExtended, 0, 0, 0};
    TReader c(cut, StreamSource::File);
    try {
        c.ReadFloat();
        FAIL();
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "Stream-Read-Fehler");
    }
    // A long string whose length runs past the data fails instead of allocating.
    std::vector<uint8_t> huge{vaLString, 0xFF, 0xFF, 0xFF, 0x7F, 'a'};
    TReader d(huge, StreamSource::File);
    EXPECT_THROW(d.ReadString(), StreamError);
}

TEST(Stream, VersionFromHeader) {
    const uint8_t v202[4] = {'2', ',', '0', '2'};
    const uint8_t v100[4] = {0, 0, 0, 0};
    const uint8_t v210[4] = {'2', ',', '1', '0'};
    EXPECT_EQ(FormatVersion::FromHeader(v202).value, 2.02L);
    EXPECT_EQ(FormatVersion::FromHeader(v100).text, "1,00");
    EXPECT_EQ(FormatVersion::FromHeader(v100).value, 1.0L);
    EXPECT_GT(FormatVersion::FromHeader(v210).value, kCurrentVersion);
    const uint8_t junk[4] = {'a', 'b', 'c', 'd'};
    EXPECT_THROW(FormatVersion::FromHeader(junk), StreamError);
}

// Class names come from the file: shown as they are when they print, else quoted and escaped, so
// a message stays one line, whole, and free of terminal escapes.
TEST(Stream, UnknownClassNamesAreShownSafely) {
    using read_errors::ClassNotFound;
    EXPECT_EQ(ClassNotFound("TXohrung"), "Klasse TXohrung nicht gefunden");
    EXPECT_EQ(ClassNotFound("Maß \"x\""), "Klasse Maß \"x\" nicht gefunden");
    EXPECT_EQ(ClassNotFound("Bad\nName\x1b"), R"(Klasse "Bad\nName\x1b" nicht gefunden)");
    EXPECT_EQ(ClassNotFound(""), R"(Klasse "" nicht gefunden)");
    // A C1 control (Windows-1252's undefined bytes read as such), a byte that is no UTF-8, and
    // quotes and backslashes inside a quoted name.
    EXPECT_EQ(ClassNotFound("\"T\xC2\x81\\\xFF\""), R"(Klasse "\"T\u0081\\\xff\"" nicht gefunden)");
    // Through the reader: a NUL byte no longer cuts the message.
    std::vector<uint8_t> data{vaString, 6, 'T', 0, 'X', 0x1B, '[', 'm'};
    TReader r(data, StreamSource::File);
    try {
        CreateElement(r.ReadString());
        FAIL();
    } catch (const StreamError& e) {
        EXPECT_EQ(std::string(e.what()), R"(Klasse "T\x00X\x1b[m" nicht gefunden)");
    }
}

TEST(Stream, ReaderAndFileMessagesFollowTheLanguage) {
    SetLanguage(Language::English);
    EXPECT_EQ(std::string(read_errors::StreamRead()) + "|" + read_errors::InvalidValue() + "|" +
                  read_errors::ClassNotFound("T\r") + "|" + CannotOpenMessage("a") + "|" +
                  CannotCreateMessage("a") + "|" + VersionError("2,10").what(),
              R"(Stream read error|Invalid property value|Class "T\r" not found|Cannot open file a|)"
              R"(Cannot create file a|Version mismatch 2,10)");
    SetLanguage(Language::German);
    EXPECT_EQ(CannotCreateMessage("a") + "|" + VersionError("2,10").what(),
              "Datei a kann nicht erstellt werden|Versionskonflikt 2,10");
}

}  // namespace
