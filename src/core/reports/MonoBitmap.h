#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace treluza {

/** A picture of one bit per pixel as the bytes of a BMP file: two colours
 *  (0 black, 1 white), rows bottom-up, each padded to four bytes.
 *  black holds width x height bytes, top row first, non-zero for a black pixel. */
std::string EncodeMonochromeBmp(int width, int height, std::span<const std::uint8_t> black,
                                int pixelsPerMetre);

} // namespace treluza
