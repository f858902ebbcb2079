#include "model/cp932codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <memory>

namespace niruka {

namespace {

// Qt resolves this name through ICU to its Windows-932 table (ibm-943_P15A-2003).
constexpr const char *kCodecName = "cp932";

// Opening a converter is the costly part of a short conversion (ICU looks the name up in its alias tables
// and builds the converter), and files are read line by line, so each thread keeps one decoder and one
// encoder and lends them out. A converter is lent only in the state of a newly opened one:
// - it lives on the heap and never moves: Qt registers the address of the converter's state with ICU, whose
//   error callback counts the bad characters there;
// - Stateless makes every conversion complete: an incomplete sequence at the end of the input is counted as
//   an error and dropped, never kept for the next call;
// - a converter that reported an error is thrown away: resetState() returns ICU to its initial state but
//   (Qt 6.4) leaves the error count, so hasError() would stay true for every later conversion;
// - after a clean conversion resetState() returns ICU to its initial state all the same, so that nothing
//   a conversion could leave there outlives it.
// A lease taken while another one of the same thread is out (a conversion inside a conversion) gets a new
// converter of its own.
template <typename Converter> class Lease {
public:
    Lease() : m_converter(std::move(cached()))
    {
        if (!m_converter)
            m_converter = std::make_unique<Converter>(kCodecName, QStringConverter::Flag::Stateless);
    }
    ~Lease()
    {
        if (m_converter->hasError())
            return;
        m_converter->resetState();
        if (!cached())
            cached() = std::move(m_converter);
    }
    Lease(const Lease &) = delete;
    Lease &operator=(const Lease &) = delete;

    Converter *operator->() const noexcept { return m_converter.get(); }
    Converter &operator*() const noexcept { return *m_converter; }

private:
    static std::unique_ptr<Converter> &cached()
    {
        thread_local std::unique_ptr<Converter> converter;
        return converter;
    }

    std::unique_ptr<Converter> m_converter;
};

using EncoderLease = Lease<QStringEncoder>;
using DecoderLease = Lease<QStringDecoder>;

// Characters of JIS X 0208 that Unicode gives two code points: the one of the JIS table and the one of
// the Windows table. Text typed on other systems holds the former ("〜" U+301C from many input methods);
// both are the same character of the code page, so they are written as the code page's own.
QString withWindowsForms(QStringView text)
{
    static constexpr struct {
        char16_t jis;
        char16_t windows;
    } kSameCharacter[] = {
        {u'\u301C', u'\uFF5E'}, // wave dash
        {u'\u2016', u'\u2225'}, // double vertical line
        {u'\u2212', u'\uFF0D'}, // minus sign
        {u'\u2014', u'\u2015'}, // em dash / horizontal bar
        {u'\u00A2', u'\uFFE0'}, // cent sign
        {u'\u00A3', u'\uFFE1'}, // pound sign
        {u'\u00AC', u'\uFFE2'}, // not sign
    };
    QString out = text.toString();
    for (QChar &c : out) {
        for (const auto &pair : kSameCharacter) {
            if (c.unicode() == pair.jis) {
                c = QChar(pair.windows);
                break;
            }
        }
    }
    return out;
}

bool isLeadByte(unsigned char b) noexcept
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrailByte(unsigned char b) noexcept
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

bool isSingleByte(unsigned char b) noexcept
{
    return b <= 0x7F || (b >= 0xA1 && b <= 0xDF);
}

// ICU's table for this code page carries IBM's exchange of the control codes 0x1A, 0x1C and 0x7F
// (0x1A reads as U+001C and so on); Windows reads every byte below 0x80 as the ASCII character. Whether the
// converter at hand exchanges them is asked once, and the exchange is undone on both ways.
bool icuExchangesControls()
{
    static const bool exchanged = [] {
        EncoderLease encoder;
        const QByteArray probe = encoder->encode(QStringView(u"\x1A"));
        return probe == QByteArray("\x7F", 1);
    }();
    return exchanged;
}

// The text as handed to ICU: Windows forms of the JIS characters, control codes pre-exchanged.
QString toIcuInput(QStringView text)
{
    QString out = withWindowsForms(text);
    if (icuExchangesControls()) {
        for (QChar &c : out) {
            if (c == QChar(0x1A))
                c = QChar(0x1C);
            else if (c == QChar(0x1C))
                c = QChar(0x7F);
            else if (c == QChar(0x7F))
                c = QChar(0x1A);
        }
    }
    return out;
}

// ICU's output with the control codes put back to the bytes they came from.
void fromIcuOutput(QString &text)
{
    if (!icuExchangesControls())
        return;
    for (QChar &c : text) {
        if (c == QChar(0x1C))
            c = QChar(0x1A);
        else if (c == QChar(0x7F))
            c = QChar(0x1C);
        else if (c == QChar(0x1A))
            c = QChar(0x7F);
    }
}

// Decodes one character's bytes on its own; empty when they are not a character of the code page.
QString decodeUnit(QByteArrayView unit)
{
    DecoderLease decoder;
    QString s = decoder->decode(unit);
    if (decoder->hasError() || s.size() != 1 || s.at(0) == QChar(QChar::ReplacementCharacter))
        return QString();
    fromIcuOutput(s);
    return s;
}

} // namespace

bool cp932Available()
{
    return EncoderLease()->isValid() && DecoderLease()->isValid();
}

Cp932Encoded encodeCp932(QStringView text)
{
    Cp932Encoded result;
    {
        EncoderLease encoder;
        if (!encoder->isValid()) {
            // Without the code page nothing can be written faithfully.
            if (!text.isEmpty()) {
                result.unencodable = text.toString();
                result.firstBadIndex = 0;
            }
            return result;
        }
        const QString normalized = toIcuInput(text);
        QByteArray bytes = encoder->encode(normalized);
        if (!encoder->hasError()) {
            result.bytes = std::move(bytes);
            return result;
        }
    }
    // Find the characters at fault, one code point (surrogate pair included) at a time.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        const QStringView unit = text.mid(i, len);
        EncoderLease single;
        [[maybe_unused]] const QByteArray probe = single->encode(toIcuInput(unit));
        if (single->hasError()) {
            if (result.firstBadIndex < 0)
                result.firstBadIndex = i;
            if (!result.unencodable.contains(unit))
                result.unencodable += unit;
        }
        i += len;
    }
    if (result.firstBadIndex < 0) {
        // The whole text failed although no character alone does: keep the refusal.
        result.firstBadIndex = 0;
    }
    return result;
}

