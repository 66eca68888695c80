// The drawing of the label: the table's texts in their rows and columns, and
// the front mark beside it.
#include "core/labels/LabelDrawing.h"

#include "core/store/Cp1252.h"

#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

using testing::RecordingSurface;
using Ink = ReportSurface::Ink;

NutritionLabel sample(std::vector<MarkNutrient> mark)
{
    NutritionLabel label;
    label.perPackage = cp("Porções por embalagem: 4");
    label.portion = cp("Porção: 250 g (1 prato)");
    label.per100Head = "100 g";
    label.portionHead = "250 g";
    label.rows = {{cp("Valor energético (kcal)"), 0, "180", "447", "22"},
                  {cp("Açúcares totais (g)"), 1, "1,2", "3", ""},
                  {cp("Açúcares adicionados (g)"), 2, "0", "0", "0"}};
    label.mark = std::move(mark);
    return label;
}

// At 720 dots per inch a dot is a tenth of a point.
constexpr Fraction kTenths{720, 1};

TEST(LabelDrawing, TheTableHasItsRowsInOrderAndItsNumbersRightAligned)
{
    RecordingSurface s;
    const NutritionLabel label = sample({});
    DrawLabel(s, label, kTenths);

    const RecordingSurface::Text* title = s.find(cp("INFORMAÇÃO NUTRICIONAL"));
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->bold);
    const LabelSize size = labelSize(label, kTenths);
    EXPECT_EQ(size.width, tableSize(label, kTenths).width); // no mark beside it
    EXPECT_EQ(title->x, (size.width - RecordingSurface::widthOf(title->text, title->fontHeight)) / 2);

    std::vector<const RecordingSurface::Text*> names;
    for (const LabelRow& r : label.rows)
        names.push_back(s.find(r.name));
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_NE(names[i], nullptr);
        EXPECT_FALSE(names[i]->bold);
        EXPECT_EQ(names[i]->x - names[0]->x, static_cast<int>(i) * 60); // the indent steps
        if (i >= 2) {                                                   // rows of equal height
            EXPECT_EQ(names[i]->y - names[i - 1]->y, names[1]->y - names[0]->y);
        }
        EXPECT_EQ(s.row(names[i]->y).size(), label.rows[i].dailyValue.empty() ? 3u : 4u);
    }
    EXPECT_GT(names[0]->y, s.find("%VD*")->y);
    // The numbers of a column end where its head ends.
    for (const char* head : {"250 g", "%VD*"}) {
        const RecordingSurface::Text* h = s.find(head);
        const int right = h->x + RecordingSurface::widthOf(h->text, h->fontHeight);
        const RecordingSurface::Text* v = s.find(std::string(head) == "%VD*" ? "22" : "447");
        EXPECT_EQ(v->x + RecordingSurface::widthOf(v->text, v->fontHeight), right) << head;
    }
    // Body 8 pt, title 10 pt, footnote 6 pt (cells of 1,117 em).
    EXPECT_EQ(title->fontHeight, 112);
    EXPECT_EQ(names[0]->fontHeight, 89);
    EXPECT_EQ(s.find(cp("*Percentual de valores diários fornecidos pela porção."))->fontHeight, 67);
    // Black on white: every fill is a black rule or frame.
    for (const auto& f : s.fills)
        EXPECT_EQ(f.ink, Ink::Black);
}

TEST(LabelDrawing, TheMarkStandsBesideTheTableWithTheNutrientsInWhiteOnBlack)
{
    RecordingSurface s;
    const NutritionLabel label = sample({MarkNutrient::AddedSugars, MarkNutrient::Sodium});
    DrawLabel(s, label, kTenths, 100, 50);
    const LabelSize table = tableSize(label, kTenths);
    EXPECT_GT(labelSize(label, kTenths).width, table.width);

    const RecordingSurface::Text* alto = s.find("ALTO EM");
    ASSERT_NE(alto, nullptr);
    EXPECT_TRUE(alto->bold);
    EXPECT_EQ(alto->ink, Ink::Black);
    EXPECT_GT(alto->x, 100 + table.width);
    int previous = alto->y;
    for (const MarkNutrient n : label.mark) {
        const RecordingSurface::Text* t = s.find(markText(n));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->ink, Ink::White);
        EXPECT_GT(t->y, previous);
        previous = t->y;
        // It stands on a black band.
        bool onBand = false;
        for (const auto& f : s.fills)
            onBand =
                onBand || (f.ink == Ink::Black && f.shape == RecordingSurface::Fill::Rect && f.x < t->x &&
                           f.y < t->y && f.y + f.height > t->y + t->fontHeight && f.x > 100 + table.width);
        EXPECT_TRUE(onBand) << t->text;
    }
    EXPECT_EQ(s.find(cp("GORDURA SATURADA")), nullptr);
    // The magnifying glass: a black disc with a white one inside, and the handle.
    std::vector<RecordingSurface::Fill> lens;
    for (const auto& f : s.fills)
        if (f.shape != RecordingSurface::Fill::Rect)
            lens.push_back(f);
    ASSERT_EQ(lens.size(), 3u);
    EXPECT_EQ(lens[0].shape, RecordingSurface::Fill::Ellipse);
    EXPECT_EQ(lens[1].shape, RecordingSurface::Fill::Polygon);
    EXPECT_EQ(lens[2].ink, Ink::White);
    EXPECT_GT(lens[2].x, lens[0].x);
    EXPECT_LT(lens[2].x + lens[2].width, lens[0].x + lens[0].width);
    EXPECT_GT(lens[1].x + lens[1].width, lens[0].x + lens[0].width); // the handle goes out to the right
    EXPECT_LT(lens[0].x + lens[0].width, alto->x);
}

} // namespace
} // namespace treluza
