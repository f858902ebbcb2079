#pragma once
// What the model-based tests feed a random session: a scratch folder, the project files it opens (every
// golden and hand-written file, cut-off copies of each and a garbage file, made once per run) and the texts
// it types.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace niruka::test {

inline QTemporaryDir &scratchDir()
{
    static QTemporaryDir dir;
    return dir;
}

inline const QStringList &files()
{
    static const QStringList list = [] {
        QStringList out;
        for (const char *folder : {"docs", "cli"}) {
            const QDir dir(QStringLiteral(NIRUKA_TEST_DATA "/") + QString::fromLatin1(folder));
            for (const QString &name : dir.entryList({QStringLiteral("*.nrk")}, QDir::Files, QDir::Name))
                out << dir.filePath(name);
        }
        const QStringList goldens = out;
        int n = 0;
        for (const QString &path : goldens) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = f.readAll();
            for (qsizetype cut : {bytes.size() / 3, 2 * bytes.size() / 3}) {
                const QString damaged = scratchDir().filePath(QStringLiteral("cut-%1.nrk").arg(n++));
                QFile out2(damaged);
                if (out2.open(QIODevice::WriteOnly))
                    out2.write(bytes.left(cut));
                out << damaged;
            }
        }
        const QString garbage = scratchDir().filePath(QStringLiteral("garbage.nrk"));
        QFile g(garbage);
        if (g.open(QIODevice::WriteOnly))
            for (int i = 0; i < 700; ++i)
                g.putChar(char((i * 73 + 5) % 256));
        out << garbage;
        return out;
    }();
    return list;
}

inline const QStringList &texts()
{
    static const QStringList t{QString(),
                               QStringLiteral("0"),
                               QStringLiteral("abc"),
                               QStringLiteral("0.5"),
                               QStringLiteral("0.8"),
                               QStringLiteral("1"),
                               QStringLiteral("10"),
                               QStringLiteral("100"),
                               QStringLiteral("3000"),
                               QStringLiteral("10000"),
                               QStringLiteral("0.013"),
                               QStringLiteral("0.010"),
                               QStringLiteral("0.3"),
                               QStringLiteral("-1"),
                               QStringLiteral("20"),
                               QStringLiteral("5000"),
                               QStringLiteral("40"),
                               QStringLiteral("7"),
                               QStringLiteral("300"),
                               QStringLiteral("1.5"),
                               QStringLiteral("2"),
                               QStringLiteral("0.567")};
    return t;
}

} // namespace niruka::test
