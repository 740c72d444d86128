#include "pll_decode.h"

#include <cstddef>

namespace {

// A forward code is a full 4-bit field: each of its 16 values must name
// exactly one divider.
constexpr bool fwdv_codes_cover_the_field()
{
    bool seen[16] = {};
    for (std::uint8_t code : pll_fwdv_multi_bits) {
        if (code > 0xF || seen[code])
            return false;
        seen[code] = true;
    }
    return true;
}

// The feedback codes are the states of the PLL's feedback counter, which
// steps like a shift register: each code follows from the one before it.
constexpr std::uint8_t next_fbdv_code(std::uint8_t code)
{
    const unsigned x = code;
    const unsigned shifted = (x << 1) & 0x7Eu;
    const unsigned feedback = (x ^ (x >> 6)) & 0x01u;
    const unsigned top = ~x & 0x80u;
    return static_cast<std::uint8_t>(shifted | feedback | top);
}

constexpr bool fbdv_codes_follow_the_counter()
{
    if (pll_fbdv_multi_bits[0] != 0x00 || pll_fbdv_multi_bits[1] != 0xFF)
        return false;
    for (std::size_t i = 2; i < 255; ++i) {
        if (pll_fbdv_multi_bits[i] != next_fbdv_code(pll_fbdv_multi_bits[i - 1]))
            return false;
    }
    return true;
}

constexpr bool fbdv_codes_distinct_and_skip_0x80()
{
    bool seen[256] = {};
    for (std::uint8_t code : pll_fbdv_multi_bits) {
        if (code == 0x80 || seen[code])
            return false;
        seen[code] = true;
    }
    return true;
}

static_assert(fwdv_codes_cover_the_field(), "forward divider table is mistyped");
static_assert(fbdv_codes_follow_the_counter(), "feedback divider table is mistyped");
static_assert(fbdv_codes_distinct_and_skip_0x80(), "feedback divider table is mistyped");

// The divider is the position of the code in its table, plus one. The whole
// argument is compared, so a code wider than its field matches nothing.
template <std::size_t n>
std::uint32_t divider_for(const std::uint8_t (&table)[n], std::uint32_t code)
{
    for (std::size_t i = 0; i < n; ++i) {
        if (table[i] == code)
            return static_cast<std::uint32_t>(i + 1);
    }
    return 0;
}

} // namespace

std::uint32_t get_cpr0_fwdv(std::uint32_t code)
{
    return divider_for(pll_fwdv_multi_bits, code);
}

std::uint32_t get_cpr0_fbdv(std::uint32_t code)
{
    return divider_for(pll_fbdv_multi_bits, code);
}
