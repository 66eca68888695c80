#pragma once
#include "support/Names.h"
// The table that the fault tests change over and over, and the exact bytes of
// each of its files at every generation, so that a test can tell whether a
// file holds its old or its new content.
//
// Generation g: the ingredient "Leite" of table "Falha" has the energy
// 100,00 + g / 100; each of the preparations holds 100,00 g to 225,00 g of it,
// and its index line the sums. One preparation more, "Extra A" or "Extra B"
// (by a parity), is renamed back and forth with its three files. The
// ingredient file of table "Copia" holds a counter that is saved alone.
#include "core/ingredients/IngredientPropagation.h"
#include "core/preparations/PreparationFiles.h"
#include "core/preparations/PreparationTotals.h"
#include "core/records/IngredientRecord.h"
#include "core/records/PreparationRecords.h"
#include "core/store/CriUnit.h"
#include "core/store/DecimalField.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace treluza::fault {

inline constexpr const char* kTable = "Falha";
inline constexpr const char* kCopy = "Copia";

using testing::pad;

/** The energy of Leite at generation g, as the ingredient register's edit holds it. */
inline std::string energy(long g)
{
    char text[48];
    const long cents = 10000 + g;
    std::snprintf(text, sizeof text, "%4ld,%02ld", cents / 100, cents % 100);
    return text;
}

/** The generation an energy text stands for, or nothing. */
inline std::optional<long> generationOf(std::string_view energyText)
{
    const Exact value = readNumber(energyText);
    const long cents = static_cast<long>(value.roundedUnits(2)) - 10000;
    if (cents < 0 || energy(cents) != energyText)
        return std::nullopt;
    return cents;
}

class FaultTable {
public:
    FaultTable(std::filesystem::path base, int preparations, int ingredients)
        : m_base(std::move(base)), m_preparations(preparations), m_ingredients(ingredients)
    {
    }

    const std::filesystem::path& base() const { return m_base; }
    std::filesystem::path folder() const { return m_base / "Dados" / kTable; }
    std::filesystem::path copyFile() const { return m_base / "Dados" / kCopy / "Ingrediente" / "ArqIng.dad"; }
    int preparations() const { return m_preparations; }

    static std::string preparationName(int i)
    {
        char text[48];
        std::snprintf(text, sizeof text, "Preparacao %03d", i);
        return pad(text, 40);
    }
    static std::string extraName(int parity) { return pad(parity ? "Extra B" : "Extra A", 40); }

    /** Relative paths (from the table folder) of every data file, by
     *  generation and parity. The last few are kept: checks ask for the same
     *  generations again and again. */
    const std::map<std::string, std::string>& files(long g, int parity) const
    {
        auto& cached = m_files[{g, parity}];
        if (cached.empty())
            cached = build(g, parity);
        while (m_files.size() > 12)
            m_files.erase(m_files.begin());
        return m_files.at({g, parity});
    }

    std::map<std::string, std::string> build(long g, int parity) const
    {
        std::map<std::string, std::string> f;
        f["Ingrediente/ArqIng.dad"] = ingredientBytes(g);
        RecordList index(true);
        for (int i = 0; i < m_preparations; ++i) {
            RecordList lines = preparationLines(i, g);
            f["Treluza/" + stem(preparationName(i)) + ".dad"] = joinLines(lines.lines());
            index.add(indexLine(preparationName(i), lines));
        }
        index.add(indexLine(extraName(parity), extraLines()));
        f["Treluza/ArqTreluza.dad"] = joinLines(index.lines());
        for (const auto& [path, bytes] : extraFiles(parity))
            f[path] = bytes;
        return f;
    }

    /** The three files of the extra preparation under the name of a parity. */
    static std::map<std::string, std::string> extraFiles(int parity)
    {
        const std::string s = stem(extraName(parity));
        return {{"Treluza/" + s + ".dad", joinLines(extraLines().lines())},
                {"Receita/" + s + ".rec", "Misture tudo.\r\n"},
                {"Etiqueta/" + s + ".eti", ""}};
    }

    /** The ingredient file of the copy table holding counter c. */
    const std::string& copyBytes(long c) const
    {
        auto& cached = m_copies[c];
        if (cached.empty())
            cached = buildCopy(c);
        while (m_copies.size() > 6)
            m_copies.erase(m_copies.begin());
        return m_copies.at(c);
    }

    std::string buildCopy(long c) const
    {
        RecordList list(true);
        for (int i = 0; i < m_ingredients; ++i)
            list.add(ingredientLine(numbered("Copia", i), "  10,00"));
        list.add(ingredientLine("Contador", energy(c)));
        NullProgress none;
        return scrambledFileBytes(list, none);
    }

    /** Writes generation g and parity 0 (and counter g of the copy table). */
    void create(long g) const
    {
        std::filesystem::remove_all(m_base / "Dados");
        for (const auto& [path, bytes] : files(g, 0)) {
            std::filesystem::create_directories((folder() / path).parent_path());
            writeFileAtomic(folder() / path, bytes);
        }
        std::filesystem::create_directories(copyFile().parent_path());
        writeFileAtomic(copyFile(), copyBytes(g));
        EnsureFileExists(m_base / "Dados" / "ArqTab.dad");
    }

