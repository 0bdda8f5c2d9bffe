// Every single-precision value from 1e-6 to 1e8 in magnitude (with --all: every finite one), both signs, written
// by the core and by the first formatting (to_chars with a precision): prints the count compared and fails at the
// first text that differs. Too slow for the test suite (minutes); tests/core/text/number_text_test.cpp checks a sample
// on every run.
#include "core/text/number_text.h"
#include "tests/support/number_text_reference.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

int main(int argc, char** argv)
{
    const bool all = argc > 1 && std::string_view(argv[1]) == "--all";
    if (argc > 2 || (argc == 2 && !all)) {
        std::fprintf(stderr, "usage: tavelle_number_text_sweep [--all]\n");
        return 2;
    }
    const auto low = all ? 0u : std::bit_cast<std::uint32_t>(1e-6f);
    const auto high =
        all ? std::bit_cast<std::uint32_t>(std::numeric_limits<float>::max()) : std::bit_cast<std::uint32_t>(1e8f);
    std::uint64_t compared = 0;
    for (std::uint32_t bits = low; bits <= high; ++bits) {
        for (const std::uint32_t sign : {0u, 0x80000000u}) {
            const float value = std::bit_cast<float>(bits | sign);
            const std::string expected = tavelle::reference::numberText(value, ",");
            const std::string actual = tavelle::numberText(value, ",");
            if (actual != expected) {
                std::fprintf(stderr, "%a: \"%s\" instead of \"%s\"\n", static_cast<double>(value), actual.c_str(),
                             expected.c_str());
                return 1;
            }
            ++compared;
        }
    }
    std::printf("%llu single-precision values %s of either sign: every text as before\n",
                static_cast<unsigned long long>(compared), all ? "(every finite one)" : "from 1e-6 to 1e8");
    return 0;
}
