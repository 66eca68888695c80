#include "core/reports/ReportLayouts.h"
#include "core/reports/MonoBitmap.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"

#include "support/RecipeLines.h"
#include "support/RecordingSurface.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

using namespace treluza;
using treluza::testing::name40;
using treluza::testing::name60;
using treluza::testing::RecordingSurface;

namespace {

constexpr Fraction k300{300, 1};

/** A preparation with whole-recipe, per-capita and tablespoon values, a group and a date. */
ReportInput preparation(int lines, int methodLines = 0)
{
    ReportInput in;
    in.index = blankIndex(name40("Arroz/feij\xE3o"));
    in.index[IdxField::Yield] = "   800";
    for (int k = 0; k < 10; ++k)
        in.index[IdxField::Energy + k] = "   200,00";
    in.index[IdxField::Cost] = "    12,00";
    in.index[IdxField::Portions] = "     4";
    in.index[IdxField::PortionYield] = "   200";
    in.index[IdxField::PerCapitaCost] = "     3,00";
    in.index[IdxField::Tablespoon] = "    25";
    in.index[IdxField::SpoonCost] = "     0,38";
    in.index[IdxField::Group] = "Pratos              ";
    in.index[IdxField::Date] = "01/02/2024";
    in.table = "Tabela 1            ";
    in.preparation = in.index[IdxField::Name];
    for (int i = 1; i <= lines; ++i) {
        LineFields l = blankLine(name60("Ingrediente " + std::to_string(i)));
        l[LineField::Net] = "   100,0";
        l[LineField::Cost] = "     0,60";
        l[LineField::Energy] = "    10,00";
        in.lines.push_back(l);
    }
    for (int m = 1; m <= methodLines; ++m)
        in.method.push_back("Passo " + std::to_string(m));
    in.technicianName = "Ana";
    in.technicianContact = "ana@exemplo";
    return in;
}

RecordingSurface draw(ReportLayout layout, const ReportInput& in, Fraction dpi)
{
    RecordingSurface s;
    DrawReport(layout, s, in, dpi);
    return s;
}

/** A field at its widest: every digit place filled, a name or text at its
 *  whole width, a date. */
std::string widest(RecordKind kind, int n)
{
    const std::string_view mask = fieldMask(kind, n);
    if (mask.empty())
        return std::string(static_cast<std::size_t>(std::max(fieldWidth(kind, n), 1)), 'W');
    if (mask.find('/') != std::string_view::npos)
        return mask.size() == 8 ? "31/12/24" : "31/12/2024";
    std::string text(mask);
    std::replace(text.begin(), text.end(), '9', '8');
    return text;
}

/** A full page of lines whose every field is at its widest, each line's values
 *  the recipe's (a share of 100 %), a method text of 32 lines of 70
 *  characters, and a technician's name and contact of 40 characters each. */
ReportInput widestInput(ReportLayout layout)
{
    ReportInput in;
    for (int n = 1; n <= IdxField::Count; ++n)
        in.index[n] = widest(RecordKind::Index, n);
    in.table = std::string(20, 'W');
    in.preparation = in.index[IdxField::Name];
    LineFields line;
    for (int n = 1; n <= LineField::Count; ++n)
        line[n] = widest(RecordKind::Line, n);
    for (const RecipeValueFields& v : kRecipeValues)
        line[v.line] = in.index[v.index];
    in.lines.assign(static_cast<std::size_t>(ingredientRoom(layout)), line);
    in.method.assign(32, std::string(70, 'W'));
    in.technicianName = std::string(40, 'W');
    in.technicianContact = std::string(40, 'W');
    return in;
}

// Every text drawn lies inside its cell, clear of the vertical rules across its
// row and of the table's edges, however wide the values are: a text too wide
// for its cell is drawn smaller.
TEST(ReportCells, EveryTextStaysInsideItsCellAtTheWidestValues)
{
    for (const ReportLayout layout :
         {ReportLayout::Analysis, ReportLayout::Treluza, ReportLayout::Measures}) {
        for (const Fraction dpi : {kPictureDotsPerInch, k300, Fraction{600, 1}}) {
            SCOPED_TRACE(static_cast<int>(layout) * 1000 + static_cast<int>(dpi.num));
            const ReportInput in = widestInput(layout);
            RecordingSurface s;
            DrawReport(layout, s, in, dpi);
            int T = 0;
            for (const RecordingSurface::Line& l : s.lines)
                T = std::max({T, l.x1, l.x2});
            ASSERT_GT(s.texts.size(), 100u);
            for (const RecordingSurface::Text& t : s.texts) {
                const int left = t.x;
                const int right = t.x + RecordingSurface::widthOf(t.text, t.fontHeight);
                const int middle = t.y + t.fontHeight / 2;
                EXPECT_GT(left, 0) << t.text;
                EXPECT_LT(right, T) << t.text;
                for (const RecordingSurface::Line& l : s.lines) {
                    if (l.x1 != l.x2 || l.page != t.page || middle <= std::min(l.y1, l.y2) ||
                        middle >= std::max(l.y1, l.y2))
                        continue;
                    EXPECT_TRUE(l.x1 < left || l.x1 > right) << '"' << t.text << "\" [" << left << ", "
                                                             << right << "] crosses the rule at " << l.x1;
                }
            }
        }
    }
}

// A field holding only its blank template prints as an empty cell.
TEST(ReportCells, BlankFieldsPrintAsEmptyCells)
{
    ReportInput in = preparation(1);
    in.index[IdxField::Energy + 5] = "      ,  ";
    in.index[IdxField::Date] = "  /  /    ";
    in.index[IdxField::Cost] = "      ,  ";
    for (const ReportLayout layout :
         {ReportLayout::Analysis, ReportLayout::Treluza, ReportLayout::Measures}) {
        const RecordingSurface s = draw(layout, in, kPictureDotsPerInch);
        for (const RecordingSurface::Text& t : s.texts) {
            EXPECT_NE(t.text.find_first_not_of(" ,/%"), std::string::npos) << '"' << t.text << '"';
            EXPECT_EQ(t.text.find("/  /"), std::string::npos) << t.text;
        }
    }
    EXPECT_NE(draw(ReportLayout::Analysis, in, kPictureDotsPerInch).find("(1) Receita = 800g  $"), nullptr);
}

TEST(ReportGeometry, RoundsHalvesToTheEvenNumberOnExactFractions)
{
    struct Case {
        long long num, den;
        int expected;
    };
    for (const Case& c : {Case{5, 2, 2},
                          {7, 2, 4},
                          {-5, 2, -2},
                          {-7, 2, -4},
                          {1, 2, 0},
                          {3, 2, 2},
                          {26, 10, 3},
                          {-26, 10, -3},
                          {24, 10, 2},
                          {0, 7, 0}})
        EXPECT_EQ(roundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
    EXPECT_THROW(roundHalfEven(1, 0), std::invalid_argument);
    // 1 mm at 127 dpi is 5 dots exactly; 0,5 mm is 2,5 dots and rounds to 2.
    EXPECT_EQ(MmToDots({1, 1}, {127, 1}), 5);
    EXPECT_EQ(MmToDots({1, 2}, {127, 1}), 2);
    EXPECT_EQ(MmToDots({3, 2}, {127, 1}), 8);
}

// Row height, font height and table width of each layout at 300 dpi and in the
// picture, with the top rule, the first closing rule and the text of rows 1 and 2.
TEST(ReportGeometry, EachLayoutAtPrinterAndPictureResolution)
{
    struct Case {
        ReportLayout layout;
        Fraction dpi;
        int R, font, T;
    };
    const Case cases[] = {
        {ReportLayout::Analysis, k300, 52, 44, 2362},
        {ReportLayout::Analysis, kPictureDotsPerInch, 16, 14, 740},
        {ReportLayout::Treluza, k300, 54, 49, 3189},
        {ReportLayout::Treluza, kPictureDotsPerInch, 17, 15, 999},
        {ReportLayout::Measures, k300, 52, 47, 2362},
        {ReportLayout::Measures, kPictureDotsPerInch, 16, 14, 740},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.layout) * 1000 + static_cast<int>(c.dpi.num));
        const RecordingSurface s = draw(c.layout, preparation(1), c.dpi);
        ASSERT_FALSE(s.fonts.empty());
        EXPECT_EQ(s.fonts.front(), c.font);
        EXPECT_TRUE(s.hasLine(0, 0, c.T, 0));
        EXPECT_TRUE(s.hasLine(0, c.R, c.T, c.R));
        EXPECT_TRUE(s.hasLine(0, c.R, 0, 2 * c.R));
        const int left = roundHalfEven(c.R, 5);
        ASSERT_GE(s.texts.size(), 2u);
        EXPECT_EQ(s.texts[0].x, left);
        EXPECT_EQ(s.texts[0].y, roundHalfEven(c.R, 20));
        EXPECT_EQ(s.texts[1].x, left);
        EXPECT_EQ(s.texts[1].y, roundHalfEven(21LL * c.R, 20));
    }
}

