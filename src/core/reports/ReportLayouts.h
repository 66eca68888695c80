#pragma once
// The three report layouts of a preparation, drawn on a ReportSurface.
//
// How to use it: load the input with loadReportInput() (index line, ingredient
// lines, method text and the technician's heading), then DrawReport() on the
// printer at its resolution or on the picture at kPictureDotsPerInch. A page
// holds a fixed number of ingredient lines (ingredientRoom); a preparation
// with more continues on further pages, each a whole sheet with the next
// lines, and every sheet then names its page in row 2 ("Folha 1/2").
#include "core/records/PreparationRecords.h"
#include "core/reports/ReportGeometry.h"
#include "core/reports/ReportSurface.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

class IniFile;

enum class ReportLayout {
    Analysis = 0, // "Análise Química - Completo", portrait
    Treluza = 1,  // the preparation sheet, landscape
    Measures = 2, // "Medidas Caseiras - Modo de Preparo", portrait
};

/** What a report shows. */
struct ReportInput {
    IndexFields index;
    std::string table;       // the active table's name, as given
    std::string preparation; // the name as typed, trailing blanks kept
    std::vector<LineFields> lines;
    std::vector<std::string> method;
    std::string technicianName;
    std::string technicianContact;
};

/** The technician's name and contact of the first heading row, with the
 *  layout's defaults ("Aluno" and "Turma" for the household-measure layout,
 *  empty for the others). */
void readTechnician(const IniFile& ini, ReportLayout layout, ReportInput& input);

/** Reads the preparation's ingredient lines and, for the layouts that print
 *  it, its method text (missing files are created empty), and the technician.
 *  Throws FileReadError and UnusableNameError. */
ReportInput loadReportInput(const std::filesystem::path& base, std::string_view table,
                            std::string_view preparation, std::string_view indexLine, ReportLayout layout,
                            const IniFile& ini);

bool isLandscape(ReportLayout layout);
/** Ingredient lines a page holds: 17, 20 and 23. */
int ingredientRoom(ReportLayout layout);
/** Pages the report takes: one, and one more for every further room of lines. */
int reportPageCount(ReportLayout layout, const ReportInput& input);

struct PixelSize {
    int width = 0;
    int height = 0;
};
/** The size of one page of the picture: 743 x 1039, 1000 x 743 and 743 x 1000;
 *  taller when the landscape sheet with a full page of lines needs it to show
 *  the last row of its method box. */
PixelSize picturePageSize(ReportLayout layout, const ReportInput& input);

/** A nutrient or cost followed by its share of the recipe's total:
 *  value + " " + the share in 3 places (at most 999) + "%"; value + "    %"
 *  when the total is not greater than zero; nothing for a value that is its
 *  field's blank template (an empty cell). */
std::string ShareCell(std::string_view value, std::string_view total);

void DrawAnalysisReport(ReportSurface& surface, const ReportInput& input, Fraction dotsPerInch);
void DrawTreluzaReport(ReportSurface& surface, const ReportInput& input, Fraction dotsPerInch);
void DrawMeasuresReport(ReportSurface& surface, const ReportInput& input, Fraction dotsPerInch);
void DrawReport(ReportLayout layout, ReportSurface& surface, const ReportInput& input, Fraction dotsPerInch);

} // namespace treluza
