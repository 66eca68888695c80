#include "core/preparations/PreparationTotals.h"

#include "core/preparations/LineCalculations.h"
#include "core/store/Cp1252.h"
#include "core/store/StrUnit.h"

namespace treluza {

namespace {

Exact sumOf(const RecordList& lines, int n)
{
    Exact total;
    for (const auto& line : lines.lines())
        total = total + readNumber(FieldOf(n, line));
    return total;
}

// Names of the recipe values (kRecipeValues order) in the sum-limit message.
const char* const kSumNames[] = {
    "Calorias", "Carboidratos", "Proteinas", "Lipídios", "Gordura Saturada", "Colesterol",
    "Fibras",   "Cálcio",       "Ferro",     "Sódio",    "Custo Calculado"};

// Name of an ingredient-line field in the sum-limit message.
const char* sumName(int n)
{
    switch (n) {
    case LineField::Gross:
        return "Peso Bruto";
    case LineField::Net:
        return "Peso líquido";
    case LineField::Cooked:
        return "Peso cozido";
    case LineField::UnitCost:
        return "Custo Unitário";
    default: {
        const int k = recipeValueOfLineField(n);
        return k < 0 ? "" : kSumNames[k];
    }
    }
}

bool present(const IndexFields& f, int n)
{
    return !isBlankField(f[n], fieldMask(RecordKind::Index, n));
}

Exact number(const IndexFields& f, int n)
{
    return readNumber(f[n]);
}

void empty(IndexFields& f, int n)
{
    f[n] = blankField(RecordKind::Index, n);
}

// The shares of the recipe values (per capita or per tablespoon, chosen by
// share) := whole-recipe value x part / yield.
void computeShares(IndexFields& f, int partField, int RecipeValueFields::*share)
{
    if (!present(f, IdxField::Yield) || !number(f, IdxField::Yield).positive() || !present(f, partField))
        return;
    const Exact factor = number(f, partField) / number(f, IdxField::Yield);
    for (const RecipeValueFields& v : kRecipeValues) {
        if (present(f, v.index))
            f[v.*share] = fieldText(number(f, v.index) * factor, fieldMask(RecordKind::Index, v.*share));
        else
            empty(f, v.*share);
    }
}

// Empties the shares chosen by share.
void emptyShares(IndexFields& f, int RecipeValueFields::*share)
{
    for (const RecipeValueFields& v : kRecipeValues)
        empty(f, v.*share);
}

void normalise(IndexFields& f, int n)
{
    f[n] = normaliseField(f[n], fieldMask(RecordKind::Index, n));
}

} // namespace

Exact SumField(const RecordList& lines, int n, MessageSink& messages)
{
    const Exact total = sumOf(lines, n);
    if (total <= lineLimit())
        return total;
    messages.show(cp("ERRO! Somatório do ") + cp(sumName(n)) + cp(" maior que 999999,99!"),
                  MessageKind::Message);
    messages.show(cp("Solução : diminua os pesos de todos os ingredientes na mesma proporção!"),
                  MessageKind::Message);
    return lineLimit();
}

Exact CappedFieldSum(const RecordList& lines, int n)
{
    const Exact total = sumOf(lines, n);
    return total > lineLimit() ? lineLimit() : total;
}

WindowTotals UpdateTotals(const RecordList& lines, std::string& indexLine, MessageSink& messages)
{
    WindowTotals totals;
    totals.gross = SumField(lines, LineField::Gross, messages);
    totals.net = SumField(lines, LineField::Net, messages);
    // Energy to sodium, then the cost: the order of their limit messages.
    for (const RecipeValueFields& v : kRecipeValues)
        SetFieldOf(v.index, indexLine,
                   fieldText(SumField(lines, v.line, messages), fieldMask(RecordKind::Index, v.index)));
    return totals;
}

std::string TotalsRow(const WindowTotals& totals, std::string_view indexLine)
{
    std::string row = CenterText(cp("Somatório"), 3) + "|" +
                      fieldText(totals.net, fieldMask(RecordKind::Line, LineField::Net)) + "|";
    for (std::size_t k = 0; k < kNutrientCount; ++k) {
        row += FieldOf(kRecipeValues[k].index, indexLine);
        row += '|';
    }
    return row;
}

std::string HeaderRow()
{
    const char* const titles[] = {"Kcal",     "CHO(g)", "PTN(g)",   "LIP(g)",   "SAT(g)",
                                  " COL(mg)", "FIB(g)", " CAL(mg)", " FER(mg)", " Na(mg)"};
    std::string row = CenterText("Ingrediente", 3) + "|" +
                      CenterText(" PL(g)", fieldWidth(RecordKind::Line, LineField::Net)) + "|";
    for (std::size_t k = 0; k < kNutrientCount; ++k)
        row += CenterText(titles[k], fieldWidth(RecordKind::Line, kRecipeValues[k].line)) + "|";
    return row;
}

std::string ListRow(std::string_view line)
{
    std::string row = std::string(FieldOf(LineField::Name, line).substr(0, 3)) + "|";
    row += FieldOf(LineField::Net, line);
    row += '|';
    for (std::size_t k = 0; k < kNutrientCount; ++k) {
        row += FieldOf(kRecipeValues[k].line, line);
        row += '|';
    }
    return row;
}

void ComputePortionYield(IndexFields& f)
{
    const Exact portions = number(f, IdxField::Portions);
    if (present(f, IdxField::Portions) && present(f, IdxField::Yield) && portions.positive())
        f[IdxField::PortionYield] = fieldText(number(f, IdxField::Yield) / portions,
                                              fieldMask(RecordKind::Index, IdxField::PortionYield));
    else
        empty(f, IdxField::PortionYield);
}

void ComputePerCapita(IndexFields& f)
{
    computeShares(f, IdxField::PortionYield, &RecipeValueFields::perCapita);
}

void ComputePerTablespoon(IndexFields& f)
{
    computeShares(f, IdxField::Tablespoon, &RecipeValueFields::perSpoon);
}

void leaveYield(IndexFields& f)
{
    normalise(f, IdxField::Yield);
    if (present(f, IdxField::Yield)) {
        ComputePortionYield(f);
        ComputePerCapita(f);
        ComputePerTablespoon(f);
        return;
    }
    empty(f, IdxField::Portions);
    empty(f, IdxField::PortionYield);
    emptyShares(f, &RecipeValueFields::perCapita);
    empty(f, IdxField::Tablespoon);
    emptyShares(f, &RecipeValueFields::perSpoon);
}

bool leavePortions(IndexFields& f, MessageSink& messages)
{
    normalise(f, IdxField::Portions);
    if (!present(f, IdxField::Portions)) {
        empty(f, IdxField::PortionYield);
        emptyShares(f, &RecipeValueFields::perCapita);
        return true;
    }
    if (!number(f, IdxField::Portions).positive()) {
        messages.show(cp("Número de porções deve ser maior que zero!"), MessageKind::Message);
        return false;
    }
    ComputePortionYield(f);
    ComputePerCapita(f);
    return true;
}

void leaveTablespoon(IndexFields& f)
{
    normalise(f, IdxField::Tablespoon);
    if (present(f, IdxField::Tablespoon)) {
        ComputePerTablespoon(f);
        return;
    }
    empty(f, IdxField::Tablespoon);
    emptyShares(f, &RecipeValueFields::perSpoon);
}

} // namespace treluza