TEST(AnalysisReport, PictureOfFiveLines)
{
    const RecordingSurface s = draw(ReportLayout::Analysis, preparation(5), kPictureDotsPerInch);
    EXPECT_EQ(s.face, "ARIAL");
    EXPECT_EQ(s.texts[0].x, 3);
    EXPECT_EQ(s.texts[0].y, 1);
    EXPECT_EQ(s.texts[1].y, 17);
    EXPECT_EQ(s.texts[0].text, "Ana ana@exemplo  -  Data : 01/02/2024");
    EXPECT_EQ(s.texts[1].text, cp("Preparação : Arroz/feijão  -  Grupo : Pratos  -  Tabela : Tabela 1"));
    for (int y : {16, 32, 48, 400})
        EXPECT_TRUE(s.hasLine(0, y, 740, y)) << y;
    EXPECT_TRUE(s.hasLine(740, 0, 740, 400));
    EXPECT_FALSE(s.hasLine(0, 416, 740, 416));
    // Row 3: three cells of 247 pixels, texts 3 pixels inside.
    EXPECT_EQ(s.row(33),
              (std::vector<std::string>{"(1) Receita = 800g  $12,00", "(2) Per capita = 4 de 200g  $3,00",
                                        "(3) Colher sopa = 25g  $0,38"}));
    const int row3[] = {3, 250, 497};
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(s.find(s.row(33)[static_cast<std::size_t>(k)])->x, row3[k]);
    // Ten columns of 74 pixels, their rules from row 4 down through row 7.
    for (int j = 0; j < 10; ++j)
        EXPECT_TRUE(s.hasLine(74 * j, 48, 74 * j, 112)) << j;
    const RecordingSurface::Text* fc = s.find("FC");
    ASSERT_NE(fc, nullptr);
    EXPECT_EQ(fc->x, 2 * 74 + (74 - 14) / 2);
    EXPECT_EQ(fc->y, roundHalfEven((20 * 9 - 19) * 16, 20));
    // Recipe rows: "(1) " before the first value.
    EXPECT_EQ(s.inRow(5, 16).front(), "(1)    200,00");
}

