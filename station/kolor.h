#pragma once

// The colour type of the diagram and the named colours it draws with.

#include <cstdint>

// A colour as the diagram uses it: red, green and blue bytes.
struct TKolor {
    std::uint8_t R = 0, G = 0, B = 0;

    constexpr TKolor() = default;
    constexpr TKolor(std::uint8_t r, std::uint8_t g, std::uint8_t b) : R(r), G(g), B(b) {}
    friend constexpr bool operator==(TKolor, TKolor) = default;
};

namespace kolory {
inline constexpr TKolor Czarny{0, 0, 0};
inline constexpr TKolor Bialy{255, 255, 255};
inline constexpr TKolor Czerwony{255, 0, 0};
inline constexpr TKolor Zielony{0, 128, 0};
inline constexpr TKolor Limonkowy{0, 255, 0};
inline constexpr TKolor Granatowy{0, 0, 128};
inline constexpr TKolor Szary{128, 128, 128};
inline constexpr TKolor Srebrny{192, 192, 192};
inline constexpr TKolor Bordowy{128, 0, 0};
// The colour of the diagram's background, which elements without a colour of their own take.
inline constexpr TKolor TloOkna{0xE8, 0xD8, 0xBD};
}  // namespace kolory
