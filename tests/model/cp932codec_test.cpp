#include "model/cp932codec.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace niruka {
namespace {

QByteArray hexBytes(const char *hex)
{
    return QByteArray::fromHex(QByteArray(hex));
}

std::string hexOf(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}

TEST(Cp932Codec, IsAvailable)
{
    ASSERT_TRUE(cp932Available()) << "Qt offers no cp932 converter (built without ICU?)";
}

// Characters whose bytes differ between code page 932 and strict Shift_JIS, or that only code page 932 has,
// and the plain texts the files carry. Bytes as in the Windows-932 table.
struct RoundTrip {
    const char *name;
    const char16_t *text;
    const char *bytes;
};

const RoundTrip kRoundTrips[] = {
    {"full-width tilde of the reference ranges", u"～", "8160"},
    {"horizontal bar", u"―", "815C"},
    {"full-width hyphen of the list texts", u"－", "817C"},
    {"circled one to six of the land-use rows", u"①②③④⑤⑥", "874087418742874387448745"},
    {"half-width katakana of the Hume report name", u"ﾋｭｰﾑ", "CBADB0D1"},
    {"half-width katakana with voiced mark", u"ｺﾞﾙﾌ", "BADED9CC"},
    {"half-width middle dot", u"･", "A5"},
    {"half-width comma", u"､", "A4"},
    {"greek phi of the pipe names", u"φ", "83D3"},
    {"therefore of the verdict", u"∴", "8188"},
    {"ideographic space", u"\u3000", "8140"},
    {"parallel", u"∥", "8161"},
    {"full-width not sign", u"￢", "81CA"},
    {"because", u"∵", "81E6"},
    {"approximately equal", u"≒", "81E0"},
    {"roman numeral one (NEC row 13)", u"Ⅰ", "8754"},
    {"parenthesised kabushiki", u"㈱", "878A"},
    {"small roman numeral one (IBM extension)", u"ⅰ", "FA40"},
    {"taka with ladder (IBM extension)", u"髙", "FBFC"},
    {"backslash and tilde stay ASCII", u"\\~", "5C7E"},
    {"project folder name", u"ニルカ(雨水編)", "836A838B834A28894A908595D229"},
    {"a flag line", u"True", "54727565"},
    {"a number line", u" .5", "202E35"},
    {"empty", u"", ""},
};

TEST(Cp932Codec, RoundTripsToTheExactBytes)
{
    for (const RoundTrip &c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        const QString text = QString::fromUtf16(c.text);
        const Cp932Encoded encoded = encodeCp932(text);
        ASSERT_TRUE(encoded.ok()) << encoded.unencodable.toStdString();
        EXPECT_EQ(hexOf(encoded.bytes), hexOf(hexBytes(c.bytes)));
        const Cp932Decoded decoded = decodeCp932(hexBytes(c.bytes));
        EXPECT_TRUE(decoded.ok());
        EXPECT_EQ(decoded.text, text);
    }
}

// Code page 932 has a few characters twice (NEC row 13 and the NEC-selected IBM rows): reading takes either;
// writing uses the form Windows writes.
TEST(Cp932Codec, DuplicateCodesReadAsOneCharacter)
{
    const struct {
        const char *bytes;
        const char16_t *text;
    } cases[] = {
        {"8790", u"≒"}, {"879A", u"∵"}, {"EEEF", u"ⅰ"}, {"ED40", u"纊"}, {"EEE0", u"髙"}, {"81CA", u"￢"},
    };
    for (const auto &c : cases) {
        const Cp932Decoded decoded = decodeCp932(hexBytes(c.bytes));
        EXPECT_TRUE(decoded.ok()) << c.bytes;
        EXPECT_EQ(decoded.text, QString::fromUtf16(c.text)) << c.bytes;
    }
}

// The JIS forms of characters that Unicode maps twice are the same characters of the code page.
TEST(Cp932Codec, JisFormsAreWrittenAsTheCodePagesOwn)
{
    const struct {
        const char16_t *text;
        const char *bytes;
    } cases[] = {
        {u"〜", "8160"}, {u"−", "817C"}, {u"‖", "8161"}, {u"—", "815C"},
        {u"¢", "8191"},  {u"£", "8192"}, {u"¬", "81CA"},
    };
    for (const auto &c : cases) {
        const Cp932Encoded encoded = encodeCp932(QString::fromUtf16(c.text));
        ASSERT_TRUE(encoded.ok()) << c.bytes;
        EXPECT_EQ(hexOf(encoded.bytes), hexOf(hexBytes(c.bytes)));
    }
}

TEST(Cp932Codec, ReportsWhatItCannotWrite)
{
    const struct {
        const char *name;
        const char16_t *text;
        const char16_t *unencodable;
        qsizetype firstBad;
    } cases[] = {
        {"euro sign", u"a€b", u"€", 1},
        {"sharp s", u"ß", u"ß", 0},
        {"yen sign is not the backslash", u"12¥", u"¥", 2},
        {"emoji outside the basic plane", u"x😀", u"😀", 1},
        {"each character once, in order", u"€x😀y€", u"€😀", 0},
        {"hangul", u"한", u"한", 0},
        {"lone surrogate", u"a\xD800", u"\xD800", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Cp932Encoded encoded = encodeCp932(QString::fromUtf16(c.text));
        EXPECT_FALSE(encoded.ok());
        EXPECT_TRUE(encoded.bytes.isEmpty()) << "nothing to write when a character is lost";
        EXPECT_EQ(encoded.unencodable, QString::fromUtf16(c.unencodable));
        EXPECT_EQ(encoded.firstBadIndex, c.firstBad);
    }
}

TEST(Cp932Codec, MarksBytesThatAreNotCodePage932)
{
    const struct {
        const char *name;
        const char *bytes;
        const char16_t *text;
        qsizetype firstBad;
    } cases[] = {
        {"0x80 is unassigned", "80", u"\xFFFD", 0},
        {"0xA0 is unassigned", "41A042",
         u"A\xFFFD"
         "B",
         1},
        {"0xFD to 0xFF are unassigned", "61FDFEFF", u"a\xFFFD\xFFFD\xFFFD", 1},
        {"lead byte cut off at the end", "6181", u"a\xFFFD", 1},
        {"lead byte before a blank", "81207A", u"\xFFFD z", 0},
        {"unassigned double-byte code", "8540", u"\xFFFD", 0},
        {"good text after a bad byte", "80836A", u"\xFFFDニ", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Cp932Decoded decoded = decodeCp932(hexBytes(c.bytes));
        EXPECT_FALSE(decoded.ok());
        EXPECT_EQ(decoded.firstBadOffset, c.firstBad);
        EXPECT_EQ(decoded.text, QString::fromUtf16(c.text));
    }
}

// Every byte below 0x80 is its ASCII character, control codes included (no IBM exchange of 0x1A/0x1C/0x7F),
// and the half-width katakana block maps one to one onto U+FF61…U+FF9F.
TEST(Cp932Codec, SingleBytesAreAsciiAndHalfWidthKatakana)
{
    QString text;
    QByteArray bytes;
    for (int b = 0; b < 0x80; ++b) {
        text += QChar(b);
        bytes += static_cast<char>(b);
    }
    for (int b = 0xA1; b <= 0xDF; ++b) {
        text += QChar(0xFF61 + (b - 0xA1));
        bytes += static_cast<char>(b);
    }
    const Cp932Encoded encoded = encodeCp932(text);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(hexOf(encoded.bytes), hexOf(bytes));
    const Cp932Decoded decoded = decodeCp932(bytes);
    EXPECT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.text, text);
    // The same control codes beside a bad byte, through the character-by-character reading.
    const Cp932Decoded slow = decodeCp932(hexBytes("1A1C7F80"));
    EXPECT_EQ(slow.firstBadOffset, 3);
    EXPECT_EQ(slow.text, QString::fromUtf16(u"\x1A\x1C\x7F\xFFFD"));
}

TEST(CrLfLines, Split)
{
    const struct {
        const char *name;
        const char16_t *text;
        QStringList lines;
    } cases[] = {
        {"empty text has no lines", u"", {}},
        {"every line ends with CR LF", u"a\r\nb\r\n", {"a", "b"}},
        {"last line without a break", u"a\r\nb", {"a", "b"}},
        {"one empty line", u"\r\n", {""}},
        {"empty line inside", u"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"lone LF and CR also end lines", u"a\nb\rc", {"a", "b", "c"}},
        {"CR then CR LF", u"a\r\r\n", {"a", ""}},
        {"blanks are kept", u" 3 \r\n", {" 3 "}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitLines(QStringView(c.text)), c.lines);
    }
}

TEST(CrLfLines, JoinEndsEveryLine)
{
    EXPECT_EQ(joinCrLfLines({}), QString());
    EXPECT_EQ(joinCrLfLines({""}), QStringLiteral("\r\n"));
    EXPECT_EQ(joinCrLfLines({"a", "", "b"}), QStringLiteral("a\r\n\r\nb\r\n"));
}

TEST(CrLfLines, FileRoundTrip)
{
    const QStringList lines = {QStringLiteral("0.5"),         QString(),
                               QStringLiteral("True"),        QStringLiteral(" 3"),
                               QStringLiteral("ﾋｭｰﾑ管 φ150"), QStringLiteral("0.85～0.95")};
    const Cp932Encoded encoded = encodeCp932Lines(lines);
    ASSERT_TRUE(encoded.ok());
    EXPECT_TRUE(encoded.bytes.startsWith("0.5\r\n\r\nTrue\r\n 3\r\n"));
    EXPECT_TRUE(encoded.bytes.endsWith(hexBytes("302E3835 8160 302E3935 0D0A")));
    const Cp932DecodedLines decoded = decodeCp932Lines(encoded.bytes);
    EXPECT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.lines, lines);
}

} // namespace
} // namespace niruka

namespace niruka {
namespace {

// Random bytes: the reading never fails silently (a bad unit always shows as U+FFFD at a reported offset),
// and whatever reads cleanly writes back and reads again as the same text.
TEST(Cp932Codec, RandomBytesReadSoundly)
{
    std::mt19937 random(932);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int n = length(random);
        for (int i = 0; i < n; ++i)
            bytes += static_cast<char>(byte(random));
        SCOPED_TRACE(hexOf(bytes));
        const Cp932Decoded decoded = decodeCp932(bytes);
        ASSERT_EQ(decoded.ok(), !decoded.text.contains(QChar(QChar::ReplacementCharacter)));
        ASSERT_LE(decoded.text.size(), bytes.size());
        if (!decoded.ok())
            continue;
        const Cp932Encoded again = encodeCp932(decoded.text);
        ASSERT_TRUE(again.ok());
        ASSERT_EQ(decodeCp932(again.bytes).text, decoded.text);
    }
}

} // namespace
} // namespace niruka