TEST(AnalysisReport, IngredientRowsAndShareCells)
{
    ReportInput in = preparation(1);
    in.lines[0][LineField::Measure] = "Colher de sopa      ";
    in.lines[0][LineField::Quantity] = "  2,00";
    in.lines[0][LineField::Energy + 1] = "   200,00";
    in.index[IdxField::Energy + 2] = "      ,  "; // no protein in the recipe
    const RecordingSurface s = draw(ReportLayout::Analysis, in, kPictureDotsPerInch);
    EXPECT_EQ(s.inRow(11, 16), (std::vector<std::string>{"Ingrediente 1", "Colher de sopa      ", "  2,00"}));
    const RecordingSurface::Text* name = s.find("Ingrediente 1");
    EXPECT_EQ(name->x, 140); // (370 - 91) / 2 = 139,5
    // Empty fields print nothing: the net weight and the cost are the only
    // weights, energy and carbohydrate the only values.
    EXPECT_EQ(s.inRow(12, 16), (std::vector<std::string>{"   100,0", "     0,60   5%"}));
    EXPECT_EQ(s.inRow(13, 16), (std::vector<std::string>{"    10,00   5%", "   200,00 100%"}));
    // A share cell wider than its column (14 characters of 7 dots in 74, with
    // 3 dots kept from each rule) is drawn smaller: 9 dots high, 4 dots a
    // character, centred one dot left of the middle.
    const RecordingSurface::Text* share = s.find("   200,00 100%");
    EXPECT_EQ(share->fontHeight, 9);
    EXPECT_EQ(share->x, 74 + (74 - 14 * 4) / 2 - 1);
    for (int x = 0; x <= 9 * 74; x += 74)
        EXPECT_TRUE(s.hasLine(x, 176, x, 192)) << x;
    EXPECT_TRUE(s.hasLine(740, 0, 740, 13 * 16));
}

