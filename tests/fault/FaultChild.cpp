// Changes the fault table over and over until it is killed: each round saves
// the copy table's ingredient file alone, carries a change of Leite into every
// preparation together with the ingredient file in one transaction, and
// renames the extra preparation with its three files in another.
//   fault_child <base folder> <preparations> <ingredients> [rounds]
// Writes one byte to its output after each round. It opens the data folder as
// the program does; with "start" for rounds it does only that (a second run
// of the program), and either way it ends with status 5 when another run
// holds the folder.
#include "FaultTable.h"

#include "core/store/DataFolder.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    using namespace treluza;
    if (argc < 4) {
        std::cerr << "usage: fault_child <base> <preparations> <ingredients> [rounds]\n";
        return 2;
    }
    const fault::FaultTable table(argv[1], std::atoi(argv[2]), std::atoi(argv[3]));
    const bool startOnly = argc > 4 && std::string(argv[4]) == "start";
    const long rounds = argc > 4 && !startOnly ? std::atol(argv[4]) : -1;
    try {
        // What the start of the program does first.
        const std::optional<OpenedDataFolder> opened = openDataFolder(table.base());
        if (!opened)
            return 5;
        if (startOnly)
            return 0;
        const std::optional<long> start = table.generationOnDisk();
        if (!start) {
            std::cerr << "fault_child: no generation on disk\n";
            return 3;
        }
        long g = *start;
        KeyedRecords index;
        LoadRecordFile(PreparationIndexPath(table.base(), fault::kTable), index);
        int parity = index.findKey(fault::FaultTable::extraName(0)) >= 0 ? 0 : 1;
        NullProgress none;
        for (long round = 0; rounds < 0 || round < rounds; ++round) {
            writeFileAtomic(table.copyFile(), table.copyBytes(g + 1));
            table.carry(g, none);
            table.renameExtra(parity);
            parity = 1 - parity;
            ++g;
            const char done = '.';
            if (::write(STDOUT_FILENO, &done, 1) != 1)
                return 4;
        }
    } catch (const std::exception& e) {
        std::cerr << "fault_child: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
