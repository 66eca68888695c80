#include "taco/TacoTable.h"

#include "core/records/IngredientRecord.h"
#include "core/records/RecordLayouts.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/DecimalField.h"
#include "core/store/FileIo.h"
#include "core/store/NameRules.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "core/tables/DeliveredTable.h"
#include "core/tables/TableRegistry.h"

#include <algorithm>
#include <map>
#include <set>

namespace treluza::taco {

namespace fs = std::filesystem;

namespace {

// What the published table writes for a value not analysed, and for traces
// (a value too small to quote).
constexpr std::string_view kNotAnalysed = "NA";
constexpr std::string_view kTraces = "1e-05";

/** The columns of alimentos.csv that fill the ingredient's value fields. */
struct ValueColumn {
    int field;
    const char* column;
};
constexpr ValueColumn kValueColumns[] = {
    {IngField::Energy, "Energia..kcal."},       {IngField::Carbohydrate, "Carboidrato..g."},
    {IngField::Protein, "Proteína..g."},        {IngField::TotalFat, "Lipídeos..g."},
    {IngField::Cholesterol, "Colesterol..mg."}, {IngField::Fibre, "Fibra.Alimentar..g."},
    {IngField::Calcium, "Cálcio..mg."},         {IngField::Iron, "Ferro..mg."},
    {IngField::Sodium, "Sódio..mg."},
};
constexpr const char* kNumberColumn = "Número do Alimento";
constexpr const char* kCategoryColumn = "Categoria do alimento";
constexpr const char* kDescriptionColumn = "Descrição dos alimentos";
constexpr const char* kSaturatedColumn = "Saturados..g.";

using Rows = std::vector<std::vector<std::string>>;

/** A CSV file read whole, its columns found by their header. */
class Csv {
public:
    explicit Csv(const fs::path& path) : m_name(path.filename().string()), m_rows(readCsv(path))
    {
        if (m_rows.empty())
            throw TacoError(m_name + ": no header");
        for (std::size_t r = 1; r < m_rows.size(); ++r) {
            if (m_rows[r].size() != m_rows[0].size())
                throw TacoError(m_name + ": row " + std::to_string(r + 1) + " has " +
                                std::to_string(m_rows[r].size()) + " fields, the header " +
                                std::to_string(m_rows[0].size()));
        }
    }

    const std::string& name() const { return m_name; }
    std::size_t rowCount() const { return m_rows.size() - 1; }

    std::size_t column(std::string_view header) const
    {
        const auto& h = m_rows[0];
        const auto it = std::find(h.begin(), h.end(), header);
        if (it == h.end())
            throw TacoError(m_name + ": no column \"" + std::string(header) + "\"");
        return static_cast<std::size_t>(it - h.begin());
    }

    /** Row r (0 for the first row after the header), column c. */
    const std::string& at(std::size_t r, std::size_t c) const { return m_rows[r + 1][c]; }

private:
    std::string m_name;
    Rows m_rows;
};

/** Windows-1252 text of a UTF-8 field, refusing what has no Windows-1252 form. */
std::string coreText(const std::string& utf8, const std::string& where)
{
    std::string text = fromUtf8(utf8);
    if (toUtf8(text) != utf8)
        throw TacoError(where + ": \"" + utf8 + "\" has no Windows-1252 form");
    return text;
}

/** text padded with blanks to width, or an error when it is longer. */
std::string padded(const std::string& text, int width, const std::string& where)
{
    const auto w = static_cast<std::size_t>(width);
    if (text.size() > w)
        throw TacoError(where + ": \"" + toUtf8(text) + "\" is longer than " + std::to_string(width) +
                        " characters");
    return text + std::string(w - text.size(), ' ');
}

/** Refuses a name that a name field would not accept. */
void checkName(const std::string& name, const std::string& where)
{
    if (TrimTrailingSpaces(name).empty() || !isUsableName(name))
        throw TacoError(where + ": \"" + toUtf8(name) + "\" cannot be a name");
    for (const char c : name) {
        if (isForbiddenNameChar(static_cast<unsigned char>(c)))
            throw TacoError(where + ": \"" + toUtf8(name) + "\" holds the character " + std::string(1, c) +
                            ", which names may not hold");
    }
}

/** A name with letter case and accents ignored, so that two names a user could
 *  not tell apart when searching are found to be the same. */
std::string foldedName(const std::string& name)
{
    // Windows-1252 letters from code 0xC0 on, each as its base letter.
    static constexpr std::string_view kBase =
        "aaaaaaaceeeeiiiidnooooo*ouuuuytsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string key = TrimTrailingSpaces(name);
    for (char& c : key) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0xC0)
            c = kBase[u - 0xC0];
        else if (u >= 'A' && u <= 'Z')
            c = static_cast<char>(u - 'A' + 'a');
    }
    return key;
}