TEST(ReportTexts, ShareCells)
{
    struct Case {
        const char* value;
        const char* total;
        const char* expected;
    };
    for (const Case& c : {
             Case{"    10,00", "   200,00", "    10,00   5%"},
             {"   200,00", "   200,00", "   200,00 100%"},
             {"    10,00", "     0,00", "    10,00    %"},
             {"    10,00", "      ,  ", "    10,00    %"},
             {"   120,00", "    10,00", "   120,00 999%"}, // 1200 % is more than three places hold
             {"    66,80", "   200,00", "    66,80  33%"},
             {"      ,  ", "   200,00", ""}, // an empty cell
         })
        EXPECT_EQ(ShareCell(c.value, c.total), c.expected) << c.value << " / " << c.total;
}

TEST(ReportTexts, HeadingRowsFollowTheGroupAndTheLayoutsDefaults)
{
    ReportInput in = preparation(0);
    in.index[IdxField::Group] = "";
    in.preparation = name40("Bolo");
    const RecordingSurface s1 = draw(ReportLayout::Treluza, in, kPictureDotsPerInch);
    EXPECT_EQ(s1.texts[1].text, "Prepara\xE7\xE3o : Bolo  -  Tabela : Tabela 1");
    EXPECT_EQ(s1.texts[0].text, "Ana ana@exemplo  -  Data: 01/02/2024");

    TempFolder folder;
    const IniFile none(folder.path() / "CfgTreluza.ini");
    readTechnician(none, ReportLayout::Measures, in);
    EXPECT_EQ(draw(ReportLayout::Measures, in, k300).texts[0].text, "Aluno Turma  -  Data: 01/02/2024");
    readTechnician(none, ReportLayout::Analysis, in);
    EXPECT_EQ(draw(ReportLayout::Analysis, in, k300).texts[0].text, "   -  Data : 01/02/2024");
    IniFile ini(folder.path() / "CfgTreluza.ini");
    ini.writeString(kSecTechnician, kKeyNomTec, "Nutricionista X");
    readTechnician(ini, ReportLayout::Measures, in);
    EXPECT_EQ(in.technicianName, "Nutricionista X");
    EXPECT_EQ(in.technicianContact, "Turma");
}

TEST(TreluzaReport, TwentyLinesEndTheMethodBoxOnTheLastRow)
{
    ReportInput in = preparation(20, 20);
    in.lines[0][LineField::Name] = std::string(60, 'A');        // 60 characters exactly
    in.lines[1][LineField::Name] = std::string(59, 'B') + "CD"; // cut after 60
    const RecordingSurface s = draw(ReportLayout::Treluza, in, k300);
    const int R = 54, T = 3189;
    EXPECT_EQ(s.pages, 1);
    EXPECT_TRUE(s.hasLine(T, 0, T, 27 * R));
    EXPECT_TRUE(s.hasLine(0, 28 * R, T, 28 * R)); // under the title
    EXPECT_TRUE(s.hasLine(0, 44 * R, T, 44 * R)); // the bottom of the box
    EXPECT_TRUE(s.hasLine(1594, 28 * R, 1594, 44 * R));
    EXPECT_TRUE(s.hasLine(T, 44 * R, T, 28 * R));
    EXPECT_NE(s.find(std::string(60, 'A')), nullptr);
    EXPECT_NE(s.find(std::string(59, 'B') + "C"), nullptr);
    const RecordingSurface::Text* title = s.find("Modo de preparo");
    EXPECT_EQ(title->y, roundHalfEven((20 * 28 - 19) * R, 20));
    // Method lines 1 to 16 on the left from the first row of the box, 17 to 20 on the right.
    const RecordingSurface::Text* first = s.find("Passo 1");
    const RecordingSurface::Text* sixteenth = s.find("Passo 16");
    const RecordingSurface::Text* seventeenth = s.find("Passo 17");
    EXPECT_EQ(first->x, 16);
    EXPECT_EQ(first->y, roundHalfEven((20 * 29 - 19) * R, 20));
    EXPECT_EQ(first->fontHeight, 40);
    EXPECT_EQ(sixteenth->y, roundHalfEven((20 * 44 - 19) * R, 20));
    EXPECT_EQ(seventeenth->x, 1594 + 16);
    EXPECT_EQ(seventeenth->y, first->y);
    EXPECT_EQ(s.find("Passo 20")->y, roundHalfEven((20 * 32 - 19) * R, 20));
    // Line headings and cells three dots left of their centred place.
    const RecordingSurface::Text* pl = s.find("PL(g)");
    const int K = 188;
    EXPECT_EQ(pl->x, 6 * K + roundHalfEven(K - 5 * 24, 2) - 3);
    EXPECT_TRUE(s.hasLine(6 * K, 6 * R, 6 * K, 7 * R));
    EXPECT_TRUE(s.hasLine(16 * K, 27 * R, 16 * K, 26 * R));
}

