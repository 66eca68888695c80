#pragma once
#include "core/store/Sinks.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace treluza {

class Transaction;

// Carrying a change, a delete or a rename of an ingredient into the table's
// preparations. Each walk reads the preparation index once and every
// preparation's ingredient-line file once (a missing one reads as empty and is
// not created), reports the preparation's position to the progress sink,
// and changes only the files whose content changes: an ingredient-line file
// once, and the index once at the end of the walk.
//
// Each carry comes in two forms. The one given a transaction stages its files
// in it (reading through it, so carries staged one after the other see each
// other) and leaves the commit to the caller, who adds its own files, such as
// the ingredient file, to the same change. The other runs in a transaction of
// its own and commits it. Either way every preparation on disk keeps totals
// that match its lines: the change is made whole or not at all (or completes
// when the table's journal is replayed).
//
// Failures are thrown: FileReadError (nothing is staged beyond what was),
// FileWriteError from a commit (see Transaction::commit), UnusableNameError for
// a table name that cannot name a folder.

/** A value of the ingredient register compared by the carry-over: its text when
 *  the record was shown and its text when its edit was last left. */
struct TrackedValue {
    std::string shown;
    std::string current;
    bool changed() const { return shown != current; }
};

/** A stored change of an ingredient, as the ingredient register tracks it. */
struct IngredientChange {
    std::string name;                       // the 60-character key
    std::array<TrackedValue, 10> nutrients; // energy to sodium (fields 2 to 11)
    TrackedValue unitCost;                  // field 16
    TrackedValue date;                      // field 17
};

/** Carries a changed ingredient into every preparation that holds it: for each
 *  changed nutrient the line value (value x net weight / 100), the whole-recipe
 *  sum and its per-capita and per-tablespoon values; a changed date into the
 *  line; a changed unit cost into the line with the line cost and the recipe
 *  cost and its derived values. FC, FCC, group and sources are not carried.
 *  Returns the number of preparations whose files were written. */
int PropagateChange(const std::filesystem::path& base, std::string_view table, const IngredientChange& change,
                    Transaction& changes, ProgressSink& progress);
int PropagateChange(const std::filesystem::path& base, std::string_view table, const IngredientChange& change,
                    ProgressSink& progress);

/** Removes a deleted ingredient's line from every preparation that holds it and
 *  recomputes the preparation's eleven whole-recipe values and their
 *  per-capita and per-tablespoon values from the remaining lines. Returns the
 *  number of preparations written. */
int PropagateDelete(const std::filesystem::path& base, std::string_view table, std::string_view name,
                    Transaction& changes, ProgressSink& progress);
int PropagateDelete(const std::filesystem::path& base, std::string_view table, std::string_view name,
                    ProgressSink& progress);

/** Carries a rename into every preparation: in field 1 of each ingredient line
 *  the first occurrence of the old 60-character name (letter case counts) is
 *  replaced by the new one; lines keep their place in the file. Returns the
 *  number of preparation files written. */
int carryIngredientRename(const std::filesystem::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName, Transaction& changes, ProgressSink& progress);
int carryIngredientRename(const std::filesystem::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName, ProgressSink& progress);

} // namespace treluza
