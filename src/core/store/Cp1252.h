#pragma once
#include <string>
#include <string_view>

namespace treluza {

/** Windows-1252 text from UTF-8. Code points without a Windows-1252 form, and
 *  malformed UTF-8 sequences, become "?". */
std::string fromUtf8(std::string_view utf8);

/** UTF-8 text from Windows-1252 bytes. Every byte has a form, so this never fails;
 *  the five codes Windows-1252 leaves unassigned map to the C1 controls of the
 *  same value so that a round trip keeps every byte. */
std::string toUtf8(std::string_view cp1252);

/** A text file's bytes as Windows-1252 text, and whether they were taken
 *  whole. */
struct DecodedText {
    std::string text;
    /** False when something could not be taken: a character without a
     *  Windows-1252 form or a malformed sequence (each read as "?"), or a NUL
     *  (the text ends before it). */
    bool whole = true;
};

/** Reads text saved as UTF-16 (little or big endian) or UTF-8 when the bytes
 *  start with that byte-order mark, as Windows-1252 otherwise. */
DecodedText decodeTextFile(std::string_view bytes);

/** The Windows-1252 byte of a Unicode code point, or -1 when it has none. */
int cp1252FromCodePoint(char32_t cp);

/** The Unicode code point of a Windows-1252 byte. */
char32_t codePointFromCp1252(unsigned char c);

/** Shorthand for a UTF-8 literal of the sources turned into core text. */
inline std::string cp(std::string_view utf8)
{
    return fromUtf8(utf8);
}

} // namespace treluza