TEST(TreluzaReport, MethodBeyondThirtyTwoLinesIsNotDrawnAndThePictureShowsTheWholeBox)
{
    const ReportInput in = preparation(20, 40);
    const RecordingSurface s = draw(ReportLayout::Treluza, in, kPictureDotsPerInch);
    EXPECT_NE(s.find("Passo 32"), nullptr);
    EXPECT_EQ(s.find("Passo 33"), nullptr);
    // The box ends at 44 x 17 = 748, below the 743 pixels of the picture.
    EXPECT_TRUE(s.hasLine(0, 748, 999, 748));
    EXPECT_EQ(picturePageSize(ReportLayout::Treluza, in).height, 749);
    EXPECT_EQ(picturePageSize(ReportLayout::Treluza, preparation(19)).height, 743);
    EXPECT_EQ(picturePageSize(ReportLayout::Analysis, in).height, 1039);
}

TEST(MeasuresReport, FrameAndMethodBlockStayInPlace)
{
    const int R = 16, T = 740, K = 53;
    for (int lines : {0, 23}) {
        SCOPED_TRACE(lines);
        ReportInput in = preparation(lines, 20);
        if (lines)
            in.lines[22][LineField::Name] = std::string(60, 'N');
        const RecordingSurface s = draw(ReportLayout::Measures, in, kPictureDotsPerInch);
        EXPECT_EQ(s.pages, 1);
        EXPECT_EQ(s.find("Modo de preparo")->y, roundHalfEven((20 * 30 - 19) * R, 20));
        EXPECT_TRUE(s.hasLine(0, 4 * R, 0, 28 * R));
        EXPECT_TRUE(s.hasLine(0, 28 * R, T, 28 * R));
        EXPECT_TRUE(s.hasLine(T, 28 * R, T, 0));
        EXPECT_TRUE(s.hasLine(T, 30 * R, T, 62 * R + 1));
        EXPECT_TRUE(s.hasLine(0, 62 * R, T, 62 * R));
        EXPECT_EQ(s.find("Passo 1")->x, 7 * R);
        EXPECT_EQ(s.find("Passo 1")->y, roundHalfEven((20 * 31 - 19) * R, 20));
        EXPECT_EQ(s.find("Passo 20")->y, roundHalfEven((20 * 50 - 19) * R, 20));
        if (lines) {
            EXPECT_EQ(s.inRow(28, R).front(), std::string(60, 'N'));
            EXPECT_TRUE(s.hasLine(10 * K, 27 * R, 10 * K, 28 * R));
        }
    }
}

