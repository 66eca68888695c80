// Writes the files of the composition table delivered with the program:
//   taco_table <folder of the CSV files> <delivered table folder>
// Any fault in the data stops the build with a message naming the food.
#include "taco/TacoTable.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: taco_table <data folder> <output folder>\n");
        return 2;
    }
    try {
        treluza::taco::TacoTable table = treluza::taco::buildTable(argv[1]);
        treluza::taco::writeTable(table, argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "taco_table: %s\n", e.what());
        return 1;
    }
    return 0;
}