/** Whether a value text of the published table is a plain decimal number
 *  (digits with an optional decimal point). */
bool isPlainNumber(std::string_view t)
{
    const std::size_t point = t.find('.');
    const std::string_view whole = t.substr(0, point);
    const std::string_view part = point == std::string_view::npos ? std::string_view() : t.substr(point + 1);
    const auto digits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return !whole.empty() && digits(whole) && digits(part) &&
           (point == std::string_view::npos || !part.empty());
}

/** The field text of a value of the published table. */
struct Value {
    std::string text;
    bool traces = false;
};

Value valueText(const std::string& csv, int field, const std::string& where)
{
    const std::string_view mask = fieldMask(RecordKind::Ingredient, field);
    if (csv == kNotAnalysed)
        return {blankField(RecordKind::Ingredient, field)};
    if (csv == kTraces)
        return {fieldText(Exact(), mask), true};
    if (!isPlainNumber(csv))
        throw TacoError(where + ": \"" + csv + "\" is not a number");
    std::string comma = csv;
    std::replace(comma.begin(), comma.end(), '.', ',');
    const Exact value = readNumber(comma);
    if (value > maskMaximum(mask))
        throw TacoError(where + ": " + csv + " does not fit the field (" + std::string(mask) + ")");
    return {fieldText(value, mask)};
}

/** The source field of a value field. */
int sourceField(int valueField)
{
    const auto it = std::find(kValueFields.begin(), kValueFields.end(), valueField);
    return IngField::FirstSource + static_cast<int>(it - kValueFields.begin());
}

/** Category (UTF-8, as the table writes it) to the group name, padded. */
std::map<std::string, std::string> readGroups(const fs::path& path)
{
    const Csv csv(path);
    const std::size_t category = csv.column(kCategoryColumn);
    const std::size_t group = csv.column("Grupo");
    std::map<std::string, std::string> groups;
    RecordList names(true);
    for (std::size_t r = 0; r < csv.rowCount(); ++r) {
        const std::string where = csv.name() + " row " + std::to_string(r + 2);
        std::string name = padded(coreText(csv.at(r, group), where),
                                  fieldWidth(RecordKind::IngredientGroup, GroupField::Name), where);
        checkName(name, where);
        if (names.find(name) >= 0)
            throw TacoError(where + ": the group \"" + csv.at(r, group) + "\" is given twice");
        names.add(name);
        if (!groups.emplace(csv.at(r, category), std::move(name)).second)
            throw TacoError(where + ": the category \"" + csv.at(r, category) + "\" is given twice");
    }
    return groups;
}

/** Food number to its shorter name, checked against the description it
 *  replaces. */
struct ShortName {
    std::string description;
    std::string name;
    bool used = false;
};

std::map<std::string, ShortName> readShortNames(const fs::path& path)
{
    const Csv csv(path);
    const std::size_t number = csv.column(kNumberColumn);
    const std::size_t description = csv.column(kDescriptionColumn);
    const std::size_t name = csv.column("Nome");
    std::map<std::string, ShortName> names;
    for (std::size_t r = 0; r < csv.rowCount(); ++r) {
        if (!names.emplace(csv.at(r, number), ShortName{csv.at(r, description), csv.at(r, name)}).second)
            throw TacoError(csv.name() + ": food " + csv.at(r, number) + " is given twice");
    }
    return names;
}

} // namespace

std::string tableName()
{
    return cp("TACO 4ª edição");
}

std::string tableDescription()
{
    return cp("TACO 4ª ed. - NEPA/UNICAMP 2011 - valores por 100 g");
}

Rows readCsv(const fs::path& path)
{
    std::string text = readWholeFile(path);
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    Rows rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool rowStarted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false;
            continue;
        }
        rowStarted = true;
        if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
            rowStarted = false;
        } else {
            field += c;
        }
    }
    if (quoted)
        throw TacoError(path.filename().string() + ": a quoted field is not closed");
    if (rowStarted) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