// Lines beyond a page's room continue on further pages, each a whole sheet
// that names its page; no line is left out or drawn twice.
TEST(ReportPages, LinesBeyondThePageContinueOnTheNextPage)
{
    struct Case {
        ReportLayout layout;
        int room;
    };
    for (const Case& c :
         {Case{ReportLayout::Analysis, 17}, {ReportLayout::Treluza, 20}, {ReportLayout::Measures, 23}}) {
        SCOPED_TRACE(c.room);
        EXPECT_EQ(ingredientRoom(c.layout), c.room);
        EXPECT_EQ(draw(c.layout, preparation(c.room), k300).pages, 1);
        const ReportInput in = preparation(2 * c.room + 1, 3);
        const RecordingSurface s = draw(c.layout, in, k300);
        EXPECT_EQ(s.pages, 3);
        EXPECT_EQ(reportPageCount(c.layout, in), 3);
        std::multiset<int> pageOf;
        for (int i = 1; i <= 2 * c.room + 1; ++i) {
            const std::string name = "Ingrediente " + std::to_string(i);
            int found = 0;
            for (const auto& t : s.texts)
                if (t.text.rfind(name, 0) == 0 &&
                    t.text.substr(0, 60).find_last_not_of(' ') + 1 == name.size()) {
                    ++found;
                    pageOf.insert(t.page);
                }
            EXPECT_EQ(found, 1) << name;
        }
        EXPECT_EQ(pageOf.count(1), static_cast<std::size_t>(c.room));
        EXPECT_EQ(pageOf.count(3), 1u);
        const std::string row2 = cp("Preparação : Arroz/feijão  -  Grupo : Pratos  -  Tabela : Tabela 1");
        for (int page = 1; page <= 3; ++page)
            EXPECT_EQ(s.row(s.texts[1].y, page),
                      std::vector<std::string>{row2 + "  -  Folha " + std::to_string(page) + "/3"});
    }
}

TEST(ReportInputs, LoadsLinesMethodAndTechnician)
{
    TempFolder base;
    const std::string table = "Tabela 1            ";
    const std::string prep = name40("P\xE3o/queijo");
    SaveLines(ensureFile(PreparationFilePath(base.path(), table, prep)),
              {joinFields(blankLine(name60("Queijo"))), joinFields(blankLine(name60("Farinha")))});
    SaveLines(ensureFile(MethodFilePath(base.path(), table, prep)), {"Misture.", "", "Asse."});
    IniFile ini(base.path() / "CfgTreluza.ini");
    ini.writeString(kSecTechnician, kKeyConTec, "CRN 1");
    const std::string index = joinFields(blankIndex(prep));

    const ReportInput in = loadReportInput(base.path(), table, prep, index, ReportLayout::Treluza, ini);
    ASSERT_EQ(in.lines.size(), 2u);
    EXPECT_EQ(in.lines[0][LineField::Name], name60("Queijo")); // file order, not sorted again
    EXPECT_EQ(in.method, (std::vector<std::string>{"Misture.", "", "Asse."}));
    EXPECT_EQ(in.technicianName, "");
    EXPECT_EQ(in.technicianContact, "CRN 1");
    EXPECT_EQ(in.index[IdxField::Name], prep);
    EXPECT_TRUE(loadReportInput(base.path(), table, prep, index, ReportLayout::Analysis, ini).method.empty());

    // A preparation without files reads as empty, and its files are not created.
    const std::string other = name40("Nova");
    const ReportInput empty = loadReportInput(base.path(), table, other, "", ReportLayout::Measures, ini);
    EXPECT_TRUE(empty.lines.empty());
    EXPECT_TRUE(empty.method.empty());
    EXPECT_FALSE(std::filesystem::exists(MethodFilePath(base.path(), table, other)));
    EXPECT_FALSE(std::filesystem::exists(PreparationFilePath(base.path(), table, other)));
}

TEST(MonoBitmap, HeaderPaletteAndBottomUpPaddedRows)
{
    // 3 x 2: top row black, white, black; bottom row white.
    const std::vector<std::uint8_t> black{1, 0, 1, 0, 0, 0};
    const std::string bmp = EncodeMonochromeBmp(3, 2, black, 3700);
    ASSERT_EQ(bmp.size(), 62u + 8u);
    const auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 3])) << 24;
    };
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(u32(2), 70u);
    EXPECT_EQ(u32(10), 62u);
    EXPECT_EQ(u32(18), 3u);
    EXPECT_EQ(u32(22), 2u);
    EXPECT_EQ(bmp[28], 1); // bits per pixel
    EXPECT_EQ(u32(38), 3700u);
    EXPECT_EQ(u32(54), 0x000000u);
    EXPECT_EQ(u32(58), 0xFFFFFFu);
    EXPECT_EQ(bmp.substr(62), std::string("\xE0\0\0\0\x40\0\0\0", 8));
    EXPECT_THROW(EncodeMonochromeBmp(3, 3, black, 3700), std::invalid_argument);
}

} // namespace
