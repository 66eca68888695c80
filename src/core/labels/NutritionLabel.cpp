#include "core/labels/NutritionLabel.h"

#include "core/store/Cp1252.h"
#include "core/store/StrUnit.h"

#include <algorithm>
#include <stdexcept>

namespace treluza {

namespace {

using Int = Exact::Int;

/** units / 10^decimals; units >= 0. */
Declared fromUnits(Int units, int decimals)
{
    return {Exact::units(static_cast<long long>(units), decimals), decimalText(units, decimals)};
}

Exact grams(long long units, int decimals = 0)
{
    return Exact::units(units, decimals);
}

/** An amount of the whole recipe per 100 g (or ml) and per portion. */
struct Amount {
    Exact per100;
    Exact perPortion;

    /** At or below the limit in both columns. */
    bool within(const Exact& limit) const { return per100 <= limit && perPortion <= limit; }
};

/** The reading of the preparation and its label that every row shares. */
struct Recipe {
    Exact yield;
    Exact portion;
    const IndexFields& index;

    Amount of(const Exact& whole) const
    {
        const Exact v = whole.negative() ? Exact() : whole;
        return {v * Exact::whole(100) / yield, v * portion / yield};
    }
    Exact wholeRecipe(int ingredientField) const
    {
        const int k = recipeValueOfIngredientField(ingredientField);
        return readNumber(index[kRecipeValues.at(static_cast<std::size_t>(k)).index]);
    }
    Amount nutrient(int ingredientField) const { return of(wholeRecipe(ingredientField)); }
};

/** A declared row: both columns, "0" in both when the amount is not significant. */
struct Pair {
    Declared per100;
    Declared perPortion;
};

Pair declarePair(const Amount& a, Mass mass, bool zero)
{
    if (zero)
        return {fromUnits(0, 0), fromUnits(0, 0)};
    return {declareAmount(a.per100, mass), declareAmount(a.perPortion, mass)};
}

bool isBlank(const LabelFields& label, int n)
{
    return isBlankField(label[n], fieldMask(RecordKind::Label, n));
}

std::string unitText(const LabelFields& label)
{
    return std::string(isLiquid(label) ? kLiquidUnit : kSolidUnit);
}

std::string wholeText(std::string_view field)
{
    return fromUnits(readNumber(field).roundedUnits(0), 0).text;
}

/** "a, b e c". */
std::string listText(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " e " : ", ";
        text += items[i];
    }
    return text;
}

} // namespace

Declared declareAmount(const Exact& amount, Mass mass)
{
    const Exact v = amount.negative() ? Exact() : amount;
    if (v >= Exact::whole(10))
        return fromUnits(v.roundedUnits(0), 0);
    if (v >= Exact::whole(1) || mass == Mass::Gram) {
        const Int tenths = v.roundedUnits(1);
        if (v >= Exact::whole(1) && tenths % 10 == 0)
            return fromUnits(tenths / 10, 0);
        return fromUnits(tenths, 1);
    }
    const Int hundredths = v.roundedUnits(2);
    if (hundredths % 10 == 0)
        return fromUnits(hundredths / 10, 1);
    return fromUnits(hundredths, 2);
}

Declared declareWhole(const Exact& amount)
{
    return fromUnits(amount.negative() ? 0 : amount.roundedUnits(0), 0);
}

Declared dailyValue(const Exact& declaredPortion, const Exact& reference)
{
    return declareWhole(declaredPortion * Exact::whole(100) / reference);
}

