#include "core/lists/ListRows.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

std::vector<std::string> shown(const std::vector<std::string>& lines, const std::vector<int>& rows)
{
    std::vector<std::string> out;
    for (int r : rows)
        out.push_back(lines[static_cast<std::size_t>(r)]);
    return out;
}

TEST(ListRows, OrderingByAFieldThenByTheWholeLine)
{
    // Field 2 right-aligned in 7 places, as the value fields are.
    const std::vector<std::string> lines = {
        "Leite|1200,00|", "Agua|    ,  |", "arroz|  95,00|", "Sal|   7,50|", "Aveia|  95,00|", "Mel|    ,  |",
    };
    EXPECT_EQ(shown(lines, orderedRows(lines, {}, 2)),
              (std::vector<std::string>{"Agua|    ,  |", "Mel|    ,  |", "Sal|   7,50|", "arroz|  95,00|",
                                        "Aveia|  95,00|", "Leite|1200,00|"}));
    // By the key: case ignored.
    EXPECT_EQ(shown(lines, orderedRows(lines, {}, 1)).front(), "Agua|    ,  |");
    EXPECT_EQ(shown(lines, orderedRows(lines, {}, 1))[1], "arroz|  95,00|");
    // Without ordering the lines keep their order; the filter keeps what it accepts.
    EXPECT_EQ(orderedRows(lines, {}, 0), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(orderedRows(
                  lines, [](std::string_view l) { return l.find("95") != l.npos; }, 0),
              (std::vector<int>{2, 4}));
}

TEST(ListRows, RowOfRecordFallsBackToTheFirstRow)
{
    const std::vector<std::string> lines = {"Agua|1|", "Leite|2|", "Sal|3|"};
    EXPECT_EQ(rowOfRecord(lines, {2, 1}, "leite"), 1);
    EXPECT_EQ(rowOfRecord(lines, {2, 1}, "Agua"), 0); // filtered out
    EXPECT_EQ(rowOfRecord(lines, {2, 1}, ""), 0);     // no record remembered
    EXPECT_EQ(rowOfRecord(lines, {}, "Sal"), -1);
}

TEST(ListRows, QuarterMovesStayInsideTheList)
{
    struct Case {
        int count, current, direction, expected;
    };
    const Case cases[] = {
        {10, 1, -1, 0}, {10, 9, +1, 9}, {10, 5, -1, 3}, {10, 5, +1, 7},
        {3, 1, -1, 1},  {3, 1, +1, 1},  {0, 0, +1, -1}, {8, -1, +1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quarterMove(c.count, c.current, c.direction), c.expected)
            << c.count << " " << c.current << " " << c.direction;
}

TEST(ListRows, ViewerFiltersByExactGroupAndOrders)
{
    // name|yield|group|
    const std::vector<std::string> lines = {
        "Arroz doce|   500|Doces               |",
        "Bolo|  1200|Doces               |",
        "Sopa|    80|Salgados            |",
        "Pudim|    75|doces               |",
        "Torta|   300|Doces|",
    };
    ViewerQuery q;
    q.groupField = 3;
    q.filtering = true;
    q.group = "Doces               ";
    q.savedPosition = 1;
    q.initialIndex = 4;
    ListView v = RefreshList(lines, q);
    EXPECT_EQ(v.rows, (std::vector<int>{0, 1})); // case and trailing blanks count
    EXPECT_EQ(v.selected, 1);                    // the saved position

    q.orderField = 2;
    v = RefreshList(lines, q);
    EXPECT_EQ(v.rows, (std::vector<int>{0, 1})); // 500 before 1200

    q.filtering = false;
    v = RefreshList(lines, q);
    EXPECT_EQ(v.rows, (std::vector<int>{3, 2, 4, 0, 1}));
    EXPECT_EQ(v.selected, 1);

    q.orderField = 0;
    v = RefreshList(lines, q);
    EXPECT_EQ(v.rows, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(v.selected, 4); // neither active: the caller's index

    q.filtering = true;
    q.group = "Bebidas             ";
    v = RefreshList(lines, q);
    EXPECT_TRUE(v.rows.empty());
    EXPECT_EQ(v.selected, -1);
}

} // namespace
} // namespace treluza
