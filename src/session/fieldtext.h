#pragma once
// A one-line text field holds at most 32767 characters (UTF-16 code units); a longer text set into it, by
// typing or by a project file, is cut there, and the field gives back the cut text.

#include <QString>

namespace niruka {

inline constexpr int kFieldTextMaxLength = 32767;

inline QString fieldText(const QString &text)
{
    return text.size() > kFieldTextMaxLength ? text.left(kFieldTextMaxLength) : text;
}

} // namespace niruka
