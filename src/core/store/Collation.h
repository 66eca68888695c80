#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** Orders Windows-1252 texts the same on every machine, in one pass, character
 *  by character, through a fixed weight table: "|" weighs least, then the other
 *  control codes, the blank, punctuation and symbols, digits and letters. Letter
 *  case is ignored (accented letters too), and each accented letter weighs just
 *  after its base letter, so "pab" < "pao" < "pão" < "pb". A text that is a prefix of
 *  another comes first. Returns <0, 0 or >0. */
int compareText(std::string_view a, std::string_view b);

/** The weight of one Windows-1252 byte in that order. */
int collationWeight(unsigned char c);

/** The index of the first entry equal to text in that order (letter case
 *  ignored), or -1. */
int entryOf(const std::vector<std::string>& entries, std::string_view text);

} // namespace treluza