std::optional<std::string> labelProblem(const IndexFields& index, const LabelFields& label)
{
    if (!readNumber(index[IdxField::Yield]).positive())
        return cp("O rendimento da preparação deve ser maior que zero!");
    std::vector<std::string> missing;
    if (!readNumber(label[LabelField::Portion]).positive())
        missing.push_back(cp("porção"));
    if (TrimTrailingSpaces(label[LabelField::Measure]).find_first_not_of(' ') == std::string::npos)
        missing.push_back(cp("medida caseira"));
    const std::pair<int, const char*> amounts[] = {{LabelField::TotalSugars, "açúcares totais"},
                                                   {LabelField::AddedSugars, "açúcares adicionados"},
                                                   {LabelField::TransFat, "gorduras trans"}};
    for (const auto& [n, name] : amounts)
        if (isBlank(label, n))
            missing.push_back(cp(name));
    if (!missing.empty())
        return cp("Faltam dados do rótulo: ") + listText(missing) + "!";
    if (!isBlank(label, LabelField::PerPackage) && !readNumber(label[LabelField::PerPackage]).positive())
        return cp("O número de porções por embalagem deve ser maior que zero!");
    if (readNumber(label[LabelField::AddedSugars]) > readNumber(label[LabelField::TotalSugars]))
        return cp("Os açúcares adicionados não podem ser maiores que os açúcares totais!");
    return std::nullopt;
}

