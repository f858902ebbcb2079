// The codec keeps its converters from one call to the next. Whatever a call met (a bad byte, a lead byte cut
// off at the end, a character the code page lacks), the next call must give what a newly opened converter
// gives: a new thread starts with none, so the reference is the same call on a thread of its own.
#include "model/cp932codec.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <latch>
#include <numeric>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace niruka {
namespace {

QByteArray hexBytes(const char *hex)
{
    return QByteArray::fromHex(QByteArray(hex));
}

template <typename F> auto onNewThread(F f)
{
    decltype(f()) result;
    std::thread([&] { result = f(); }).join();
    return result;
}

// Inputs that leave an error behind, and the first byte or character a converter that kept its state
// would spoil.
const char *const kBadBytes[] = {
    "80",       // unassigned single byte
    "6181",     // lead byte cut off at the end: ICU holds it, waiting for its trail byte
    "81",       // a lone lead byte
    "81207A",   // lead byte before a blank
    "8540",     // unassigned double-byte code
    "61FDFEFF", // bytes above the last lead byte
    "1A1C80",   // the exchanged control codes beside a bad byte
};

const struct GoodBytes {
    const char *bytes;
    const char16_t *text;
} kGoodBytes[] = {
    {"40", u"@"}, // after a held 0x81 this would read as the ideographic space 8140
    {"5C7E", u"\\~"},
    {"836A838B834A28894A908595D229", u"ニルカ(雨水編)"},
    {"1A1C7F", u"\x1A\x1C\x7F"},
    {"CBADB0D1", u"ﾋｭｰﾑ"},
    {"", u""},
};

const char16_t *const kBadTexts[] = {
    u"€",       // not in the code page
    u"a\xD800", // a lone high surrogate at the end: ICU holds it, waiting for its low half
    u"\xD83D",  // the same alone
    u"x😀y",     // outside the basic plane
    u"한€",     // two different characters
    u"\xDC00"
    u"ab",      // a lone low surrogate first
    u"～\x1A€", // a good character and an exchanged control code before the bad one
};

const struct GoodText {
    const char16_t *text;
    const char *bytes;
} kGoodTexts[] = {
    {u"\xDE00", nullptr}, // a low surrogate: unencodable unless a held high half joins it
    {u"ニルカ(雨水編)", "836A838B834A28894A908595D229"},
    {u"～－―", "8160817C815C"},
    {u"\x1A\x1C\x7F", "1A1C7F"},
    {u"a", "61"},
    {u"", ""},
};

// Every field of a result, so that results compare whole and a difference shows plainly. Code units outside
// printable ASCII are written as numbers: a lone surrogate must not look like U+FFFD.
std::string units(const QString &text)
{
    std::string out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out += static_cast<char>(c.unicode());
        else
            out += QStringLiteral("<%1>").arg(c.unicode(), 0, 16).toUpper().toStdString();
    }
    return out;
}

std::string describe(const Cp932Decoded &d)
{
    return QStringLiteral("\"%1\", first bad byte %2")
        .arg(QString::fromStdString(units(d.text)))
        .arg(d.firstBadOffset)
        .toStdString();
}

std::string describe(const Cp932Encoded &e)
{
    return QStringLiteral("[%1], unencodable \"%2\" first at %3")
        .arg(QString::fromLatin1(e.bytes.toHex(' ')), QString::fromStdString(units(e.unencodable)))
        .arg(e.firstBadIndex)
        .toStdString();
}

Cp932Encoded expectedEncoding(const GoodText &good)
{
    Cp932Encoded expected;
    if (good.bytes) {
        expected.bytes = hexBytes(good.bytes);
    } else {
        expected.unencodable = QString::fromUtf16(good.text);
        expected.firstBadIndex = 0;
    }
    return expected;
}

