#include "core/reports/ReportLayouts.h"

#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"

#include <algorithm>
#include <array>
#include <span>

namespace treluza {

namespace {

struct LayoutSpec {
    bool landscape;
    Fraction tableMm;
    Fraction rowMm;
    const char* face;
    Fraction fontFactor;
    PixelSize picture;
    int room;
    const char* dateLabel;
};

const LayoutSpec& spec(ReportLayout layout)
{
    static const std::array<LayoutSpec, 3> specs{{
        {false, {200, 1}, {280, 63}, "ARIAL", {17, 20}, {743, 1039}, 17, "  -  Data : "},
        {true, {270, 1}, {200, 44}, "Arial", {9, 10}, {1000, 743}, 20, "  -  Data: "},
        {false, {200, 1}, {270, 61}, "ARIAL", {9, 10}, {743, 1000}, 23, "  -  Data: "},
    }};
    return specs.at(static_cast<std::size_t>(layout));
}

// The texts of the layouts, as core text.
const std::vector<std::string>& texts(std::initializer_list<const char*> utf8, std::vector<std::string>& slot)
{
    if (slot.empty())
        for (const char* t : utf8)
            slot.push_back(cp(t));
    return slot;
}

const std::vector<std::string>& nutrientHeadings()
{
    static std::vector<std::string> t;
    return texts({"Caloria(Kcal)", "Glicídio(g)", "Proteína(g)", "Lipídio(g)", "Saturada(g)", "Colest.(mg)",
                  "Fibra(g)", "Cálcio(mg)", "Ferro(mg)", "Sódio(mg)"},
                 t);
}

/** A field as printed: its text, or nothing for its blank template. */
std::string shown(std::string_view field)
{
    return field.find_first_not_of(" ,/") == std::string_view::npos ? std::string() : std::string(field);
}

constexpr int kNutrients = 10;
constexpr int kMethodRows = 16;
constexpr int kMethodLines = 32;

/** One page of a report: its ingredient lines and its place among the pages. */
struct PageSlice {
    std::span<const LineFields> lines;
    int number = 1;
    int count = 1;
};

std::vector<PageSlice> slices(ReportLayout layout, const ReportInput& input)
{
    const int room = ingredientRoom(layout);
    const int pages = reportPageCount(layout, input);
    std::vector<PageSlice> out;
    const std::span<const LineFields> all(input.lines);
    for (int k = 0; k < pages; ++k) {
        const std::size_t from = static_cast<std::size_t>(k) * static_cast<std::size_t>(room);
        const std::size_t n = std::min(all.size() - from, static_cast<std::size_t>(room));
        out.push_back({all.subspan(from, n), k + 1, pages});
    }
    return out;
}

ReportPage makePage(ReportSurface& surface, ReportLayout layout, Fraction dotsPerInch)
{
    const LayoutSpec& s = spec(layout);
    return ReportPage(surface, MmToDots(s.rowMm, dotsPerInch), MmToDots(s.tableMm, dotsPerInch));
}

/** Heading rows 1 and 2: technician and date; preparation, group and table. */
void headingRows(ReportPage& p, const ReportInput& in, const char* dateLabel, const PageSlice& page)
{
    p.leftText(1,
               in.technicianName + " " + in.technicianContact + dateLabel + shown(in.index[IdxField::Date]));
    std::string row2 = cp("Preparação : ") + TrimTrailingSpaces(in.preparation);
    const std::string group = TrimTrailingSpaces(in.index[IdxField::Group]);
    if (!group.empty())
        row2 += "  -  Grupo : " + group;
    row2 += "  -  Tabela : " + TrimTrailingSpaces(in.table);
    if (page.count > 1)
        row2 += "  -  Folha " + std::to_string(page.number) + "/" + std::to_string(page.count);
    p.leftText(2, row2);
    for (int n = 1; n <= 2; ++n) {
        p.edge(0, n);
        p.closeRow(n);
    }
}

/** Rules at the left edges of columns first to last (from 1) of width c in row n. */
void columnEdges(ReportPage& p, int n, int c, int first, int last)
{
    for (int j = first; j <= last; ++j)
        p.edge((j - 1) * c, n);
}

/** Layout 0's three rows per ingredient line, from row 11: names, weights and
 *  cost, nutrients; C is the width of one of its ten columns. */
void analysisLineRows(ReportPage& p, const IndexFields& f, const PageSlice& page, int C)
{
    int row = 11;
    for (const LineFields& l : page.lines) {
        p.centred(row, 0, 5 * C, TrimTrailingSpaces(l[LineField::Name]));
        p.centred(row, 5 * C, 4 * C, l[LineField::Measure]);
        p.centred(row, 9 * C, C, l[LineField::Quantity]);
        for (int x : {0, 5 * C, 9 * C})
            p.edge(x, row);
        p.closeRow(row);
        ++row;

        static constexpr std::array<int, 7> kWeights{LineField::Gross,   LineField::Net,    LineField::FC,
                                                     LineField::Raw,     LineField::Cooked, LineField::FCC,
                                                     LineField::UnitCost};
        for (std::size_t j = 0; j < kWeights.size(); ++j)
            p.centred(row, static_cast<int>(j) * C, C, l[kWeights[j]]);
        p.centred(row, 7 * C, C, ShareCell(l[LineField::Cost], f[IdxField::Cost]), 1);
        p.centred(row, 8 * C, C, l[LineField::QuoteDate]);
        columnEdges(p, row, C, 1, 10);
        p.closeRow(row);
        ++row;

        for (int j = 0; j < kNutrients; ++j)
            p.centred(row, j * C, C, ShareCell(l[LineField::Energy + j], f[IdxField::Energy + j]), 1);
        columnEdges(p, row, C, 1, 10);
        p.closeRow(row);
        ++row;
    }
}

void drawAnalysisPage(ReportPage& p, const ReportInput& in, const PageSlice& page)
{
    const int R = p.R();
    const int T = p.T();
    const int n = static_cast<int>(page.lines.size());
    p.setFont(spec(ReportLayout::Analysis).face, spec(ReportLayout::Analysis).fontFactor);
    p.rule(T, 0, T, (3 * n + 10) * R);
    p.rule(0, 0, T, 0);
    headingRows(p, in, spec(ReportLayout::Analysis).dateLabel, page);

    // Row 3: the recipe, a portion and a tablespoon, with their weights and costs.
    const IndexFields& f = in.index;
    const auto value = [&f](int field) { return RemoveSpaces(shown(f[field])); };
    const std::array<std::string, 3> yields{
        "(1) Receita = " + value(IdxField::Yield) + "g  $" + value(IdxField::Cost),
        "(2) Per capita = " + value(IdxField::Portions) + " de " + value(IdxField::PortionYield) + "g  $" +
            value(IdxField::PerCapitaCost),
        "(3) Colher sopa = " + value(IdxField::Tablespoon) + "g  $" + value(IdxField::SpoonCost),
    };
    const int third = p.columnWidth(3);
    for (int k = 0; k < 3; ++k) {
        p.edge(k * third, 3);
        p.textIn(k * third + p.leftMargin(), 3, (k + 1) * third, yields[static_cast<std::size_t>(k)]);
    }
    p.closeRow(3);

    // Rows 4 to 7: the nutrient table of the recipe, a portion and a tablespoon.
    const int C = p.columnWidth(10);
    const auto& headings = nutrientHeadings();
    for (int j = 0; j < kNutrients; ++j) {
        p.centred(4, j * C, C, headings[static_cast<std::size_t>(j)]);
        p.rule(j * C, 3 * R, j * C, 7 * R);
    }
    p.closeRow(4);
    const std::array<std::pair<const char*, int>, 3> valueRows{
        {{"(1) ", IdxField::Energy}, {"(2) ", IdxField::PerCapitaEnergy}, {"(3) ", IdxField::SpoonEnergy}}};
    for (int r = 0; r < 3; ++r) {
        const auto& [mark, first] = valueRows[static_cast<std::size_t>(r)];
        for (int j = 0; j < kNutrients; ++j)
            p.centred(5 + r, j * C, C, (j == 0 ? std::string(mark) : std::string()) + f[first + j]);
        p.closeRow(5 + r);
    }

    // Rows 8 to 10: the headings of the ingredient rows.
    p.centred(8, 0, 5 * C, "Ingrediente");
    p.centred(8, 5 * C, 4 * C, "Medida caseira");
    p.centred(8, 9 * C, C, "Quantidade");
    for (int x : {0, 5 * C, 9 * C})
        p.edge(x, 8);
    p.closeRow(8);
    static std::vector<std::string> weightSlot;
    const auto& weights = texts({"P.Bruto(g)", "P.Líquido(g)", "FC", "P.Cru(g)", "P.Cozido(g)", "FCC", "$ Kg",
                                 "$ P.Bruto", "Data cotação"},
                                weightSlot);
    for (int j = 0; j < 9; ++j)
        p.centred(9, j * C, C, weights[static_cast<std::size_t>(j)]);
    columnEdges(p, 9, C, 1, 9);
    p.closeRow(9);
    for (int j = 0; j < kNutrients; ++j)
        p.centred(10, j * C, C, headings[static_cast<std::size_t>(j)]);
    columnEdges(p, 10, C, 1, 10);
    p.closeRow(10);

    analysisLineRows(p, f, page, C);
}

void drawTreluzaPage(ReportPage& p, const ReportInput& in, const PageSlice& page)
{
    const LayoutSpec& s = spec(ReportLayout::Treluza);
    const int R = p.R();
    const int T = p.T();
    const int n = static_cast<int>(page.lines.size());
    const IndexFields& f = in.index;
    p.setFont(s.face, s.fontFactor);
    p.rule(0, 0, T, 0);
    p.rule(T, 0, T, (n + 7) * R);
    headingRows(p, in, s.dateLabel, page);

    // Rows 3 to 6: yield and nutrients of the recipe, a portion and a tablespoon.
    static std::vector<std::string> headingSlot;
    const auto& headings =
        texts({"Rendimento", "(g,ml)", "Caloria(KCal)", "Glicídios(g)", "Proteínas(g)", "Lípidios(g)",
               "Saturada(g)", "Colest.(mg)", "Fibra(g)", "Cálcio(mg)", "Ferro(mg)", "Sódio(mg)"},
              headingSlot);
    const int C = p.columnWidth(12);
    for (int j = 0; j < 12; ++j)
        p.centred(3, j * C, C, headings[static_cast<std::size_t>(j)]);
    columnEdges(p, 3, C, 1, 12);
    p.closeRow(3);
    const std::array<std::pair<const char*, int>, 3> valueRows{{{"Receita", IdxField::Yield},
                                                                {"Per Capita", IdxField::PortionYield},
                                                                {"Colher Sopa", IdxField::Tablespoon}}};
    for (int r = 0; r < 3; ++r) {
        const auto& [label, weight] = valueRows[static_cast<std::size_t>(r)];
        p.centred(4 + r, 0, C, label);
        p.centred(4 + r, C, C, f[weight]);
        for (int j = 0; j < kNutrients; ++j)
            p.centred(4 + r, (j + 2) * C, C, f[weight + 1 + j]);
        columnEdges(p, 4 + r, C, 1, 12);
        p.closeRow(4 + r);
    }

    // Row 7 and one row per ingredient line: name, net weight and nutrients.
    static std::vector<std::string> lineSlot;
    const auto& lineHeadings = texts({"PL(g)", "KCal", "CHO(g)", "PTN(g)", "LIP(g)", "SAT(g)", "COL(mg)",
                                      "FIB(g)", "Ca(mg)", "Fe(mg)", "Na(mg)"},
                                     lineSlot);
    const int K = p.columnWidth(17);
    const auto lineEdges = [&](int row) {
        p.edge(0, row);
        columnEdges(p, row, K, 7, 17);
        p.closeRow(row);
    };
    p.centred(7, 0, 6 * K, "Ingrediente");
    for (int j = 0; j < 11; ++j)
        p.centred(7, (j + 6) * K, K, lineHeadings[static_cast<std::size_t>(j)], 3);
    lineEdges(7);
    int row = 8;
    for (const LineFields& l : page.lines) {
        p.textIn(p.leftMargin(), row, 6 * K, l[LineField::Name].substr(0, 60));
        p.centred(row, 6 * K, K, l[LineField::Net], 3);
        for (int j = 0; j < kNutrients; ++j)
            p.centred(row, (j + 7) * K, K, l[LineField::Energy + j], 3);
        lineEdges(row);
        ++row;
    }

    // The method text in a box of 16 rows split in two halves.
    const int title = row;
    p.centred(title, 0, T, "Modo de preparo");
    const int top = title * R;
    const int bottom = (title + kMethodRows) * R;
    const int middle = p.columnWidth(2);
    p.rule(0, top, T, top);
    p.rule(0, top, 0, bottom);
    p.rule(middle, top, middle, bottom);
    p.rule(0, bottom, T, bottom);
    p.rule(T, bottom, T, top);
    p.setFontHeight(s.face, p.ofRow({3, 4}));
    const int indent = p.ofRow({3, 10});
    const std::size_t shown = std::min<std::size_t>(in.method.size(), kMethodLines);
    for (std::size_t m = 0; m < shown; ++m) {
        const int half = static_cast<int>(m) / kMethodRows;
        p.textIn(half * middle + indent, title + 1 + static_cast<int>(m) % kMethodRows,
                 half == 0 ? middle : T, in.method[m]);
    }
}

void drawMeasuresPage(ReportPage& p, const ReportInput& in, const PageSlice& page)
{
    const LayoutSpec& s = spec(ReportLayout::Measures);
    const int R = p.R();
    const int T = p.T();
    const IndexFields& f = in.index;
    p.setFont(s.face, s.fontFactor);
    p.rule(0, 0, T, 0);
    headingRows(p, in, s.dateLabel, page);

    // Rows 3 and 4: yield and nutrients of the recipe.
    static std::vector<std::string> headingSlot;
    const auto& headings =
        texts({"Rend.(g,ml)", "Caloria(Kcal)", "Glicídio(g)", "Proteína(g)", "Lipídio(g)", "Saturada(g)",
               "Colest.(mg)", "Fibra(g)", "Cálcio(mg)", "Ferro(mg)", "Sódio(mg)"},
              headingSlot);
    const int C = p.columnWidth(11);
    for (int j = 0; j < 11; ++j) {
        p.centred(3, j * C, C, headings[static_cast<std::size_t>(j)]);
        p.centred(4, j * C, C, f[IdxField::Yield + j]);
    }
    columnEdges(p, 3, C, 1, 11);
    p.closeRow(3);
    columnEdges(p, 4, C, 1, 11);
    p.closeRow(4);

    // Row 5, the ingredient frame (rows 5 to 28) and one row per line.
    const int K = p.columnWidth(14);
    p.centred(5, 0, 6 * K, "Ingredientes");
    p.centred(5, 6 * K, K, "PB(g)");
    p.centred(5, 7 * K, K, "FC");
    p.centred(5, 8 * K, K, "PL(g)");
    p.centred(5, 9 * K, K, "Quant");
    p.centred(5, 10 * K, 3 * K, "Medida caseira");
    const auto lineEdges = [&](int row) {
        for (int j = 6; j <= 10; ++j)
            p.edge(j * K, row);
        p.closeRow(row);
    };
    lineEdges(5);
    p.rule(0, 4 * R, 0, 28 * R);
    p.rule(0, 28 * R, T, 28 * R);
    p.rule(T, 28 * R, T, 0);
    int row = 6;
    for (const LineFields& l : page.lines) {
        p.textIn(p.leftMargin(), row, 6 * K, l[LineField::Name]);
        p.centred(row, 6 * K, K, l[LineField::Gross]);
        p.centred(row, 7 * K, K, l[LineField::FC]);
        p.centred(row, 8 * K, K, l[LineField::Net]);
        p.centred(row, 9 * K, K, l[LineField::Quantity]);
        p.textIn(10 * K + p.leftMargin(), row, T, l[LineField::Measure]);
        lineEdges(row);
        ++row;
    }

    // The method text from row 31, in a box that ends with row 62.
    p.centred(30, 0, T, "Modo de preparo");
    p.rule(0, 30 * R, T, 30 * R);
    p.rule(0, 62 * R, T, 62 * R);
    p.rule(0, 30 * R, 0, 62 * R);
    p.rule(T, 30 * R, T, 62 * R + 1);
    const std::size_t shown = std::min<std::size_t>(in.method.size(), kMethodLines);
    for (std::size_t m = 0; m < shown; ++m)
        p.textIn(7 * R, 31 + static_cast<int>(m), T, in.method[m]);
}

using PageDrawer = void (*)(ReportPage&, const ReportInput&, const PageSlice&);

void drawPages(ReportLayout layout, PageDrawer draw, ReportSurface& surface, const ReportInput& input,
               Fraction dotsPerInch)
{
    ReportPage page = makePage(surface, layout, dotsPerInch);
    for (const PageSlice& slice : slices(layout, input)) {
        if (slice.number > 1)
            surface.newPage();
        draw(page, input, slice);
    }
}

} // namespace

void readTechnician(const IniFile& ini, ReportLayout layout, ReportInput& input)
{
    const bool student = layout == ReportLayout::Measures;
    input.technicianName = ini.readString(kSecTechnician, kKeyNomTec, student ? "Aluno" : "");
    input.technicianContact = ini.readString(kSecTechnician, kKeyConTec, student ? "Turma" : "");
}

ReportInput loadReportInput(const std::filesystem::path& base, std::string_view table,
                            std::string_view preparation, std::string_view indexLine, ReportLayout layout,
                            const IniFile& ini)
{
    ReportInput in;
    in.index = readIndex(indexLine);
    in.table = table;
    in.preparation = preparation;
    for (const std::string& line :
         splitLines(readFileIfPresent(PreparationFilePath(base, table, preparation))))
        in.lines.push_back(readLine(line));
    if (layout != ReportLayout::Analysis)
        in.method = splitLines(readFileIfPresent(MethodFilePath(base, table, preparation)));
    readTechnician(ini, layout, in);
    return in;
}

bool isLandscape(ReportLayout layout)
{
    return spec(layout).landscape;
}

int ingredientRoom(ReportLayout layout)
{
    return spec(layout).room;
}

int reportPageCount(ReportLayout layout, const ReportInput& input)
{
    const auto room = static_cast<std::size_t>(ingredientRoom(layout));
    return input.lines.empty() ? 1 : static_cast<int>((input.lines.size() + room - 1) / room);
}

PixelSize picturePageSize(ReportLayout layout, const ReportInput& input)
{
    PixelSize size = spec(layout).picture;
    if (layout == ReportLayout::Treluza) {
        // The method box ends 24 rows below the last ingredient line.
        const int R = MmToDots(spec(layout).rowMm, kPictureDotsPerInch);
        const int lines = std::min<int>(static_cast<int>(input.lines.size()), ingredientRoom(layout));
        size.height = std::max(size.height, (lines + 7 + 1 + kMethodRows) * R + 1);
    }
    return size;
}

std::string ShareCell(std::string_view value, std::string_view total)
{
    if (shown(value).empty())
        return std::string();
    const double whole = ParseDecimal(total);
    if (!(whole > 0))
        return std::string(value) + "    %";
    // Three places: a share above 999 % is written as 999, not cut to its
    // first three digits.
    const double share = std::clamp(ParseDecimal(value) / whole * 100, -99.0, 999.0);
    return std::string(value) + " " + FormatDecimal(0, 3, share) + "%";
}

void DrawAnalysisReport(ReportSurface& surface, const ReportInput& input, Fraction dotsPerInch)
{
    drawPages(ReportLayout::Analysis, drawAnalysisPage, surface, input, dotsPerInch);
}

void DrawTreluzaReport(ReportSurface& surface, const ReportInput& input, Fraction dotsPerInch)
{
    drawPages(ReportLayout::Treluza, drawTreluzaPage, surface, input, dotsPerInch);
}

void DrawMeasuresReport(ReportSurface& surface, const ReportInput& input, Fraction dotsPerInch)
{
    drawPages(ReportLayout::Measures, drawMeasuresPage, surface, input, dotsPerInch);
}

void DrawReport(ReportLayout layout, ReportSurface& surface, const ReportInput& input, Fraction dotsPerInch)
{
    switch (layout) {
    case ReportLayout::Analysis:
        DrawAnalysisReport(surface, input, dotsPerInch);
        break;
    case ReportLayout::Treluza:
        DrawTreluzaReport(surface, input, dotsPerInch);
        break;
    case ReportLayout::Measures:
        DrawMeasuresReport(surface, input, dotsPerInch);
        break;
    }
}

} // namespace treluza
