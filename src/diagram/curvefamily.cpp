#include "diagram/curvefamily.h"

namespace niruka {

namespace {

const std::vector<CurveFamily> kFamilies = {
    {0, "ＶＰ管φ65-300", "硬質塩化ビニル一般管（ＶＰ管）", SeriesId::Vp, 0, 8, 1.265, LabelSet::A, 6},
    {2, "ＶＵ管φ65-250", "硬質塩化ビニル薄肉管（ＶＵ管）（１）", SeriesId::Vu, 0, 7, 1.265, LabelSet::A, 5.5},
    {3, "ＶＵ管φ300-600", "硬質塩化ビニル薄肉管（ＶＵ管）（２）", SeriesId::Vu, 7, 6, 12.65, LabelSet::B,
     5.5},
    {5, "FRPM管φ200-600", "強化プラスチック複合管（ＦＲＰＭ管）（１）", SeriesId::Frpm, 0, 8, 12.65,
     LabelSet::B, 4.7},
    {6, "FRPM管φ700-1500", "強化プラスチック複合管（ＦＲＰＭ管）（２）", SeriesId::Frpm, 8, 8, 126.5,
     LabelSet::C, 4.7},
    {7, "FRPM管φ1650-2000", "強化プラスチック複合管（ＦＲＰＭ管）（３）", SeriesId::Frpm, 16, 3, 253,
     LabelSet::D, 4.7},
    {9, "ﾋｭｰﾑ管φ150-300", "遠心力鉄筋コンクリート管（ヒューム管）（１）", SeriesId::Hume, 0, 4, 1.265,
     LabelSet::A, 4.5},
    {10, "ﾋｭｰﾑ管φ350-700", "遠心力鉄筋コンクリート管（ヒューム管）（２）", SeriesId::Hume, 4, 6, 12.65,
     LabelSet::B, 4.5},
    {11, "ﾋｭｰﾑ管φ800-1650", "遠心力鉄筋コンクリート管（ヒューム管）（３）", SeriesId::Hume, 10, 8, 126.5,
     LabelSet::C, 4.5},
    {12, "ﾋｭｰﾑ管φ1800-3000", "遠心力鉄筋コンクリート管（ヒューム管）（４）", SeriesId::Hume, 18, 7, 632.5,
     LabelSet::E, 4.5},
};

QStringList scaled(int first, int step, int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QString::number(first + step * (i - 1));
    return out;
}

} // namespace

const std::vector<CurveFamily> &curveFamilies()
{
    return kFamilies;
}

const QStringList &familyListTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (int i = 0; i < kFamilyListSize; ++i) {
            const CurveFamily *f = curveFamilyAt(i);
            list << (f ? QString::fromUtf8(f->listText) : QString());
        }
        return list;
    }();
    return texts;
}

const CurveFamily *curveFamilyAt(int position) noexcept
{
    for (const CurveFamily &f : kFamilies) {
        if (f.position == position)
            return &f;
    }
    return nullptr;
}

std::vector<int> sizeColours(int count)
{
    std::vector<int> colours;
    if (count <= 0)
        return colours;
    int colour = count >= 8 ? 0 : 1;
    for (int i = 0; i < count; ++i) {
        if (colour == 7)
            colour = 8;
        colours.push_back(colour);
        ++colour;
    }
    return colours;
}

std::vector<FamilySize> familySizes(const CurveFamily &family)
{
    std::vector<FamilySize> sizes;
    const std::vector<int> colours = sizeColours(family.sizeCount);
    for (int i = 0; i < family.sizeCount; ++i) {
        const PipeSize *size = PipeCatalogue::size(family.series, family.firstSize + i);
        if (!size)
            break;
        sizes.push_back({size->nominalSize, size->innerDimension, colours[static_cast<std::size_t>(i)]});
    }
    return sizes;
}

QStringList labelTexts(LabelSet set)
{
    switch (set) {
    case LabelSet::A:
        return scaled(1000, 1000, 10);
    case LabelSet::B:
        return scaled(10000, 10000, 10);
    case LabelSet::C:
        return scaled(100000, 100000, 10);
    case LabelSet::D:
        return scaled(200000, 200000, 10);
    case LabelSet::E:
        return scaled(500000, 500000, 10);
    }
    return {};
}

QString familyDefaultRoughness(int position)
{
    switch (position) {
    case 0:
    case 2:
    case 3:
    case 5:
    case 6:
    case 7:
        return QStringLiteral("0.01");
    case 9:
    case 10:
    case 11:
    case 12:
        return QStringLiteral("0.013");
    default:
        return {};
    }
}

const QStringList &depthLegendTexts()
{
    static const QStringList texts = {
        QStringLiteral("満流"),
        QString(),
        QStringLiteral("水深9.5割"),
        QStringLiteral("水深９割"),
        QStringLiteral("水深8.5割"),
        QStringLiteral("水深８割"),
        QStringLiteral("水深7.5割"),
        QStringLiteral("水深７割"),
        QString(),
        QStringLiteral("水量95％"),
        QStringLiteral("水量90％"),
        QStringLiteral("水量85％"),
        QStringLiteral("水量80％"),
        QStringLiteral("水量75％"),
        QStringLiteral("水量70％"),
    };
    return texts;
}

LegendRows legendRows(int count)
{
    switch (count) {
    case 8:
        return {{1.8, 3.0, 4.2, 5.4}, {1.8, 3.0, 4.2, 5.4}};
    case 7:
        return {{1.8, 3.0, 4.2, 5.6}, {1.8, 3.0, 4.2}};
    case 6:
        return {{2.4, 3.6, 4.8}, {2.4, 3.6, 4.8}};
    case 4:
        return {{3.0, 4.2}, {3.0, 4.2}};
    case 3:
        return {{}, {2.4, 3.6, 4.8}};
    default:
        return {};
    }
}

} // namespace niruka
