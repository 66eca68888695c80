#include "core/records/RecordLayouts.h"

#include "core/store/StrUnit.h"

#include <stdexcept>
#include <vector>

namespace treluza {

namespace {

// Masks of the fields; a name or key of fixed width is a mask of "c" places.
constexpr std::string_view kName20 = "cccccccccccccccccccc";
constexpr std::string_view kName30 = "cccccccccccccccccccccccccccccc";
constexpr std::string_view kName40 = "cccccccccccccccccccccccccccccccccccccccc";
constexpr std::string_view kName60 = "cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc";
constexpr std::string_view kName65 = "ccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc";

constexpr FieldLayout Masked(std::string_view mask)
{
    return {mask, static_cast<int>(mask.size())};
}

constexpr FieldLayout Free(int width = 0)
{
    return {{}, width};
}

using Layout = std::vector<FieldLayout>;

const Layout& IngredientLayout()
{
    static const Layout layout = [] {
        Layout l(IngField::Count);
        l[IngField::Name - 1] = Masked(kName60);
        for (int n = IngField::Energy; n <= IngField::Iron; ++n)
            l[n - 1] = Masked(kNutrientMask);
        l[IngField::Sodium - 1] = Masked(kSodiumMask);
        l[IngField::Reserved - 1] = Free();
        // The group field holds a key of the ingredient group file.
        l[IngField::Group - 1] = Free(static_cast<int>(kName20.size()));
        l[IngField::FC - 1] = Masked(kFactorMask);
        l[IngField::FCC - 1] = Masked(kFactorMask);
        l[IngField::UnitCost - 1] = Masked(kAmountMask);
        l[IngField::QuoteDate - 1] = Masked(kShortDateMask);
        for (int n = IngField::FirstSource; n < IngField::LastSource; ++n)
            l[n - 1] = Free();
        l[IngField::LastSource - 1] = Free(33);
        return l;
    }();
    return layout;
}

const Layout& IndexLayout()
{
    static const Layout layout = [] {
        Layout l(IdxField::Count, Masked(kAmountMask));
        l[IdxField::Name - 1] = Masked(kName40);
        for (int n : {IdxField::Yield, IdxField::Portions, IdxField::PortionYield, IdxField::Tablespoon})
            l[n - 1] = Masked(kWholeMask);
        // The group field holds a key of the preparation group file.
        l[IdxField::Group - 1] = Free(static_cast<int>(kName30.size()));
        l[IdxField::Date - 1] = Masked(kLongDateMask);
        return l;
    }();
    return layout;
}

const Layout& LineLayout()
{
    static const Layout layout = [] {
        Layout l(LineField::Count, Masked(kAmountMask));
        l[LineField::Name - 1] = Free(static_cast<int>(kName60.size()));
        for (int n : {LineField::Gross, LineField::Net, LineField::Cooked, LineField::Raw})
            l[n - 1] = Masked(kWeightMask);
        l[LineField::FC - 1] = Masked(kFactorMask);
        l[LineField::FCC - 1] = Masked(kFactorMask);
        l[LineField::QuoteDate - 1] = Masked(kShortDateMask);
        // The measure field holds a key of the ingredient's measure file.
        l[LineField::Measure - 1] = Free(static_cast<int>(kName20.size()));
        l[LineField::Quantity - 1] = Masked(kQuantityMask);
        return l;
    }();
    return layout;
}

const Layout& LabelLayout()
{
    static const Layout layout = [] {
        Layout l(LabelField::Count, Free(1)); // the switches
        l[LabelField::Unit - 1] = Free(2);
        l[LabelField::Portion - 1] = Masked(kWholeMask);
        l[LabelField::Measure - 1] = Free(static_cast<int>(kName30.size()));
        l[LabelField::PerPackage - 1] = Masked(kWholeMask);
        for (int n : {LabelField::TotalSugars, LabelField::AddedSugars, LabelField::TransFat})
            l[n - 1] = Masked(kAmountMask);
        return l;
    }();
    return layout;
}

const Layout& LayoutOf(RecordKind kind)
{
    static const Layout ingredientGroup{Masked(kName20)};
    static const Layout preparationGroup{Masked(kName30)};
    static const Layout measure{Masked(kName20), Masked(kWeightMask)};
    static const Layout registry{Masked(kName20), Masked(kName65), Free()};
    switch (kind) {
    case RecordKind::Ingredient:
        return IngredientLayout();
    case RecordKind::Index:
        return IndexLayout();
    case RecordKind::Line:
        return LineLayout();
    case RecordKind::IngredientGroup:
        return ingredientGroup;
    case RecordKind::PreparationGroup:
        return preparationGroup;
    case RecordKind::Measure:
        return measure;
    case RecordKind::Registry:
        return registry;
    case RecordKind::Label:
        return LabelLayout();
    }
    throw std::logic_error("unknown record kind");
}

} // namespace

int fieldCount(RecordKind kind)
{
    return static_cast<int>(LayoutOf(kind).size());
}

FieldLayout fieldLayout(RecordKind kind, int n)
{
    const Layout& layout = LayoutOf(kind);
    if (n < 1 || n > static_cast<int>(layout.size()))
        throw std::out_of_range("field " + std::to_string(n) + " of a record of " +
                                std::to_string(layout.size()) + " fields");
    return layout[static_cast<std::size_t>(n - 1)];
}

std::string_view fieldMask(RecordKind kind, int n)
{
    return fieldLayout(kind, n).mask;
}

int fieldWidth(RecordKind kind, int n)
{
    return fieldLayout(kind, n).width;
}

std::string blankField(RecordKind kind, int n)
{
    const std::string_view mask = fieldMask(kind, n);
    if (mask.find('9') == std::string_view::npos)
        return {};
    return BlankTemplate(mask);
}

std::string editMask(RecordKind kind, int n)
{
    const std::string_view mask = fieldMask(kind, n);
    return mask.empty() ? std::string() : std::string(mask) + ";1;_";
}

int recipeValueOfLineField(int n)
{
    for (std::size_t k = 0; k < kRecipeValues.size(); ++k) {
        if (kRecipeValues[k].line == n)
            return static_cast<int>(k);
    }
    return -1;
}

int recipeValueOfIngredientField(int a)
{
    for (std::size_t k = 0; k < kNutrientCount; ++k) {
        if (kRecipeValues[k].ingredient == a)
            return static_cast<int>(k);
    }
    return -1;
}

} // namespace treluza
