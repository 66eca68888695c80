#pragma once
#include <string_view>

namespace treluza {

/** Characters that no name field accepts: they cannot appear in file names, or
 *  (the underscore) they stand for the "/" of a name in its file name, so two
 *  different names would share one file. */
inline constexpr std::string_view kForbiddenNameChars = "\\_:*?\"<>|";

/** Whether the character (a Unicode code point) is refused in name fields. */
constexpr bool isForbiddenNameChar(char32_t c)
{
    return c < 0x80 && kForbiddenNameChars.find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace treluza
