#pragma once

#include <QString>

class QFont;

namespace niruka {

// The Japanese locale, so numbers and dates are written as the application writes them and Han
// characters take Japanese glyph forms. Needs no QGuiApplication.
void installJapaneseLocale();

// The Japanese locale and the font substitutions that give the report its monospaced Mincho:
// "ＭＳ 明朝" → IPAMincho, "ＭＳ Ｐゴシック" → IPAPGothic. Call once after the QGuiApplication exists.
void installJapaneseEnvironment();

// The family names the report and the diagram ask for.
inline constexpr const char *kMinchoFamily = "ＭＳ 明朝";
inline constexpr const char *kPGothicFamily = "ＭＳ Ｐゴシック";

// `family` as the font database spells it when the database has it, else the first of its substitutes
// (QFont::substitutes) that it has, else `family` unchanged. A font asked for by a family that is not
// installed finds its substitute only after a search for fallback fonts in every script of the text (a sort
// of all installed fonts each time); asked for by the substitute's own name it gets the same glyphs without
// that search.
QString installedFamily(const QString &family);

// The screens' own font: "MS UI Gothic" 9 pt, IPA P Gothic by its own name where the Windows font is
// missing. After installJapaneseEnvironment.
QFont screenFont();

} // namespace niruka
