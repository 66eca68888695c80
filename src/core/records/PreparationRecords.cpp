#include "core/records/PreparationRecords.h"

#include "core/store/StrUnit.h"

namespace treluza {

std::string_view indexFieldMask(int field)
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

int indexFieldWidth(int field)
{
    if (field == IdxField::Group)
        return 20;
    return static_cast<int>(indexFieldMask(field).size());
}

std::string indexBlankField(int field)
{
    if (field == IdxField::Name)
        return {};
    return BlankTemplate(indexFieldMask(field));
}

std::string_view lineFieldMask(int field)
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

int lineFieldWidth(int field)
{
    if (field == LineField::Name)
        return 60;
    if (field == LineField::Measure)
        return kMeasureNameWidth;
    return static_cast<int>(lineFieldMask(field).size());
}

std::string lineBlankField(int field)
{
    return BlankTemplate(lineFieldMask(field));
}

IndexFields blankIndex(std::string_view name)
{
    IndexFields fields;
    for (int n = 1; n <= IdxField::Count; ++n)
        fields[n] = indexBlankField(n);
    fields[IdxField::Name] = std::string(name);
    return fields;
}

LineFields blankLine(std::string_view ingredient)
{
    LineFields fields;
    for (int n = 1; n <= LineField::Count; ++n)
        fields[n] = lineBlankField(n);
    fields[LineField::Name] = std::string(ingredient);
    return fields;
}

std::string MakeLine(const IndexFields& fields)
{
    return joinFields(fields);
}

std::string MakeLine(const LineFields& fields)
{
    return joinFields(fields);
}

IndexFields readIndex(std::string_view line)
{
    return SplitFields<IdxField::Count>(line);
}

LineFields readLine(std::string_view line)
{
    return SplitFields<LineField::Count>(line);
}

} // namespace treluza
