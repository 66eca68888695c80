#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

// Keyword search over ingredient names. A name is compared in a folded form:
// accents of the Portuguese letters removed, the letters a to z in upper case
// and every blank turned into "-", so that one keyword can join two words of a
// name ("ARROZ-BRANCO").

/** The text with the accented Portuguese letters (À Á Â Ã Ç È É Ê Ì Í Ò Ó Ô Õ
 *  Ù Ú and their lower case) replaced by their base letter, case kept. Other
 *  letters (Ä, Î, Ñ, Ü, ...) and every other character stay. */
std::string FoldAccents(std::string_view text);

/** The keywords of a keyword text: trailing blanks removed, then the text cut at
 *  every blank. Two blanks in a row (or a leading blank) give an empty keyword,
 *  which no name contains. A text of blanks gives no keyword at all. */
std::vector<std::string> SplitKeywords(std::string_view text);

/** The form of a name that keywords are looked for in (see above). */
std::string keywordForm(std::string_view name);

/** Whether every keyword occurs in the keyword form of the name. No keyword
 *  lets every name through; an empty keyword lets none through. Keywords are
 *  compared as they are (a lower-case keyword finds nothing). */
bool MatchKeywords(std::string_view name, const std::vector<std::string>& keywords);

} // namespace treluza
