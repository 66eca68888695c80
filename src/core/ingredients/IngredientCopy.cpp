#include "core/ingredients/IngredientCopy.h"

#include "core/records/FieldTexts.h"
#include "core/records/IngredientRecord.h"
#include "core/store/Collation.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"

#include <algorithm>
#include <optional>

namespace treluza {

namespace {

/** Where the key is in a sorted key list, or where it would go. */
int keyPosition(const KeyList& keys, std::string_view key, bool& found)
{
    const auto& lines = keys.lines();
    const auto it =
        std::lower_bound(lines.begin(), lines.end(), key,
                         [](const std::string& a, std::string_view b) { return compareText(a, b) < 0; });
    found = it != lines.end() && compareText(*it, key) == 0;
    return static_cast<int>(it - lines.begin());
}

bool hasNonBlank(std::string_view text)
{
    return text.find_first_not_of(' ') != std::string_view::npos;
}

} // namespace

std::string withTableSources(std::string row, std::string_view description)
{
    const std::string source = TrimTrailingSpaces(std::string(description));
    for (std::size_t i = 0; i < kValueFields.size(); ++i) {
        const int field = kValueFields[i];
        const std::string_view value = FieldOf(field, row);
        if (value.empty() || value == blankField(RecordKind::Ingredient, field))
            continue;
        const int sourceField = IngField::FirstSource + static_cast<int>(i);
        const std::size_t width =
            fieldWidth(RecordKind::Ingredient, sourceField) > 0
                ? static_cast<std::size_t>(fieldWidth(RecordKind::Ingredient, sourceField))
                : source.size();
        SetFieldOf(sourceField, row, std::string_view(source).substr(0, width));
    }
    return row;
}

CopyOutcome CopyToActive(const CopyTables& tables, std::string row, RecordList& activeRecords,
                         KeyList& activeKeys, MessageSink& messages)
{
    CopyOutcome outcome;
    if (!tables.activeEditable) {
        messages.show("A tabela " + TrimTrailingSpaces(tables.activeTable) + cp(" não pode ser alterada!"),
                      MessageKind::Message);
        outcome.result = CopyResult::NotEditable;
        return outcome;
    }
    const std::string name(FieldOf(IngField::Name, row));
    bool found = false;
    outcome.position = keyPosition(activeKeys, name, found);
    if (found) {
        messages.show(cp("O ingrediente já existe na Tabela Ativa!"), MessageKind::Message);
        outcome.result = CopyResult::AlreadyThere;
        return outcome;
    }
    if (messages.show(cp("Confirma inclusão do ingrediente na Tabela Ativa?"), MessageKind::Question) !=
        Answer::Yes) {
        outcome.result = CopyResult::Declined;
        return outcome;
    }
    if (tables.viewedFlag != "1")
        row = withTableSources(std::move(row), tables.viewedDescription);
    // The measure file, a missing group and the ingredient file change
    // together, so that what the copy said it did is on disk as one change.
    const RecordList recordsBefore = activeRecords;
    const KeyList keysBefore = activeKeys;
    try {
        Transaction changes = Transaction::forTable(tables.base, tables.activeTable);
        const auto viewedMeasures = MeasureFilePath(tables.base, tables.viewedTable, name);
        std::error_code ec;
        if (std::filesystem::exists(viewedMeasures, ec))
            changes.write(MeasureFilePath(tables.base, tables.activeTable, name),
                          readWholeFile(viewedMeasures));

        const std::string group(FieldOf(IngField::Group, row));
        const auto groupPath = IngredientGroupFilePath(tables.base, tables.activeTable);
        RecordList groups(true);
        KeyList groupKeys(true);
        groups.assign(splitLines(changes.readIfPresent(groupPath)));
        rebuildKeyList(groups, groupKeys);
        if (hasNonBlank(group) && groupKeys.find(group) < 0) {
            groups.add(group + "|");
            changes.write(groupPath, joinLines(groups.lines()));
        }
        activeRecords.add(row);
        activeKeys.add(name);
        NullProgress quiet;
        changes.write(IngredientFilePath(tables.base, tables.activeTable),
                      scrambledFileBytes(activeRecords, quiet));
        changes.commit();
    } catch (const ChangePendingError&) {
        // Recorded: the copy stays in the lists, as the files will hold it.
        outcome.position = activeKeys.find(name);
        messages.show(cp("Erro durante inclusão!"), MessageKind::Message);
        outcome.result = CopyResult::Copied;
        return outcome;
    } catch (const StoreError&) {
        activeRecords = recordsBefore;
        activeKeys = keysBefore;
        messages.show(cp("Erro durante inclusão!"), MessageKind::Message);
        outcome.result = CopyResult::Failed;
        return outcome;
    }
    outcome.position = activeKeys.find(name);
    messages.show(cp("O ingrediente foi copiado com sucesso para a tabela ativa!"), MessageKind::Message);
    outcome.result = CopyResult::Copied;
    return outcome;
}

} // namespace treluza
