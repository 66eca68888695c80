// Drawing the landscape preparation sheet of a 20-line preparation into the
// report picture, against drawing the same texts and rules with no layout
// logic (the calls recorded from one drawing, replayed on the same surface);
// and the time of saving the same report as a PDF file. Prints the ratio.
#include "BenchSupport.h"
#include "BenchWindows.h"

#include "core/reports/ReportLayouts.h"
#include "core/store/FileIo.h"
#include "core/store/StrUnit.h"
#include "gui/reports/ReportPainter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <variant>
#include <vector>

using namespace treluza;

namespace {

ReportInput twentyLines()
{
    ReportInput in;
    in.index = blankIndex("Feijoada completa                       ");
    in.index[IdxField::Yield] = "  4000";
    for (int k = IdxField::Energy; k <= IdxField::SpoonCost; ++k)
        if (k != IdxField::Portions && k != IdxField::PortionYield && k != IdxField::Tablespoon)
            in.index[k] = FormatDecimal(2, 9, 100.0 + k * 7.25);
    in.index[IdxField::Portions] = "    16";
    in.index[IdxField::PortionYield] = "   250";
    in.index[IdxField::Tablespoon] = "    25";
    in.index[IdxField::Group] = "Pratos principais   ";
    in.index[IdxField::Date] = "15/03/2024";
    in.table = "TACO                ";
    in.preparation = in.index[IdxField::Name];
    for (int i = 0; i < 20; ++i) {
        LineFields l = blankLine("Ingrediente da feijoada n\xFAmero " + std::to_string(i + 1));
        l[LineField::Name].resize(60, ' ');
        l[LineField::Net] = FormatDecimal(1, 8, 50.0 + i * 10);
        for (int k = 0; k < 10; ++k)
            l[LineField::Energy + k] = FormatDecimal(2, 9, 3.5 * (i + 1) + k);
        in.lines.push_back(l);
    }
    for (int m = 0; m < 24; ++m)
        in.method.push_back("Passo " + std::to_string(m + 1) +
                            ": deixe o feij\xE3o de molho e cozinhe as carnes.");
    in.technicianName = "Nutricionista respons\xE1vel";
    in.technicianContact = "CRN 12345";
    return in;
}

/** The calls a drawing makes, without its text measurements. */
class Recorder final : public ReportSurface {
public:
    struct Font {
        std::string face;
        int height;
    };
    struct Move {
        int x, y;
    };
    struct Line {
        int x, y;
    };
    struct Text {
        int x, y;
        std::string text;
    };
    std::vector<std::variant<Font, Move, Line, Text>> calls;
    PainterSurface* measure = nullptr;

    void setFont(std::string_view face, int height) override
    {
        calls.emplace_back(Font{std::string(face), height});
        measure->setFont(face, height);
    }
    void moveTo(int x, int y) override { calls.emplace_back(Move{x, y}); }
    void lineTo(int x, int y) override { calls.emplace_back(Line{x, y}); }
    void textOut(int x, int y, std::string_view text) override
    {
        calls.emplace_back(Text{x, y, std::string(text)});
    }
    int textWidth(std::string_view text) override { return measure->textWidth(text); }
    void newPage() override {}
    // The reports draw in regular black text and lines only.
    void setBoldFont(std::string_view, int) override {}
    void setInk(Ink) override {}
    void fillRect(int, int, int, int) override {}
    void fillEllipse(int, int, int, int) override {}
    void fillPolygon(std::span<const SurfacePoint>) override {}
};

const ReportInput g_input = twentyLines();

QImage blankPicture()
{
    const PixelSize size = picturePageSize(ReportLayout::Treluza, g_input);
    QImage picture(size.width, size.height, QImage::Format_RGB32);
    picture.setDotsPerMeterX(3700);
    picture.setDotsPerMeterY(3700);
    picture.fill(Qt::white);
    return picture;
}

void drawLayout(benchmark::State& state)
{
    for (auto _ : state) {
        QImage picture = blankPicture();
        QPainter painter(&picture);
        PainterSurface surface(
            painter, [] {}, true);
        DrawTreluzaReport(surface, g_input, kPictureDotsPerInch);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void replayCalls(benchmark::State& state)
{
    Recorder recorder;
    {
        QImage picture = blankPicture();
        QPainter painter(&picture);
        PainterSurface measure(
            painter, [] {}, true);
        recorder.measure = &measure;
        DrawTreluzaReport(recorder, g_input, kPictureDotsPerInch);
    }
    for (auto _ : state) {
        QImage picture = blankPicture();
        QPainter painter(&picture);
        PainterSurface surface(
            painter, [] {}, true);
        for (const auto& call : recorder.calls) {
            if (const auto* f = std::get_if<Recorder::Font>(&call))
                surface.setFont(f->face, f->height);
            else if (const auto* m = std::get_if<Recorder::Move>(&call))
                surface.moveTo(m->x, m->y);
            else if (const auto* l = std::get_if<Recorder::Line>(&call))
                surface.lineTo(l->x, l->y);
            else if (const auto* t = std::get_if<Recorder::Text>(&call))
                surface.textOut(t->x, t->y, t->text);
        }
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void savePdf(benchmark::State& state)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("treluza-bench-report-" + std::to_string(::getpid()) + ".pdf");
    for (auto _ : state) {
        writeFileAtomic(file, renderPdf(ReportLayout::Treluza, g_input, 300, QStringLiteral("Feijoada")));
    }
    std::filesystem::remove(file);
}

} // namespace

int main(int argc, char** argv)
{
    treluza::bench::offscreenByDefault();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("drawLayout", drawLayout)->Unit(benchmark::kMillisecond)->Repetitions(5);
    benchmark::RegisterBenchmark("replayCalls", replayCalls)->Unit(benchmark::kMillisecond)->Repetitions(5);
    benchmark::RegisterBenchmark("savePdf", savePdf)->Unit(benchmark::kMillisecond)->Repetitions(5);
    treluza::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("drawLayout", "replayCalls", 3.0);
    std::printf("PDF save of the same report (median): %.2f ms\n", reporter.time("savePdf"));
    benchmark::Shutdown();
    return 0;
}
