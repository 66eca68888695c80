#pragma once
#include <filesystem>
#include <string_view>

namespace treluza {

class Transaction;

// Rules of the ingredient register that need no window: the check of the
// quotation date and the household measure file that follows an ingredient's
// name when the ingredient is renamed or deleted.

/** Whether a quotation date text names a day of the calendar: day, month and
 *  year as numbers of one or two digits, in that order, separated by "/",
 *  blanks allowed around each number ("01/02/24", " 1/ 2/24"). A two-digit year
 *  below 50 is in the 2000s, any other in the 1900s (which only decides 29/02/00). */
bool isValidQuoteDate(std::string_view text);

/** The same for the date of a preparation, whose year has up to four digits
 *  ("25/12/2024"); the year is taken as written. */
bool isValidPreparationDate(std::string_view text);

/** Moves the household measure file of an ingredient to its new name: when the
 *  old name's file holds at least one line, its lines replace the content of the
 *  new name's file; the old name's file is then deleted. An ingredient without
 *  measures leaves no file under either name. Throws FileReadError,
 *  FileWriteError (a file that cannot be written or deleted) and
 *  UnusableNameError. */
void moveMeasureFile(const std::filesystem::path& base, std::string_view table, std::string_view oldName,
                     std::string_view newName);
/** The same, staged in the transaction of a rename (the old file read through
 *  it); the caller commits. */
void moveMeasureFile(const std::filesystem::path& base, std::string_view table, std::string_view oldName,
                     std::string_view newName, Transaction& changes);

/** Deletes the household measure file of an ingredient when there is one;
 *  returns whether a file was deleted. Throws FileWriteError when it cannot be
 *  deleted, UnusableNameError for a name that cannot name a file. */
bool deleteMeasureFile(const std::filesystem::path& base, std::string_view table, std::string_view name);
/** The same, staged in the transaction of a delete; the caller commits. */
bool deleteMeasureFile(const std::filesystem::path& base, std::string_view table, std::string_view name,
                       Transaction& changes);

} // namespace treluza
