#include "preparations/PreparationRecords.h"

#include "store/StrUnit.h"

namespace treluza {

std::string_view IndexFieldMask(int field)
{
    switch (field) {
    case IdxField::Name:
        return kPreparationNameMask;
    case IdxField::Yield:
    case IdxField::Portions:
    case IdxField::PortionYield:
    case IdxField::Tablespoon:
        return kWholeMask;
    case IdxField::Group:
        return {};
    case IdxField::Date:
        return kPreparationDateMask;
    default:
        if (field >= IdxField::Energy && field <= IdxField::SpoonCost)
            return kAmountMask;
        return {};
    }
}

int IndexFieldWidth(int field)
{
    if (field == IdxField::Group)
        return 20;
    return static_cast<int>(IndexFieldMask(field).size());
}

std::string IndexBlankField(int field)
{
    if (field == IdxField::Name)
        return {};
    return BlankTemplate(IndexFieldMask(field));
}

std::string_view LineFieldMask(int field)
{
    switch (field) {
    case LineField::Name:
    case LineField::Measure:
        return {};
    case LineField::Gross:
    case LineField::Net:
    case LineField::Cooked:
    case LineField::Raw:
        return kWeightMask;
    case LineField::FC:
    case LineField::FCC:
        return kLineFactorMask;
    case LineField::Quantity:
        return kQuantityMask;
    case LineField::QuoteDate:
        return kLineDateMask;
    default:
        if (field == LineField::UnitCost || field == LineField::Cost ||
            (field >= LineField::Energy && field <= LineField::Sodium))
            return kAmountMask;
        return {};
    }
}

int LineFieldWidth(int field)
{
    if (field == LineField::Name)
        return 60;
    if (field == LineField::Measure)
        return kMeasureNameWidth;
    return static_cast<int>(LineFieldMask(field).size());
}

std::string LineBlankField(int field)
{
    return BlankTemplate(LineFieldMask(field));
}

IndexFields BlankIndex(std::string_view name)
{
    IndexFields fields;
    for (int n = 1; n <= IdxField::Count; ++n)
        fields[n] = IndexBlankField(n);
    fields[IdxField::Name] = std::string(name);
    return fields;
}

LineFields BlankLine(std::string_view ingredient)
{
    LineFields fields;
    for (int n = 1; n <= LineField::Count; ++n)
        fields[n] = LineBlankField(n);
    fields[LineField::Name] = std::string(ingredient);
    return fields;
}

std::string MakeLine(const IndexFields& fields)
{
    return JoinFields(fields);
}

std::string MakeLine(const LineFields& fields)
{
    return JoinFields(fields);
}

IndexFields ReadIndex(std::string_view line)
{
    return SplitFields<IdxField::Count>(line);
}

LineFields ReadLine(std::string_view line)
{
    return SplitFields<LineField::Count>(line);
}

} // namespace treluza
