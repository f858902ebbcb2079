// Cost of the CP932 conversion on real project files: splitting and decoding one file as 開く and
// niruka-cli read it (line by line), decoding it whole, writing one record, and short texts on their own
// (where opening a converter weighs most). Each file of tests/data/docs is one argument.
#include "docs/projectfile.h"
#include "model/cp932codec.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

using namespace niruka;

const char *const kFiles[] = {"pipe-vp.nrk", "polygon.nrk", "all-sections.nrk"};

QByteArray fileBytes(std::int64_t index)
{
    QFile file(QStringLiteral(NIRUKA_TEST_DATA "/docs/") + QString::fromLatin1(kFiles[index]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// `read` on the bytes of the file the benchmark's argument names, as often as the benchmark asks.
template <typename Read> void readFile(benchmark::State &state, Read read)
{
    const QByteArray bytes = fileBytes(state.range(0));
    if (bytes.isEmpty()) {
        state.SkipWithError("golden file missing");
        return;
    }
    for (auto _ : state) {
        auto result = read(bytes);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(kFiles[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_SplitProjectBytes(benchmark::State &state)
{
    readFile(state, [](const QByteArray &bytes) { return splitProjectBytes(bytes); });
}
BENCHMARK(BM_SplitProjectBytes)->DenseRange(0, 2);

void BM_DecodeWholeFile(benchmark::State &state)
{
    readFile(state, [](const QByteArray &bytes) { return decodeCp932Lines(bytes); });
}
BENCHMARK(BM_DecodeWholeFile)->DenseRange(0, 2);

void BM_EncodeProject(benchmark::State &state)
{
    const QByteArray bytes = fileBytes(state.range(0));
    ProjectRecord record;
    decodeProject(bytes, record);
    for (auto _ : state) {
        QString error;
        QByteArray out = encodeProject(record, &error);
        benchmark::DoNotOptimize(out);
    }
    state.SetLabel(kFiles[state.range(0)]);
}
BENCHMARK(BM_EncodeProject)->DenseRange(0, 2);

void BM_DecodeShortLine(benchmark::State &state)
{
    const QByteArray line = QByteArray::fromHex("836A838B834A28894A908595D229"); // ニルカ(雨水編)
    for (auto _ : state) {
        Cp932Decoded decoded = decodeCp932(line);
        benchmark::DoNotOptimize(decoded);
    }
}
BENCHMARK(BM_DecodeShortLine);

void BM_EncodeShortLine(benchmark::State &state)
{
    const QString text = QStringLiteral("ﾋｭｰﾑ管 φ150");
    for (auto _ : state) {
        Cp932Encoded encoded = encodeCp932(text);
        benchmark::DoNotOptimize(encoded);
    }
}
BENCHMARK(BM_EncodeShortLine);

// A line with a byte that is not code page 932: the character-by-character reading.
void BM_DecodeDamagedLine(benchmark::State &state)
{
    const QByteArray line = QByteArray::fromHex("836A838B834A80894A908595D229");
    for (auto _ : state) {
        Cp932Decoded decoded = decodeCp932(line);
        benchmark::DoNotOptimize(decoded);
    }
}
BENCHMARK(BM_DecodeDamagedLine);

} // namespace
