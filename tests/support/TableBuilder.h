#pragma once
// A table on disk for window tests: ingredients (scrambled), preparations with
// their ingredient lines, groups and household measures.
#include "core/records/IngredientRecord.h"
#include "core/records/PreparationRecords.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"
#include "core/store/Paths.h"
#include "support/Names.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace treluza::test {

using testing::padded;

class TableFixture {
public:
    TableFixture(std::filesystem::path base, std::string table)
        : m_base(std::move(base)), m_table(std::move(table))
    {
    }

    const std::string& table() const { return m_table; }

    /** Adds an ingredient with a group (20 characters) and an energy value. */
    TableFixture& ingredient(const char* name, const char* group = "", const char* energy = "  10,00")
    {
        IngredientFields f = blankIngredient(padded(name, 60));
        f[IngField::Group] = *group ? padded(group, 20) : std::string();
        f[IngField::Energy] = energy;
        m_ingredients.add(ingredientRecordLine(f));
        return *this;
    }

    /** Adds a preparation of a group (30 characters) whose lines name the
     *  given ingredients with the given measures. */
    TableFixture& preparation(const char* name, const char* group,
                              const std::vector<std::pair<const char*, const char*>>& lines)
    {
        IndexFields idx = blankIndex(padded(name, 40));
        idx[IdxField::Group] = *group ? padded(group, 30) : std::string();
        m_index.add(joinFields(idx));
        RecordList file(true);
        for (const auto& [ingredient, measure] : lines) {
            LineFields line = blankLine(padded(ingredient, 60));
            line[LineField::Measure] = *measure ? padded(measure, 20) : std::string();
            file.add(joinFields(line));
        }
        SaveRecordFile(ensureFile(PreparationFilePath(m_base, m_table, padded(name, 40))), file);
        return *this;
    }

    TableFixture& measure(const char* ingredient, const char* name, const char* grams)
    {
        const auto path = ensureFile(MeasureFilePath(m_base, m_table, padded(ingredient, 60)));
        std::vector<std::string> lines = loadLines(path);
        lines.push_back(padded(name, 20) + "|" + grams + "|");
        RecordList list(true);
        list.assign(lines);
        SaveRecordFile(path, list);
        return *this;
    }

    TableFixture& groups(const std::filesystem::path& path, std::size_t width,
                         const std::vector<const char*>& names)
    {
        RecordList list(true);
        for (const char* n : names)
            list.add(padded(n, width) + "|");
        SaveRecordFile(ensureFile(path), list);
        return *this;
    }

    /** Writes the ingredient file and the preparation index. */
    void write()
    {
        NullProgress none;
        SaveScrambledFile(ensureFile(IngredientFilePath(m_base, m_table)), m_ingredients, none);
        SaveRecordFile(ensureFile(PreparationIndexPath(m_base, m_table)), m_index);
    }

    /** The plain lines of the ingredient file on disk. */
    std::vector<std::string> ingredientLines() const
    {
        KeyedRecords list;
        NullProgress none;
        LoadScrambledFile(IngredientFilePath(m_base, m_table), list, none);
        return list.lines();
    }

private:
    std::filesystem::path m_base;
    std::string m_table;
    RecordList m_ingredients{true};
    RecordList m_index{true};
};

} // namespace treluza::test