Cp932Decoded decodeCp932(QByteArrayView bytes)
{
    Cp932Decoded result;
    {
        DecoderLease decoder;
        if (decoder->isValid()) {
            result.text = decoder->decode(bytes);
            if (!decoder->hasError()) {
                fromIcuOutput(result.text);
                return result;
            }
        }
    }
    // Walk the bytes by the code page's structure and read each character on its own, so a bad byte
    // becomes one U+FFFD at a known offset and the rest of the text survives.
    result.text.clear();
    const auto byteAt = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    for (qsizetype i = 0; i < bytes.size();) {
        const unsigned char b = byteAt(i);
        qsizetype len = 1;
        if (isLeadByte(b) && i + 1 < bytes.size() && isTrailByte(byteAt(i + 1)))
            len = 2;
        QString ch;
        if (len == 2 || isSingleByte(b))
            ch = decodeUnit(bytes.sliced(i, len));
        if (ch.isEmpty()) {
            if (result.firstBadOffset < 0)
                result.firstBadOffset = i;
            result.text += QChar(QChar::ReplacementCharacter);
        } else {
            result.text += ch;
        }
        i += len;
    }
    return result;
}

QString joinCrLfLines(const QStringList &lines)
{
    QString out;
    for (const QString &line : lines) {
        out += line;
        out += QStringLiteral("\r\n");
    }
    return out;
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start).toString());
    return lines;
}

Cp932Encoded encodeCp932Lines(const QStringList &lines)
{
    return encodeCp932(joinCrLfLines(lines));
}

Cp932DecodedLines decodeCp932Lines(QByteArrayView bytes)
{
    Cp932Decoded decoded = decodeCp932(bytes);
    return {splitLines(decoded.text), decoded.firstBadOffset};
}

} // namespace niruka
