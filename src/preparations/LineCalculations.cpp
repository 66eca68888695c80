#include "preparations/LineCalculations.h"

#include "store/Cp1252.h"
#include "store/StrUnit.h"

namespace treluza {

namespace {

bool Present(const std::string& text, std::string_view mask)
{
    return !IsBlankField(text, mask);
}

bool PresentField(const LineEdits& e, int n)
{
    return Present(e.line[n], LineFieldMask(n));
}

Exact Number(const LineEdits& e, int n)
{
    return ReadNumber(e.line[n]);
}

void Put(LineEdits& e, int n, const Exact& value)
{
    e.line[n] = FieldText(value, LineFieldMask(n));
}

void Empty(LineEdits& e, int n)
{
    e.line[n] = LineBlankField(n);
}

// A stored ingredient text copied into a line field; an absent one leaves the
// field blank.
void CopyStored(LineEdits& e, int n, const std::string& stored)
{
    e.line[n] = stored.empty() ? LineBlankField(n) : stored;
}

const Exact kPer100 = Exact::Whole(100);
const Exact kPer1000 = Exact::Whole(1000);

// Names of the ingredient's nutrient fields 2 to 11 in the limit message.
const char* const kNutrientNames[] = {
    "Calorias",   "Carbo hidratos", "Proteínas", "Lipídios", "Gordura Saturada",
    "Colesterol", "Fibra",          "Cálcio",    "Ferro",    "Sódio"};

const char* const kMissingValueTexts[] = {
    "Atenção para ausência do valor das Calorias!",
    "Atenção para ausência do valor dos Carboidratos!",
    "Atenção para ausência do valor das Proteinas!",
    "Atenção para ausência do valor dos Lipídios!",
    "Atenção para ausência do valor da Gordura Saturada!",
    "Atenção para ausência do valor do Colesterol!",
    "Atenção para ausência do valor dos Fibras!",
    "Atenção para ausência do valor do Cálcio!",
    "Atenção para ausência do valor do Ferro!",
    "Atenção para ausência do valor do Sódio!",
};

void NormaliseLeft(LineEdits& e, int n)
{
    e.line[n] = NormaliseField(e.line[n], LineFieldMask(n));
}

} // namespace

LineEdits NewLineEdits(const IngredientFields& ingredient)
{
    LineEdits e{BlankLine(ingredient[IngField::Name]), BlankTemplate(kWeightMask)};
    CopyStored(e, LineField::FC, ingredient[IngField::FC]);
    CopyStored(e, LineField::FCC, ingredient[IngField::FCC]);
    CopyStored(e, LineField::UnitCost, ingredient[IngField::UnitCost]);
    CopyStored(e, LineField::QuoteDate, ingredient[IngField::QuoteDate]);
    return e;
}

Exact LineLimit()
{
    return MaskMaximum(kAmountMask);
}

void NetFromGross(LineEdits& e)
{
    const Exact fc = Number(e, LineField::FC);
    if (PresentField(e, LineField::Net) || !PresentField(e, LineField::Gross) || !fc.positive())
        return;
    Put(e, LineField::Net, Number(e, LineField::Gross) / fc);
    QuantityFromNet(e);
}

void NetFromMeasure(LineEdits& e)
{
    if (!Present(e.measureWeight, kWeightMask) || !PresentField(e, LineField::Quantity))
        return;
    Put(e, LineField::Net, Number(e, LineField::Quantity) * ReadNumber(e.measureWeight));
}

void GrossFromNet(LineEdits& e)
{
    if (PresentField(e, LineField::Gross) || !PresentField(e, LineField::Net) ||
        !PresentField(e, LineField::FC))
        return;
    Put(e, LineField::Gross, Number(e, LineField::Net) * Number(e, LineField::FC));
}

void ComputeFC(LineEdits& e, const IngredientFields& ingredient)
{
    const Exact net = Number(e, LineField::Net);
    if (net.positive() && PresentField(e, LineField::Gross))
        Put(e, LineField::FC, Number(e, LineField::Gross) / net);
    else
        CopyStored(e, LineField::FC, ingredient[IngField::FC]);
}

void CookedFromRaw(LineEdits& e)
{
    if (PresentField(e, LineField::Cooked) || !PresentField(e, LineField::Raw) ||
        !PresentField(e, LineField::FCC))
        return;
    Put(e, LineField::Cooked, Number(e, LineField::Raw) * Number(e, LineField::FCC));
}

void RawFromCooked(LineEdits& e)
{
    const Exact fcc = Number(e, LineField::FCC);
    if (PresentField(e, LineField::Raw) || !PresentField(e, LineField::Cooked) || !fcc.positive())
        return;
    Put(e, LineField::Raw, Number(e, LineField::Cooked) / fcc);
}

void ComputeFCC(LineEdits& e, const IngredientFields& ingredient)
{
    const Exact raw = Number(e, LineField::Raw);
    if (PresentField(e, LineField::Cooked) && raw.positive())
        Put(e, LineField::FCC, Number(e, LineField::Cooked) / raw);
    else
        CopyStored(e, LineField::FCC, ingredient[IngField::FCC]);
}

void QuantityFromNet(LineEdits& e)
{
    const Exact weight = ReadNumber(e.measureWeight);
    if (PresentField(e, LineField::Net) && Present(e.measureWeight, kWeightMask) && weight.positive())
        Put(e, LineField::Quantity, Number(e, LineField::Net) / weight);
    else
        Empty(e, LineField::Quantity);
}

void ComputeLineCost(LineEdits& e)
{
    if (PresentField(e, LineField::Gross) && PresentField(e, LineField::UnitCost))
        Put(e, LineField::Cost, Number(e, LineField::Gross) * Number(e, LineField::UnitCost) / kPer1000);
    else
        Empty(e, LineField::Cost);
}

void LineNutrient(LineEdits& e, const IngredientFields& ingredient, int a, MessageSink& messages)
{
    const int destination = a + 11;
    const std::string& stored = ingredient[a];
    if (!Present(stored, IngredientFieldMask(a))) {
        Empty(e, destination);
        return;
    }
    Exact value = Number(e, LineField::Net) * ReadNumber(stored) / kPer100;
    if (value > LineLimit()) {
        messages.show(Cp("ERRO! Quantidade de ") + Cp(kNutrientNames[a - IngField::Energy]) +
                          Cp(" para o peso líquido maior que 999999,99!"),
                      MessageKind::Message);
        messages.show(Cp("Solução : diminua os pesos de todos os ingredientes na mesma proporção!"),
                      MessageKind::Message);
        value = LineLimit();
    }
    Put(e, destination, value);
}

void LineNutrients(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages)
{
    for (const int a : kNutrientFields)
        LineNutrient(e, ingredient, a, messages);
}

void LeaveGross(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages)
{
    NormaliseLeft(e, LineField::Gross);
    if (PresentField(e, LineField::Gross)) {
        NetFromGross(e);
        ComputeFC(e, ingredient);
        if (PresentField(e, LineField::Net))
            LineNutrients(e, ingredient, messages);
    }
    ComputeFC(e, ingredient);
    GrossFromNet(e);
    ComputeFC(e, ingredient);
    ComputeLineCost(e);
}

void LeaveNet(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages)
{
    NormaliseLeft(e, LineField::Net);
    if (PresentField(e, LineField::Net)) {
        GrossFromNet(e);
        ComputeFC(e, ingredient);
        ComputeLineCost(e);
        LineNutrients(e, ingredient, messages);
    } else {
        ComputeFC(e, ingredient);
        for (int n = LineField::Energy; n <= LineField::Sodium; ++n)
            Empty(e, n);
    }
    QuantityFromNet(e);
}

bool LeaveQuantity(LineEdits& e, const IngredientFields& ingredient)
{
    NormaliseLeft(e, LineField::Quantity);
    if (!PresentField(e, LineField::Quantity))
        return true;
    NetFromMeasure(e);
    ComputeFC(e, ingredient);
    return false;
}

void LeaveCooked(LineEdits& e, const IngredientFields& ingredient)
{
    NormaliseLeft(e, LineField::Cooked);
    if (PresentField(e, LineField::Cooked))
        RawFromCooked(e);
    ComputeFCC(e, ingredient);
}

void LeaveRaw(LineEdits& e, const IngredientFields& ingredient)
{
    NormaliseLeft(e, LineField::Raw);
    if (PresentField(e, LineField::Raw))
        CookedFromRaw(e);
    ComputeFCC(e, ingredient);
    RawFromCooked(e);
}

void WarnMissingValues(const IngredientFields& ingredient, MessageSink& messages)
{
    for (std::size_t i = 0; i < kNutrientFields.size(); ++i) {
        const int a = kNutrientFields[i];
        if (!Present(ingredient[a], IngredientFieldMask(a)))
            messages.show(Cp(kMissingValueTexts[i]), MessageKind::Message);
    }
}

} // namespace treluza
