#include "core/records/PreparationRecords.h"

#include "core/store/StrUnit.h"

namespace treluza {

IndexFields blankIndex(std::string_view name)
{
    IndexFields fields;
    for (int n = 1; n <= IdxField::Count; ++n)
        fields[n] = blankField(RecordKind::Index, n);
    fields[IdxField::Name] = std::string(name);
    return fields;
}

LineFields blankLine(std::string_view ingredient)
{
    LineFields fields;
    for (int n = 1; n <= LineField::Count; ++n)
        fields[n] = blankField(RecordKind::Line, n);
    fields[LineField::Name] = std::string(ingredient);
    return fields;
}

IndexFields readIndex(std::string_view line)
{
    return splitFields<IdxField::Count>(line);
}

LineFields readLine(std::string_view line)
{
    return splitFields<LineField::Count>(line);
}

} // namespace treluza