    /** The generation the ingredient file on disk stands for. */
    std::optional<long> generationOnDisk() const
    {
        KeyedRecords list;
        NullProgress none;
        LoadScrambledFile(IngredientFilePath(m_base, kTable), list, none);
        const int at = list.findKey(pad("Leite", 60));
        if (at < 0)
            return std::nullopt;
        return generationOf(FieldOf(IngField::Energy, list[at]));
    }

    /** The counter the copy table's ingredient file on disk holds. */
    std::optional<long> counterOnDisk() const
    {
        KeyedRecords list;
        NullProgress none;
        LoadScrambledFile(copyFile(), list, none);
        const int at = list.findKey(pad("Contador", 60));
        if (at < 0)
            return std::nullopt;
        return generationOf(FieldOf(IngField::Energy, list[at]));
    }

    /** One change of generation g to g + 1: the ingredient file and the carry
     *  into every preparation, in one transaction. */
    void carry(long g, ProgressSink& progress) const
    {
        Transaction changes = Transaction::forTable(m_base, kTable);
        changes.write(IngredientFilePath(m_base, kTable), ingredientBytes(g + 1));
        IngredientChange c;
        c.name = pad("Leite", 60);
        for (auto& n : c.nutrients)
            n.shown = n.current = "    ,  ";
        c.nutrients[0] = {energy(g), energy(g + 1)};
        PropagateChange(m_base, kTable, c, changes, progress);
        changes.commit();
    }

    /** Renames the extra preparation from the name of a parity to the other's,
     *  reading the index through the change, as a register that reads it
     *  again would. */
    void renameExtra(int parity) const
    {
        Transaction changes = Transaction::forTable(m_base, kTable);
        KeyedRecords index = keyedLines(changes.read(PreparationIndexPath(m_base, kTable)));
        const int at = index.findKey(extraName(parity));
        if (at < 0)
            return;
        IndexFields fields = readIndex(index[at]);
        fields[IdxField::Name] = extraName(1 - parity);
        index.replace(at, joinFields(fields));
        stagePreparationIndex(m_base, kTable, index.records(), changes);
        movePreparationFiles(m_base, kTable, extraName(parity), extraName(1 - parity), changes);
        changes.commit();
    }

    /** The preparation's lines at generation g. */
    RecordList preparationLines(int i, long g) const
    {
        char weight[48];
        std::snprintf(weight, sizeof weight, "%6d,0", 100 + 25 * (i % 6));
        LineFields leite = blankLine(pad("Leite", 60));
        leite[LineField::Gross] = leite[LineField::Net] = weight;
        leite[LineField::Energy] =
            fieldText(readNumber(energy(g)) * readNumber(weight) / Exact::whole(100), kAmountMask);
        LineFields sal = blankLine(pad("Sal", 60));
        sal[LineField::Energy] = "     5,00";
        RecordList lines(true);
        lines.add(joinFields(leite));
        lines.add(joinFields(sal));
        return lines;
    }

    static std::string stem(const std::string& name) { return SafeFileStem(name); }

private:
    static std::string numbered(const char* prefix, int i)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.20s %05d", prefix, i);
        return text;
    }

    static std::string ingredientLine(const std::string& name, const std::string& energyText)
    {
        IngredientFields f = blankIngredient(pad(name, 60));
        f[IngField::Energy] = energyText;
        return ingredientRecordLine(f);
    }

    std::string ingredientBytes(long g) const
    {
        RecordList list(true);
        for (int i = 0; i < m_ingredients; ++i)
            list.add(ingredientLine(numbered("Ingrediente", i), "  20,00"));
        list.add(ingredientLine("Leite", energy(g)));
        list.add(ingredientLine("Sal", "   0,00"));
        NullProgress none;
        return scrambledFileBytes(list, none);
    }

    static RecordList extraLines()
    {
        LineFields sal = blankLine(pad("Sal", 60));
        sal[LineField::Energy] = "     5,00";
        RecordList lines(true);
        lines.add(joinFields(sal));
        return lines;
    }

    // An index line whose whole-recipe energy and its shares follow the lines.
    static std::string indexLine(const std::string& name, const RecordList& lines)
    {
        IndexFields f = blankIndex(name);
        f[IdxField::Yield] = "  1000";
        f[IdxField::PortionYield] = "   100";
        f[IdxField::Tablespoon] = "    10";
        const std::string total = fieldText(CappedFieldSum(lines, LineField::Energy), kAmountMask);
        const Exact perGram = readNumber(total) / Exact::whole(1000);
        f[IdxField::Energy] = total;
        f[IdxField::PerCapitaEnergy] = fieldText(perGram * Exact::whole(100), kAmountMask);
        f[IdxField::SpoonEnergy] = fieldText(perGram * Exact::whole(10), kAmountMask);
        return joinFields(f);
    }

    std::filesystem::path m_base;
    int m_preparations;
    int m_ingredients;
    mutable std::map<std::pair<long, int>, std::map<std::string, std::string>> m_files;
    mutable std::map<long, std::string> m_copies;
};

} // namespace treluza::fault
