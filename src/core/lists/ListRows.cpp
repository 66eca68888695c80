#include "core/lists/ListRows.h"

#include "core/records/FieldTexts.h"
#include "core/store/Collation.h"

#include <algorithm>

namespace treluza {

std::vector<int> orderedRows(const std::vector<std::string>& lines,
                             const std::function<bool(std::string_view line)>& keep, int orderField)
{
    std::vector<int> rows;
    rows.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!keep || keep(lines[i]))
            rows.push_back(static_cast<int>(i));
    }
    if (orderField < 1)
        return rows;
    // Ordering by the field and then by the line is the order of the text
    // field + "|" + line: "|" weighs least, so a field that is the start of
    // another comes first in both. The fields are compared through their
    // collation weights, one byte each, so that a sort compares plain bytes.
    std::vector<std::string> keys(lines.size());
    for (int r : rows) {
        const std::string_view field = FieldOf(orderField, lines[static_cast<std::size_t>(r)]);
        std::string& key = keys[static_cast<std::size_t>(r)];
        key.resize(field.size());
        for (std::size_t i = 0; i < field.size(); ++i)
            key[i] = static_cast<char>(collationWeight(static_cast<unsigned char>(field[i])));
    }
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const auto ia = static_cast<std::size_t>(a);
        const auto ib = static_cast<std::size_t>(b);
        if (const int c = keys[ia].compare(keys[ib]); c != 0)
            return c < 0;
        return compareText(lines[ia], lines[ib]) < 0;
    });
    return rows;
}

int rowOfRecord(const std::vector<std::string>& lines, const std::vector<int>& rows, std::string_view key)
{
    if (rows.empty())
        return -1;
    if (key.empty())
        return 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string_view line = lines[static_cast<std::size_t>(rows[r])];
        const std::size_t bar = line.find('|');
        if (bar != std::string_view::npos && compareText(line.substr(0, bar), key) == 0)
            return static_cast<int>(r);
    }
    return 0;
}

int quarterMove(int count, int current, int direction)
{
    if (count <= 0)
        return -1;
    return std::clamp(current + direction * (count / 4), 0, count - 1);
}

ListView RefreshList(const std::vector<std::string>& lines, const ViewerQuery& query)
{
    ListView view;
    std::function<bool(std::string_view)> keep;
    if (query.filtering) {
        keep = [&query](std::string_view line) { return FieldOf(query.groupField, line) == query.group; };
    }
    view.rows = orderedRows(lines, keep, query.orderField);
    const int position = query.filtering || query.orderField > 0 ? query.savedPosition : query.initialIndex;
    view.selected = position >= 0 && position < static_cast<int>(view.rows.size()) ? position : -1;
    return view;
}

} // namespace treluza