NutritionLabel makeLabel(const IndexFields& index, const LabelFields& label)
{
    if (labelProblem(index, label))
        throw std::logic_error("makeLabel: the label has a problem");
    const Recipe recipe{readNumber(index[IdxField::Yield]), readNumber(label[LabelField::Portion]), index};
    const bool liquid = isLiquid(label);
    const std::string unit = unitText(label);

    NutritionLabel out;
    if (!isBlank(label, LabelField::PerPackage))
        out.perPackage = cp("Porções por embalagem: ") +
                         (switchOn(label, LabelField::About) ? "Cerca de " : "") +
                         wholeText(label[LabelField::PerPackage]);
    const std::string portion = wholeText(label[LabelField::Portion]) + " " + unit;
    out.portion = cp("Porção: ") + portion + " (" + TrimTrailingSpaces(label[LabelField::Measure]) + ")";
    out.per100Head = "100 " + unit;
    out.portionHead = portion;

    // The amounts of the whole recipe.
    const Amount fibre = recipe.nutrient(IngField::Fibre);
    Exact carbohydrate = recipe.wholeRecipe(IngField::Carbohydrate);
    if (switchOn(label, LabelField::FibreInCarbohydrate))
        carbohydrate = std::max(carbohydrate - recipe.wholeRecipe(IngField::Fibre), Exact());
    const Amount carbs = recipe.of(carbohydrate);
    const Amount totalSugars = recipe.of(readNumber(label[LabelField::TotalSugars]));
    const Exact addedWhole = readNumber(label[LabelField::AddedSugars]);
    const Amount added = recipe.of(addedWhole);
    const Amount protein = recipe.nutrient(IngField::Protein);
    const Amount fat = recipe.nutrient(IngField::TotalFat);
    const Amount saturated = recipe.nutrient(IngField::SaturatedFat);
    const Amount trans = recipe.of(readNumber(label[LabelField::TransFat]));
    const Amount cholesterol = recipe.nutrient(IngField::Cholesterol);
    const Amount sodium = recipe.nutrient(IngField::Sodium);
    const Amount calcium = recipe.nutrient(IngField::Calcium);
    const Amount iron = recipe.nutrient(IngField::Iron);
    const bool showCholesterol = switchOn(label, LabelField::Cholesterol);

    // Amounts too small to count are declared "0", IN nº 75/2020, Anexo IV;
    // some only when the nutrients they contain are "0" too.
    const Exact half = grams(5, 1), tenth = grams(1, 1), fiveMg = grams(5);
    const bool addedZero = addedWhole.isZero();
    const bool totalSugarsZero = totalSugars.within(half) && addedZero;
    const bool carbsZero = carbs.within(half) && totalSugarsZero;
    const bool saturatedZero = saturated.within(tenth);
    const bool transZero = trans.within(tenth);
    const bool cholesterolZero = cholesterol.within(fiveMg);
    const bool fatZero =
        fat.within(half) && saturatedZero && transZero && (!showCholesterol || cholesterolZero);

    const Pair carbsD = declarePair(carbs, Mass::Gram, carbsZero);
    const Pair proteinD = declarePair(protein, Mass::Gram, protein.within(half));
    const Pair fatD = declarePair(fat, Mass::Gram, fatZero);

    // Energy from the declared amounts of its own column.
    const auto energyOf = [](const Declared& c, const Declared& p, const Declared& f) {
        return Exact::whole(4) * c.value + Exact::whole(4) * p.value + Exact::whole(9) * f.value;
    };
    const Amount energy{energyOf(carbsD.per100, proteinD.per100, fatD.per100),
                        energyOf(carbsD.perPortion, proteinD.perPortion, fatD.perPortion)};
    const bool energyZero = energy.within(Exact::whole(4));
    const Pair energyD = energyZero ? Pair{fromUnits(0, 0), fromUnits(0, 0)}
                                    : Pair{declareWhole(energy.per100), declareWhole(energy.perPortion)};

    const auto row = [&](const char* name, int indent, const Pair& p, std::optional<long long> reference) {
        out.rows.push_back(
            {cp(name), indent, p.per100.text, p.perPortion.text,
             reference ? dailyValue(p.perPortion.value, Exact::whole(*reference)).text : std::string()});
    };
    row("Valor energético (kcal)", 0, energyD, 2000);
    row("Carboidratos (g)", 0, carbsD, 300);
    row("Açúcares totais (g)", 1, declarePair(totalSugars, Mass::Gram, totalSugarsZero), std::nullopt);
    row("Açúcares adicionados (g)", 2, declarePair(added, Mass::Gram, addedZero), 50);
    row("Proteínas (g)", 0, proteinD, 50);
    row("Gorduras totais (g)", 0, fatD, 65);
    row("Gorduras saturadas (g)", 1, declarePair(saturated, Mass::Gram, saturatedZero), 20);
    row("Gorduras trans (g)", 1, declarePair(trans, Mass::Gram, transZero), 2);
    if (showCholesterol)
        row("Colesterol (mg)", 1, declarePair(cholesterol, Mass::Milligram, cholesterolZero), 300);
    row("Fibras alimentares (g)", 0, declarePair(fibre, Mass::Gram, fibre.within(half)), 25);
    row("Sódio (mg)", 0, declarePair(sodium, Mass::Milligram, sodium.within(fiveMg)), 2000);

    // Calcium and iron count only from 5 % of their reference in a portion.
    const struct {
        int field;
        const char* name;
        const char* row;
        long long reference;
        Amount amount;
    } minerals[] = {{LabelField::Calcium, "Cálcio", "Cálcio (mg)", 1000, calcium},
                    {LabelField::Iron, "Ferro", "Ferro (mg)", 14, iron}};
    for (const auto& m : minerals) {
        if (!switchOn(label, m.field))
            continue;
        if (m.amount.perPortion * Exact::whole(100) >= Exact::whole(5 * m.reference))
            row(m.row, 0, declarePair(m.amount, Mass::Milligram, false), m.reference);
        else
            out.notes.push_back(cp(m.name) +
                                cp(" não declarado: a porção fornece menos de 5% do valor diário."));
    }

    // The front mark, per 100 g of a solid or 100 ml of a liquid, unrounded.
    if (!switchOn(label, LabelField::Exempt)) {
        const Exact sugarLimit = liquid ? grams(75, 1) : grams(15);
        const Exact fatLimit = liquid ? grams(3) : grams(6);
        const Exact sodiumLimit = liquid ? grams(300) : grams(600);
        if (added.per100 >= sugarLimit)
            out.mark.push_back(MarkNutrient::AddedSugars);
        if (saturated.per100 >= fatLimit)
            out.mark.push_back(MarkNutrient::SaturatedFat);
        if (sodium.per100 >= sodiumLimit)
            out.mark.push_back(MarkNutrient::Sodium);
    }
    return out;
}

std::string markText(MarkNutrient nutrient)
{
    switch (nutrient) {
    case MarkNutrient::AddedSugars:
        return cp("AÇÚCAR ADICIONADO");
    case MarkNutrient::SaturatedFat:
        return cp("GORDURA SATURADA");
    case MarkNutrient::Sodium:
        return cp("SÓDIO");
    }
    throw std::logic_error("unknown nutrient of the front mark");
}

} // namespace treluza
