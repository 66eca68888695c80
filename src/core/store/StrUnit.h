#pragma once
#include <string>
#include <string_view>

namespace treluza {

/** s repeated n times; empty for n <= 0. */
std::string RepeatText(std::string_view s, int n);
/** While s occurs in t, deletes the one character at the first occurrence. An
 *  empty pattern leaves t unchanged. */
std::string RemoveText(std::string t, std::string_view s);
/** t without any blank. */
std::string RemoveSpaces(std::string t);
/** t without trailing blanks (tabs and leading blanks stay). */
std::string TrimTrailingSpaces(std::string t);
/** s centred in n columns (the odd blank goes right), or its first n characters. */
std::string CenterText(std::string_view s, int n);
/** A field text with its trailing blanks moved to the front; an all-blank text
 *  gets "0" in its last place. */
std::string AlignIntegerField(std::string t);
/** The integer part before the comma right-aligned against the comma, which
 *  keeps its place; an all-blank integer part gets "0" before the comma. */
std::string AlignDecimalField(std::string t);
/** Every blank at or after the comma becomes "0". */
std::string ZeroFillDecimals(std::string t);
/** t with every b replaced by a. */
std::string ReplaceChar(char a, char b, std::string t);
/** t padded on the left to n characters, or its first n characters. */
std::string FitRight(std::string_view t, int n);
/** The value of a number text with a decimal comma (blanks around it allowed,
 *  no thousands separators); 0 when t is not a number. Never reads the locale. */
double ParseDecimal(std::string_view t);
/** Whether t is a number text that ParseDecimal reads. */
bool isDecimalText(std::string_view t);
/** x with d decimals and a decimal comma, fitted right to w. Rounds the shortest
 *  text that reads back as x, halves away from zero (2.675 gives "2,68"). An
 *  infinite or undefined value gives a blank field. Never reads the locale. */
std::string FormatDecimal(int d, int w, double x);
/** Characters after the comma in the mask part before ";" (0 without a comma). */
int MaskDecimals(std::string_view mask);
/** The mask part before ";" with every "9" replaced by a blank. */
std::string BlankTemplate(std::string_view mask);

} // namespace treluza
