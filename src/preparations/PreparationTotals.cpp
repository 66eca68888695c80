#include "preparations/PreparationTotals.h"

#include "preparations/LineCalculations.h"
#include "store/Cp1252.h"
#include "store/StrUnit.h"

namespace treluza {

namespace {

Exact Total(const RecordList& lines, int n)
{
    Exact total;
    for (const auto& line : lines.lines())
        total = total + ReadNumber(FieldAt(line, n));
    return total;
}

// Name of an ingredient-line field in the sum-limit message.
const char* SumName(int n)
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

bool Present(const IndexFields& f, int n)
{
    return !IsBlankField(f[n], IndexFieldMask(n));
}

Exact Number(const IndexFields& f, int n)
{
    return ReadNumber(f[n]);
}

void Empty(IndexFields& f, int n)
{
    f[n] = IndexBlankField(n);
}

void EmptyRange(IndexFields& f, int first, int last)
{
    for (int n = first; n <= last; ++n)
        Empty(f, n);
}

// Fields first..first+10 := fields 3 to 13 x part / yield.
void ComputeShares(IndexFields& f, int partField, int first)
{
    if (!Present(f, IdxField::Yield) || !Number(f, IdxField::Yield).positive() || !Present(f, partField))
        return;
    const Exact factor = Number(f, partField) / Number(f, IdxField::Yield);
    for (int k = 0; k <= IdxField::Cost - IdxField::Energy; ++k) {
        const int whole = IdxField::Energy + k;
        if (Present(f, whole))
            f[first + k] = FieldText(Number(f, whole) * factor, kAmountMask);
        else
            Empty(f, first + k);
    }
}

void Normalise(IndexFields& f, int n)
{
    f[n] = NormaliseField(f[n], IndexFieldMask(n));
}

} // namespace

Exact SumField(const RecordList& lines, int n, MessageSink& messages)
{
    const Exact total = Total(lines, n);
    if (total <= LineLimit())
        return total;
    messages.show(Cp("ERRO! Somatório do ") + Cp(SumName(n)) + Cp(" maior que 999999,99!"),
                  MessageKind::Message);
    messages.show(Cp("Solução : diminua os pesos de todos os ingredientes na mesma proporção!"),
                  MessageKind::Message);
    return LineLimit();
}

Exact CappedFieldSum(const RecordList& lines, int n)
{
    const Exact total = Total(lines, n);
    return total > LineLimit() ? LineLimit() : total;
}

WindowTotals UpdateTotals(const RecordList& lines, RecordList& index, int current, MessageSink& messages)
{
    WindowTotals totals;
    totals.gross = SumField(lines, LineField::Gross, messages);
    totals.net = SumField(lines, LineField::Net, messages);
    for (int n = LineField::Energy; n <= LineField::Sodium; ++n)
        SetRecordField(index, current, n - 10, FieldText(SumField(lines, n, messages), kAmountMask));
    SetRecordField(index, current, IdxField::Cost,
                   FieldText(SumField(lines, LineField::Cost, messages), kAmountMask));
    return totals;
}

std::string TotalsRow(const WindowTotals& totals, std::string_view indexLine)
{
    std::string row = CenterText(Cp("Somatório"), 3) + "|" + FieldText(totals.net, kWeightMask) + "|";
    for (int n = IdxField::Energy; n <= IdxField::Sodium; ++n) {
        row += FieldAt(indexLine, n);
        row += '|';
    }
    return row;
}

void ComputePortionYield(IndexFields& f)
{
    const Exact portions = Number(f, IdxField::Portions);
    if (Present(f, IdxField::Portions) && Present(f, IdxField::Yield) && portions.positive())
        f[IdxField::PortionYield] = FieldText(Number(f, IdxField::Yield) / portions, kWholeMask);
    else
        Empty(f, IdxField::PortionYield);
}

void ComputePerCapita(IndexFields& f)
{
    ComputeShares(f, IdxField::PortionYield, IdxField::PerCapitaEnergy);
}

void ComputePerTablespoon(IndexFields& f)
{
    ComputeShares(f, IdxField::Tablespoon, IdxField::SpoonEnergy);
}

void LeaveYield(IndexFields& f)
{
    Normalise(f, IdxField::Yield);
    if (Present(f, IdxField::Yield)) {
        ComputePortionYield(f);
        ComputePerCapita(f);
        ComputePerTablespoon(f);
        return;
    }
    Empty(f, IdxField::Portions);
    Empty(f, IdxField::PortionYield);
    EmptyRange(f, IdxField::PerCapitaEnergy, IdxField::PerCapitaCost);
    Empty(f, IdxField::Tablespoon);
    EmptyRange(f, IdxField::SpoonEnergy, IdxField::SpoonCost);
}

bool LeavePortions(IndexFields& f, MessageSink& messages)
{
    Normalise(f, IdxField::Portions);
    if (!Present(f, IdxField::Portions)) {
        Empty(f, IdxField::PortionYield);
        EmptyRange(f, IdxField::PerCapitaEnergy, IdxField::PerCapitaCost);
        return true;
    }
    if (!Number(f, IdxField::Portions).positive()) {
        messages.show(Cp("Número de porções deve ser maior que zero!"), MessageKind::Message);
        return false;
    }
    ComputePortionYield(f);
    ComputePerCapita(f);
    return true;
}

void LeaveTablespoon(IndexFields& f)
{
    Normalise(f, IdxField::Tablespoon);
    if (Present(f, IdxField::Tablespoon)) {
        ComputePerTablespoon(f);
        return;
    }
    Empty(f, IdxField::Tablespoon);
    EmptyRange(f, IdxField::SpoonEnergy, IdxField::SpoonCost);
}

} // namespace treluza
