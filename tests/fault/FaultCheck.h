#pragma once
// Checks of the fault table after an interruption: before the journal is
// replayed every file holds its old or its new content byte for byte and
// temporary files are at most one per target; after the replay the table is
// whole at one generation and every index total is the sum of its lines.
#include "FaultTable.h"

#include <gtest/gtest.h>

#include <set>

namespace treluza::fault {

namespace fs = std::filesystem;

inline std::map<std::string, std::string> filesOnDisk(const fs::path& folder)
{
    std::map<std::string, std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        if (!e.is_directory())
            found[fs::relative(e.path(), folder).generic_string()] = readWholeFile(e.path());
    }
    return found;
}

inline bool isExtraFile(const std::string& path)
{
    for (int parity : {0, 1}) {
        if (FaultTable::extraFiles(parity).count(path))
            return true;
    }
    return false;
}

/** Every file of the table is its content at the generation on disk or one
 *  next to it; the preparations span at most two generations. Returns the
 *  number of files compared. */
inline int expectOldOrNew(const FaultTable& table)
{
    const std::optional<long> onDisk = table.generationOnDisk();
    EXPECT_TRUE(onDisk.has_value());
    if (!onDisk)
        return 0;
    std::map<std::pair<long, int>, std::map<std::string, std::string>> versions;
    for (long g = std::max(0L, *onDisk - 1); g <= *onDisk + 1; ++g) {
        for (int parity : {0, 1})
            versions[{g, parity}] = table.files(g, parity);
    }
    const auto current = table.files(*onDisk, 0);
    std::set<long> generations;
    std::map<std::string, int> temporaries;
    int checked = 0;
    const auto disk = filesOnDisk(table.folder());
    for (const auto& [path, bytes] : disk) {
        const std::string name = fs::path(path).filename().string();
        if (isTemporaryName(name)) {
            const std::string target = path.substr(0, path.rfind(".tmp"));
            EXPECT_TRUE(current.count(target) || isExtraFile(target) || target == "Transacao.jnl")
                << "a temporary of no target: " << path;
            EXPECT_LE(++temporaries[target], 1) << path;
            continue;
        }
        if (path == "Transacao.jnl")
            continue;
        ++checked;
        // A path built for a rename that has not happened yet is an empty file.
        bool matched = isExtraFile(path) && bytes.empty();
        for (const auto& [version, files] : versions) {
            const auto it = files.find(path);
            if (it == files.end() || it->second != bytes)
                continue;
            matched = true;
            if (path.rfind("Treluza/Preparacao", 0) == 0)
                generations.insert(version.first);
        }
        EXPECT_TRUE(matched) << "neither old nor new: " << path;
    }
    for (const auto& [path, bytes] : current)
        EXPECT_TRUE(isExtraFile(path) || disk.count(path)) << "missing: " << path;
    // A preparation matching two generations is ambiguous, not mixed.
    EXPECT_LE(generations.size(), 3u);
    if (!generations.empty()) {
        EXPECT_LE(*generations.rbegin() - *generations.begin(), 2) << "a change mixed with another";
    }

    const std::optional<long> counter = table.counterOnDisk();
    EXPECT_TRUE(counter && *counter + 1 >= *onDisk && *counter <= *onDisk + 1);
    if (counter) {
        EXPECT_EQ(readWholeFile(table.copyFile()), table.copyBytes(*counter));
    }
    return checked + 1;
}

/** After the replay: no journal and no temporary, every file at one
 *  generation, and every index total the sum of its preparation's lines.
 *  Returns the number of files compared. */
inline int expectWhole(const FaultTable& table)
{
    const std::optional<long> g = table.generationOnDisk();
    EXPECT_TRUE(g.has_value());
    if (!g)
        return 0;
    const auto disk = filesOnDisk(table.folder());
    const int parity = disk.count("Treluza/Extra A.dad") && !disk.at("Treluza/Extra A.dad").empty() ? 0 : 1;
    const auto expected = table.files(*g, parity);
    int checked = 0;
    for (const auto& [path, bytes] : disk) {
        ++checked;
        const auto it = expected.find(path);
        if (it != expected.end()) {
            EXPECT_EQ(bytes, it->second) << path << " at generation " << *g;
        } else {
            EXPECT_TRUE(isExtraFile(path) && bytes.empty()) << "left over: " << path;
        }
    }
    for (const auto& [path, bytes] : expected)
        EXPECT_TRUE(disk.count(path)) << "missing: " << path;

    // The totals, read as the reports read them.
    const std::vector<std::string> index = splitLines(disk.at("Treluza/ArqTreluza.dad"));
    for (const std::string& line : index) {
        RecordList lines;
        lines.assign(splitLines(disk.at("Treluza/" + FaultTable::stem(keyOf(line)) + ".dad")));
        EXPECT_EQ(FieldOf(IdxField::Energy, line),
                  fieldText(CappedFieldSum(lines, LineField::Energy), kAmountMask))
            << keyOf(line);
    }
    return checked;
}

} // namespace treluza::fault
