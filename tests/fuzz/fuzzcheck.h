#pragma once
// What the fuzz targets share: a broken rule ends the run with the rule named, so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

namespace niruka::fuzz {

[[noreturn]] inline void fail(const char *rule)
{
    std::fprintf(stderr, "fuzz rule broken: %s\n", rule);
    std::abort();
}

inline void require(bool holds, const char *rule)
{
    if (!holds)
        fail(rule);
}

} // namespace niruka::fuzz