TEST(Cp932Reuse, ReadingAfterBadBytesIsAsNew)
{
    for (const char *badHex : kBadBytes) {
        const QByteArray bad = hexBytes(badHex);
        const Cp932Decoded badAlone = onNewThread([&] { return decodeCp932(bad); });
        ASSERT_FALSE(badAlone.ok()) << badHex;
        for (const GoodBytes &good : kGoodBytes) {
            SCOPED_TRACE(std::string(badHex) + " then " + good.bytes);
            const QByteArray goodBytes = hexBytes(good.bytes);
            const Cp932Decoded expected{QString::fromUtf16(good.text), -1};
            ASSERT_EQ(describe(onNewThread([&] { return decodeCp932(goodBytes); })), describe(expected));

            EXPECT_EQ(describe(decodeCp932(bad)), describe(badAlone));
            EXPECT_EQ(describe(decodeCp932(goodBytes)), describe(expected));
            // Twice: the first bad reading must not change the second one either.
            EXPECT_EQ(describe(decodeCp932(bad)), describe(badAlone));
            EXPECT_EQ(describe(decodeCp932(bad)), describe(badAlone));
            EXPECT_EQ(describe(decodeCp932(goodBytes)), describe(expected));
        }
    }
}

TEST(Cp932Reuse, WritingAfterUnencodableTextIsAsNew)
{
    for (const char16_t *badText : kBadTexts) {
        const QString bad = QString::fromUtf16(badText);
        const Cp932Encoded badAlone = onNewThread([&] { return encodeCp932(bad); });
        ASSERT_FALSE(badAlone.ok());
        for (const GoodText &good : kGoodTexts) {
            const QString text = QString::fromUtf16(good.text);
            SCOPED_TRACE((bad + QStringLiteral(" then ") + text).toStdString());
            const Cp932Encoded expected = expectedEncoding(good);
            ASSERT_EQ(describe(onNewThread([&] { return encodeCp932(text); })), describe(expected));

            EXPECT_EQ(describe(encodeCp932(bad)), describe(badAlone));
            EXPECT_EQ(describe(encodeCp932(text)), describe(expected));
            EXPECT_EQ(describe(encodeCp932(bad)), describe(badAlone));
            EXPECT_EQ(describe(encodeCp932(bad)), describe(badAlone));
            EXPECT_EQ(describe(encodeCp932(text)), describe(expected));
        }
    }
}

// Several threads converting at once, each mixing bad and good inputs, readings and writings: every result
// as on a new thread.
TEST(Cp932Reuse, ThreadsConvertingAtOnce)
{
    struct Step {
        QByteArray bytes;
        QString text;
        std::string decoded;
        std::string encoded;
    };
    std::vector<Step> steps;
    for (const char *bad : kBadBytes)
        steps.push_back({hexBytes(bad), {}, {}, {}});
    for (const GoodBytes &good : kGoodBytes)
        steps.push_back({hexBytes(good.bytes), {}, {}, {}});
    for (const char16_t *bad : kBadTexts)
        steps.push_back({{}, QString::fromUtf16(bad), {}, {}});
    for (const GoodText &good : kGoodTexts)
        steps.push_back({{}, QString::fromUtf16(good.text), {}, {}});
    for (Step &step : steps) {
        step.decoded = onNewThread([&] { return describe(decodeCp932(step.bytes)); });
        step.encoded = onNewThread([&] { return describe(encodeCp932(step.text)); });
    }

    constexpr int kThreads = 4;
    constexpr int kRounds = 200;
    std::latch start(kThreads);
    std::vector<std::vector<std::string>> failures(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Each thread goes through the steps in an order of its own, so a step follows different ones.
            std::mt19937 random(932 + t);
            std::vector<std::size_t> order(steps.size());
            std::iota(order.begin(), order.end(), 0);
            start.arrive_and_wait();
            for (int round = 0; round < kRounds; ++round) {
                std::shuffle(order.begin(), order.end(), random);
                for (const std::size_t i : order) {
                    const Step &step = steps[i];
                    if (describe(decodeCp932(step.bytes)) != step.decoded)
                        failures[t].push_back("decoding step " + std::to_string(i));
                    if (describe(encodeCp932(step.text)) != step.encoded)
                        failures[t].push_back("encoding step " + std::to_string(i));
                }
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t) {
        if (!failures[t].empty())
            ADD_FAILURE() << "thread " << t << ": " << failures[t].size() << " wrong, first "
                          << failures[t].front();
    }
}

} // namespace
} // namespace niruka
