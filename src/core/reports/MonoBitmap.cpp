#include "core/reports/MonoBitmap.h"

#include <stdexcept>

namespace treluza {

namespace {

void put16(std::string& out, unsigned v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

} // namespace

std::string EncodeMonochromeBmp(int width, int height, std::span<const std::uint8_t> black,
                                int pixelsPerMetre)
{
    if (width <= 0 || height <= 0 ||
        black.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throw std::invalid_argument("EncodeMonochromeBmp: the pixels do not match the size");
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width) + 31) / 32) * 4;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    constexpr std::uint32_t kOffset = 14 + 40 + 2 * 4;

    std::string out;
    out.reserve(kOffset + imageBytes);
    out += "BM";
    put32(out, kOffset + imageBytes);
    put32(out, 0); // reserved
    put32(out, kOffset);
    put32(out, 40); // the information header
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1); // planes
    put16(out, 1); // bits per pixel
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, static_cast<std::uint32_t>(pixelsPerMetre));
    put32(out, static_cast<std::uint32_t>(pixelsPerMetre));
    put32(out, 2);          // colours used
    put32(out, 2);          // colours that matter
    put32(out, 0x00000000); // 0: black
    put32(out, 0x00FFFFFF); // 1: white

    std::string row(rowBytes, '\0');
    for (int y = height - 1; y >= 0; --y) {
        row.assign(rowBytes, '\0');
        const std::uint8_t* pixels =
            black.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x)
            if (!pixels[x])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

} // namespace treluza
