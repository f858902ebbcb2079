#pragma once

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

} // namespace niruka
