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
        total = total + readNumber(fieldAt(line, n));
    return total;
}

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
    case LineField::Cost:
        return "Custo Calculado";
    case 13:
        return "Calorias";
    case 14:
        return "Carboidratos";
    case 15:
        return "Proteinas";
    case 16:
        return "Lipídios";
    case 17:
        return "Gordura Saturada";
    case 18:
        return "Colesterol";
    case 19:
        return "Fibras";
    case 20:
        return "Cálcio";
    case 21:
        return "Ferro";
    case 22:
        return "Sódio";
    default:
        return "";
    }
}

bool present(const IndexFields& f, int n)
{
    return !isBlankField(f[n], indexFieldMask(n));
}

Exact number(const IndexFields& f, int n)
{
    return readNumber(f[n]);
}

void empty(IndexFields& f, int n)
{
    f[n] = indexBlankField(n);
}

void emptyRange(IndexFields& f, int first, int last)
{
    for (int n = first; n <= last; ++n)
        empty(f, n);
}

// Fields first..first+10 := fields 3 to 13 x part / yield.
void computeShares(IndexFields& f, int partField, int first)
{
    if (!present(f, IdxField::Yield) || !number(f, IdxField::Yield).positive() || !present(f, partField))
        return;
    const Exact factor = number(f, partField) / number(f, IdxField::Yield);
    for (int k = 0; k <= IdxField::Cost - IdxField::Energy; ++k) {
        const int whole = IdxField::Energy + k;
        if (present(f, whole))
            f[first + k] = fieldText(number(f, whole) * factor, kAmountMask);
        else
            empty(f, first + k);
    }
}

void normalise(IndexFields& f, int n)
{
    f[n] = normaliseField(f[n], indexFieldMask(n));
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

WindowTotals UpdateTotals(const RecordList& lines, RecordList& index, int current, MessageSink& messages)
{
    WindowTotals totals;
    totals.gross = SumField(lines, LineField::Gross, messages);
    totals.net = SumField(lines, LineField::Net, messages);
    for (int n = LineField::Energy; n <= LineField::Sodium; ++n)
        SetRecordField(index, current, n - 10, fieldText(SumField(lines, n, messages), kAmountMask));
    SetRecordField(index, current, IdxField::Cost,
                   fieldText(SumField(lines, LineField::Cost, messages), kAmountMask));
    return totals;
}

std::string TotalsRow(const WindowTotals& totals, std::string_view indexLine)
{
    std::string row = CenterText(cp("Somatório"), 3) + "|" + fieldText(totals.net, kWeightMask) + "|";
    for (int n = IdxField::Energy; n <= IdxField::Sodium; ++n) {
        row += fieldAt(indexLine, n);
        row += '|';
    }
    return row;
}

void ComputePortionYield(IndexFields& f)
{
    const Exact portions = number(f, IdxField::Portions);
    if (present(f, IdxField::Portions) && present(f, IdxField::Yield) && portions.positive())
        f[IdxField::PortionYield] = fieldText(number(f, IdxField::Yield) / portions, kWholeMask);
    else
        empty(f, IdxField::PortionYield);
}

void ComputePerCapita(IndexFields& f)
{
    computeShares(f, IdxField::PortionYield, IdxField::PerCapitaEnergy);
}

void ComputePerTablespoon(IndexFields& f)
{
    computeShares(f, IdxField::Tablespoon, IdxField::SpoonEnergy);
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
    emptyRange(f, IdxField::PerCapitaEnergy, IdxField::PerCapitaCost);
    empty(f, IdxField::Tablespoon);
    emptyRange(f, IdxField::SpoonEnergy, IdxField::SpoonCost);
}

bool leavePortions(IndexFields& f, MessageSink& messages)
{
    normalise(f, IdxField::Portions);
    if (!present(f, IdxField::Portions)) {
        empty(f, IdxField::PortionYield);
        emptyRange(f, IdxField::PerCapitaEnergy, IdxField::PerCapitaCost);
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
    emptyRange(f, IdxField::SpoonEnergy, IdxField::SpoonCost);
}

} // namespace treluza
