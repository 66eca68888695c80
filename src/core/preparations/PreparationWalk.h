#pragma once
#include "core/store/Sinks.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

class Transaction;

/** One preparation met by a walk over the preparations of a table. */
struct WalkedPreparation {
    int index = 0;                  ///< place of its line in the index file
    std::string name;               ///< field 1 of its index line, as stored
    std::filesystem::path file;     ///< its ingredient-line file (empty for an unusable name)
    std::vector<std::string> lines; ///< the lines of that file, in file order
    std::string indexLine;          ///< its line of the index file
};

// The walk over the preparations of a table, in the order of its index file:
// for each index line it reads the preparation's ingredient-line file and hands
// both to the visitor. A missing index or file reads as empty; a walk creates
// nothing.
// Progress runs from 0 to the number of index lines. Throws FileReadError when
// a file cannot be read, UnusableNameError for a table name that cannot name a
// folder.

/** Reads the preparations. An index line whose name cannot name a file is
 *  handed over with no lines and an empty path. */
void walkPreparations(const std::filesystem::path& base, std::string_view table, ProgressSink& progress,
                      const std::function<void(const WalkedPreparation&)>& visit);

/** Rewrites the preparations: the visitor may change a preparation's lines and
 *  its index line. Files are read through the transaction (so a walk sees what
 *  earlier ones staged in it) and every change is staged in it, to be
 *  committed by the caller with the caller's own files: an ingredient-line file
 *  whose bytes change (its lines, each followed by CR LF), and the index,
 *  once, when any index line changed. Index lines whose name cannot name a
 *  file are not visited. Returns the number of preparations whose file or
 *  index line changed. A failure stages nothing more; what was staged is the
 *  caller's to commit or drop. */
int rewritePreparations(const std::filesystem::path& base, std::string_view table, Transaction& changes,
                        ProgressSink& progress, const std::function<void(WalkedPreparation&)>& visit);

/** Replaces the first occurrence of from in field n of the line by to (exact,
 *  case-sensitive); returns whether the line changed. */
bool replaceInField(std::string& line, int n, std::string_view from, std::string_view to);

/** The separator line of the usage lists: 73 characters c. */
std::string separatorLine(char c);

} // namespace treluza
