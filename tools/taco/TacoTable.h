#pragma once
// The Brazilian food composition table (TACO, 4th edition) as one ingredient
// table delivered with the program: read from the committed CSV files of
// data/taco, checked, and turned into the registry line, the ingredient file
// and the ingredient group file of a delivered table folder.
#include "core/store/RecordList.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace treluza::taco {

/** The data cannot become the table: a file is missing or malformed, a value
 *  is not a number or does not fit its field, a name is too long or taken
 *  twice, a category has no group. The message names the file and the food. */
class TacoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** The table's name in the registry (Windows-1252, without padding). */
std::string tableName();

/** The table's description in the registry (Windows-1252). */
std::string tableDescription();

/** The rows of a CSV file (UTF-8 kept): fields separated by commas, a field in
 *  double quotes may hold commas and doubled quotes; the header row included. */
std::vector<std::vector<std::string>> readCsv(const std::filesystem::path& path);

/** The three files of the delivered table, as record lists and the one
 *  registry line. */
struct TacoTable {
    std::string registryLine;
    RecordList ingredients{true};
    RecordList groups{true};
};

/** Reads alimentos.csv, acidos-graxos.csv, grupos.csv and nomes.csv from the
 *  folder and builds the table. Throws TacoError. */
TacoTable buildTable(const std::filesystem::path& dataFolder);

/** Writes the table's files into the folder (created when missing) under the
 *  names a delivered table folder uses. Throws FileWriteError. */
void writeTable(TacoTable& table, const std::filesystem::path& folder);

} // namespace treluza::taco
