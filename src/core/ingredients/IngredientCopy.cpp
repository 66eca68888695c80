#include "core/ingredients/IngredientCopy.h"

#include "core/records/FieldTexts.h"
#include "core/records/IngredientRecord.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"

#include <optional>

namespace treluza {

namespace {

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

CopyOutcome CopyToActive(const CopyTables& tables, std::string row, KeyedRecords& active,
                         MessageSink& messages)
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
    outcome.position = active.keyPosition(name, found);
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
    const KeyedRecords before = active;
    try {
        Transaction changes = Transaction::forTable(tables.base, tables.activeTable);
        const auto viewedMeasures = MeasureFilePath(tables.base, tables.viewedTable, name);
        std::error_code ec;
        if (std::filesystem::exists(viewedMeasures, ec))
            changes.write(MeasureFilePath(tables.base, tables.activeTable, name),
                          readWholeFile(viewedMeasures));

        const std::string group(FieldOf(IngField::Group, row));
        const auto groupPath = IngredientGroupFilePath(tables.base, tables.activeTable);
        KeyedRecords groups = keyedLines(changes.readIfPresent(groupPath));
        if (hasNonBlank(group) && groups.findKey(group) < 0) {
            groups.add(group + "|");
            changes.write(groupPath, joinLines(groups.lines()));
        }
        active.add(row);
        NullProgress quiet;
        changes.write(IngredientFilePath(tables.base, tables.activeTable),
                      scrambledFileBytes(active.records(), quiet));
        changes.commit();
    } catch (const ChangePendingError&) {
        // Recorded: the copy stays in the lists, as the files will hold it.
        outcome.position = active.findKey(name);
        messages.show(cp("Erro durante inclusão!"), MessageKind::Message);
        outcome.result = CopyResult::Copied;
        return outcome;
    } catch (const StoreError&) {
        active = before;
        messages.show(cp("Erro durante inclusão!"), MessageKind::Message);
        outcome.result = CopyResult::Failed;
        return outcome;
    }
    outcome.position = active.findKey(name);
    messages.show(cp("O ingrediente foi copiado com sucesso para a tabela ativa!"), MessageKind::Message);
    outcome.result = CopyResult::Copied;
    return outcome;
}

} // namespace treluza
