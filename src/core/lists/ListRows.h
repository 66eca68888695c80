#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

// The rows of the list windows: which record lines a list shows, in which
// order, and which row is selected. Rows are given as indexes into the lines,
// so that a window converts each line once and rebuilds from indexes.

/** The indexes of the lines to show, in the order to show them. keep decides
 *  which lines are shown (every line when empty). With orderField >= 1 the
 *  lines are ordered by the text of that field, then by the whole line, both
 *  with the record-list comparison: right-aligned numbers of one width order by
 *  value and blank fields come first. Without it the lines keep their order. */
std::vector<int> orderedRows(const std::vector<std::string>& lines,
                             const std::function<bool(std::string_view line)>& keep, int orderField);

/** The row showing the record named key (field 1 compared as the key list
 *  compares keys), or row 0 when no row shows it or the key is empty (no
 *  record); -1 for an empty list. */
int rowOfRecord(const std::vector<std::string>& lines, const std::vector<int>& rows, std::string_view key);

/** The row a move by a quarter of the list reaches: count div 4 rows back
 *  (direction -1) or forward (+1) from the current row, kept within the list;
 *  -1 for an empty list. */
int quarterMove(int count, int current, int direction);

/** What the list viewer shows for a refresh. */
struct ViewerQuery {
    /** Field of a line that holds its group. */
    int groupField = 0;
    /** The group filter is active: only lines whose group field is exactly
     *  group (trailing blanks included) are shown. */
    bool filtering = false;
    std::string group;
    /** The field to order by; 0 when ordering is not active. */
    int orderField = 0;
    /** The saved list position, selected when filtering or ordering is active. */
    int savedPosition = 0;
    /** The caller's index, selected when neither is active. */
    int initialIndex = 0;
};

struct ListView {
    std::vector<int> rows;
    /** The selected row, -1 for none (a position outside the list selects none). */
    int selected = -1;
};

/** The rows and the selection of the list viewer. */
ListView RefreshList(const std::vector<std::string>& lines, const ViewerQuery& query);

} // namespace treluza