TacoTable buildTable(const fs::path& dataFolder)
{
    const Csv foods(dataFolder / "alimentos.csv");
    const Csv fats(dataFolder / "acidos-graxos.csv");
    std::map<std::string, std::string> groups = readGroups(dataFolder / "grupos.csv");
    std::map<std::string, ShortName> shortNames = readShortNames(dataFolder / "nomes.csv");

    // Saturated fat by food number; every food named there must be in the table.
    std::map<std::string, std::string> saturated;
    std::size_t saturatedUsed = 0;
    const std::size_t fatNumber = fats.column(kNumberColumn);
    const std::size_t fatSaturated = fats.column(kSaturatedColumn);
    for (std::size_t r = 0; r < fats.rowCount(); ++r) {
        if (!saturated.emplace(fats.at(r, fatNumber), fats.at(r, fatSaturated)).second)
            throw TacoError(fats.name() + ": food " + fats.at(r, fatNumber) + " is given twice");
    }

    const std::size_t number = foods.column(kNumberColumn);
    const std::size_t category = foods.column(kCategoryColumn);
    const std::size_t description = foods.column(kDescriptionColumn);
    std::vector<std::size_t> valueColumns;
    for (const ValueColumn& v : kValueColumns)
        valueColumns.push_back(foods.column(v.column));

    const std::string source = tableName();
    const std::string tracesSource = source + " (Tr)";
    TacoTable table;
    table.registryLine =
        padded(tableName(), fieldWidth(RecordKind::Registry, RegistryField::Name), "table name") + "|" +
        tableDescription() + "|0|";
    RecordList names(true);
    std::map<std::string, std::string> folded; // folded name -> food number
    std::map<std::string, bool> groupUsed;
    std::set<std::string> numbers;
    for (std::size_t r = 0; r < foods.rowCount(); ++r) {
        const std::string& food = foods.at(r, number);
        const std::string where = foods.name() + " food " + food;
        if (!numbers.insert(food).second)
            throw TacoError(where + ": the food number is given twice");

        std::string name = foods.at(r, description);
        if (const auto it = shortNames.find(food); it != shortNames.end()) {
            if (it->second.description != name)
                throw TacoError("nomes.csv: food " + food + " is described as \"" + name +
                                "\" in alimentos.csv, not \"" + it->second.description + "\"");
            name = it->second.name;
            it->second.used = true;
        }
        name = padded(coreText(name, where), fieldWidth(RecordKind::Ingredient, IngField::Name),
                      where + " (give it a shorter name in nomes.csv)");
        checkName(name, where);
        if (names.find(name) >= 0 || !folded.emplace(foldedName(name), food).second)
            throw TacoError(where + ": the name \"" + toUtf8(TrimTrailingSpaces(name)) +
                            "\" is taken by food " + folded[foldedName(name)]);
        names.add(name);

        IngredientFields fields = blankIngredient(name);
        const auto fill = [&](int field, const std::string& csv) {
            const Value v = valueText(csv, field, where);
            fields[field] = v.text;
            if (!isBlankField(v.text, fieldMask(RecordKind::Ingredient, field)))
                fields[sourceField(field)] = v.traces ? tracesSource : source;
        };
        for (std::size_t k = 0; k < valueColumns.size(); ++k)
            fill(kValueColumns[k].field, foods.at(r, valueColumns[k]));
        if (const auto it = saturated.find(food); it != saturated.end()) {
            fill(IngField::SaturatedFat, it->second);
            ++saturatedUsed;
        }

        const auto group = groups.find(foods.at(r, category));
        if (group == groups.end())
            throw TacoError(where + ": the category \"" + foods.at(r, category) +
                            "\" has no group in grupos.csv");
        fields[IngField::Group] = group->second;
        groupUsed[group->first] = true;

        table.ingredients.add(ingredientRecordLine(fields));
    }

    if (saturatedUsed != saturated.size())
        throw TacoError(fats.name() + ": some foods are not in " + foods.name());
    for (const auto& [food, shortName] : shortNames) {
        if (!shortName.used)
            throw TacoError("nomes.csv: there is no food " + food + " in alimentos.csv");
    }
    for (const auto& [categoryName, group] : groups) {
        if (!groupUsed.count(categoryName))
            throw TacoError("grupos.csv: no food is of the category \"" + categoryName + "\"");
        table.groups.add(group + "|");
    }
    return table;
}

void writeTable(TacoTable& table, const fs::path& folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    SaveLines(folder / kDeliveredRegistryFile, {table.registryLine});
    NullProgress none;
    SaveScrambledFile(folder / kDeliveredIngredientFile, table.ingredients, none);
    SaveRecordFile(folder / kDeliveredGroupFile, table.groups);
}

} // namespace treluza::taco
