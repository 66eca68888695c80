#include "core/preparations/LineCalculations.h"

#include "core/store/Cp1252.h"
#include "core/store/StrUnit.h"

#include <stdexcept>

namespace treluza {

namespace {

bool present(const std::string& text, std::string_view mask)
{
    return !isBlankField(text, mask);
}

bool presentField(const LineEdits& e, int n)
{
    return present(e.line[n], fieldMask(RecordKind::Line, n));
}

Exact number(const LineEdits& e, int n)
{
    return readNumber(e.line[n]);
}

void put(LineEdits& e, int n, const Exact& value)
{
    e.line[n] = fieldText(value, fieldMask(RecordKind::Line, n));
}

void empty(LineEdits& e, int n)
{
    e.line[n] = blankField(RecordKind::Line, n);
}

// A stored ingredient text copied into a line field; an absent one leaves the
// field blank.
void copyStored(LineEdits& e, int n, const std::string& stored)
{
    e.line[n] = stored.empty() ? blankField(RecordKind::Line, n) : stored;
}

const Exact kPer100 = Exact::whole(100);
const Exact kPer1000 = Exact::whole(1000);

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

void normaliseLeft(LineEdits& e, int n)
{
    e.line[n] = normaliseField(e.line[n], fieldMask(RecordKind::Line, n));
}

} // namespace

LineEdits newLineEdits(const IngredientFields& ingredient)
{
    LineEdits e{blankLine(ingredient[IngField::Name]), BlankTemplate(kWeightMask)};
    copyStored(e, LineField::FC, ingredient[IngField::FC]);
    copyStored(e, LineField::FCC, ingredient[IngField::FCC]);
    copyStored(e, LineField::UnitCost, ingredient[IngField::UnitCost]);
    copyStored(e, LineField::QuoteDate, ingredient[IngField::QuoteDate]);
    return e;
}

Exact lineLimit()
{
    return maskMaximum(kAmountMask);
}

void netFromGross(LineEdits& e)
{
    const Exact fc = number(e, LineField::FC);
    if (presentField(e, LineField::Net) || !presentField(e, LineField::Gross) || !fc.positive())
        return;
    put(e, LineField::Net, number(e, LineField::Gross) / fc);
    quantityFromNet(e);
}

void netFromMeasure(LineEdits& e)
{
    if (!present(e.measureWeight, kWeightMask) || !presentField(e, LineField::Quantity))
        return;
    put(e, LineField::Net, number(e, LineField::Quantity) * readNumber(e.measureWeight));
}

void grossFromNet(LineEdits& e)
{
    if (presentField(e, LineField::Gross) || !presentField(e, LineField::Net) ||
        !presentField(e, LineField::FC))
        return;
    put(e, LineField::Gross, number(e, LineField::Net) * number(e, LineField::FC));
}

void computeFC(LineEdits& e, const IngredientFields& ingredient)
{
    const Exact net = number(e, LineField::Net);
    if (net.positive() && presentField(e, LineField::Gross))
        put(e, LineField::FC, number(e, LineField::Gross) / net);
    else
        copyStored(e, LineField::FC, ingredient[IngField::FC]);
}

void cookedFromRaw(LineEdits& e)
{
    if (presentField(e, LineField::Cooked) || !presentField(e, LineField::Raw) ||
        !presentField(e, LineField::FCC))
        return;
    put(e, LineField::Cooked, number(e, LineField::Raw) * number(e, LineField::FCC));
}

void rawFromCooked(LineEdits& e)
{
    const Exact fcc = number(e, LineField::FCC);
    if (presentField(e, LineField::Raw) || !presentField(e, LineField::Cooked) || !fcc.positive())
        return;
    put(e, LineField::Raw, number(e, LineField::Cooked) / fcc);
}

void computeFCC(LineEdits& e, const IngredientFields& ingredient)
{
    const Exact raw = number(e, LineField::Raw);
    if (presentField(e, LineField::Cooked) && raw.positive())
        put(e, LineField::FCC, number(e, LineField::Cooked) / raw);
    else
        copyStored(e, LineField::FCC, ingredient[IngField::FCC]);
}

void quantityFromNet(LineEdits& e)
{
    const Exact weight = readNumber(e.measureWeight);
    if (presentField(e, LineField::Net) && present(e.measureWeight, kWeightMask) && weight.positive())
        put(e, LineField::Quantity, number(e, LineField::Net) / weight);
    else
        empty(e, LineField::Quantity);
}

void computeLineCost(LineEdits& e)
{
    if (presentField(e, LineField::Gross) && presentField(e, LineField::UnitCost))
        put(e, LineField::Cost, number(e, LineField::Gross) * number(e, LineField::UnitCost) / kPer1000);
    else
        empty(e, LineField::Cost);
}

void LineNutrient(LineEdits& e, const IngredientFields& ingredient, int a, MessageSink& messages)
{
    const int k = recipeValueOfIngredientField(a);
    if (k < 0)
        throw std::out_of_range("not a nutrient field of an ingredient: " + std::to_string(a));
    const int destination = kRecipeValues[static_cast<std::size_t>(k)].line;
    const std::string& stored = ingredient[a];
    if (!present(stored, fieldMask(RecordKind::Ingredient, a))) {
        empty(e, destination);
        return;
    }
    Exact value = number(e, LineField::Net) * readNumber(stored) / kPer100;
    if (value > lineLimit()) {
        messages.show(cp("ERRO! Quantidade de ") + cp(kNutrientNames[k]) +
                          cp(" para o peso líquido maior que 999999,99!"),
                      MessageKind::Message);
        messages.show(cp("Solução : diminua os pesos de todos os ingredientes na mesma proporção!"),
                      MessageKind::Message);
        value = lineLimit();
    }
    put(e, destination, value);
}

void lineNutrients(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages)
{
    for (std::size_t k = 0; k < kNutrientCount; ++k)
        LineNutrient(e, ingredient, kRecipeValues[k].ingredient, messages);
}

void leaveGross(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages)
{
    normaliseLeft(e, LineField::Gross);
    if (presentField(e, LineField::Gross)) {
        netFromGross(e);
        computeFC(e, ingredient);
        if (presentField(e, LineField::Net))
            lineNutrients(e, ingredient, messages);
    }
    computeFC(e, ingredient);
    grossFromNet(e);
    computeFC(e, ingredient);
    computeLineCost(e);
}

void leaveNet(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages)
{
    normaliseLeft(e, LineField::Net);
    if (presentField(e, LineField::Net)) {
        grossFromNet(e);
        computeFC(e, ingredient);
        computeLineCost(e);
        lineNutrients(e, ingredient, messages);
    } else {
        computeFC(e, ingredient);
        for (int n = LineField::Energy; n <= LineField::Sodium; ++n)
            empty(e, n);
    }
    quantityFromNet(e);
}

bool leaveQuantity(LineEdits& e, const IngredientFields& ingredient)
{
    normaliseLeft(e, LineField::Quantity);
    if (!presentField(e, LineField::Quantity))
        return true;
    netFromMeasure(e);
    computeFC(e, ingredient);
    return false;
}

void leaveCooked(LineEdits& e, const IngredientFields& ingredient)
{
    normaliseLeft(e, LineField::Cooked);
    if (presentField(e, LineField::Cooked))
        rawFromCooked(e);
    computeFCC(e, ingredient);
}

void leaveRaw(LineEdits& e, const IngredientFields& ingredient)
{
    normaliseLeft(e, LineField::Raw);
    if (presentField(e, LineField::Raw))
        cookedFromRaw(e);
    computeFCC(e, ingredient);
    rawFromCooked(e);
}

void WarnMissingValues(const IngredientFields& ingredient, MessageSink& messages)
{
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        const int a = kRecipeValues[i].ingredient;
        if (!present(ingredient[a], fieldMask(RecordKind::Ingredient, a)))
            messages.show(cp(kMissingValueTexts[i]), MessageKind::Message);
    }
}

} // namespace treluza
