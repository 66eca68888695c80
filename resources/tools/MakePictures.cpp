// Draws the pictures of the program: the picture of the message dialog (a
// JPEG, written with libjpeg) and the glyphs of the buttons (PNG). Run once
// when a picture changes; its output is kept beside it in resources/pictures.
//   c++ -std=c++20 -fPIC MakePictures.cpp $(pkg-config --cflags --libs Qt6Gui) -ljpeg -o /tmp/mp
//   QT_QPA_PLATFORM=offscreen /tmp/mp ../pictures
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>
#include <jpeglib.h>

namespace {

QString g_out;

void SaveJpeg(const QImage& source, const QString& name)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB888);
    FILE* f = std::fopen((g_out + "/" + name).toLocal8Bit().constData(), "wb");
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(img.width());
    cinfo.image_height = static_cast<JDIMENSION>(img.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    for (int y = 0; y < img.height(); ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(img.constScanLine(y));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
}

void Png(const QString& name, int size, const std::function<void(QPainter&, double)>& draw)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size / 24.0);
    p.end();
    img.save(g_out + "/" + name + ".png");
}

QPen Pen(const QColor& c, double w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Small glyphs, drawn on a 24-unit grid scaled by s.
void Check(QPainter& p, double s, const QColor& c)
{
    p.setPen(Pen(c, 3.2 * s));
    QPainterPath path;
    path.moveTo(4 * s, 13 * s);
    path.lineTo(10 * s, 19 * s);
    path.lineTo(20 * s, 5 * s);
    p.drawPath(path);
}

void Cross(QPainter& p, double s, const QColor& c)
{
    p.setPen(Pen(c, 3.2 * s));
    p.drawLine(QPointF(5 * s, 5 * s), QPointF(19 * s, 19 * s));
    p.drawLine(QPointF(19 * s, 5 * s), QPointF(5 * s, 19 * s));
}

void Disk(QPainter& p, double s)
{
    p.setPen(Pen(QColor(30, 60, 120), 1.2 * s));
    p.setBrush(QColor(60, 110, 190));
    p.drawRoundedRect(QRectF(3 * s, 3 * s, 18 * s, 18 * s), 2 * s, 2 * s);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6 * s, 3 * s, 12 * s, 7 * s));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(7 * s, 14 * s, 10 * s, 7 * s));
}

void Arrow(QPainter& p, double s, bool right, const QColor& c)
{
    p.setPen(Pen(c.darker(140), 1.2 * s));
    p.setBrush(c);
    QPolygonF poly;
    if (right)
        poly << QPointF(3 * s, 9 * s) << QPointF(12 * s, 9 * s) << QPointF(12 * s, 4 * s)
             << QPointF(21 * s, 12 * s) << QPointF(12 * s, 20 * s) << QPointF(12 * s, 15 * s)
             << QPointF(3 * s, 15 * s);
    else
        poly << QPointF(21 * s, 9 * s) << QPointF(12 * s, 9 * s) << QPointF(12 * s, 4 * s)
             << QPointF(3 * s, 12 * s) << QPointF(12 * s, 20 * s) << QPointF(12 * s, 15 * s)
             << QPointF(21 * s, 15 * s);
    p.drawPolygon(poly);
}

void Sheet(QPainter& p, double s)
{
    p.setPen(Pen(QColor(90, 90, 90), 1.2 * s));
    p.setBrush(Qt::white);
    QPolygonF poly;
    poly << QPointF(5 * s, 2 * s) << QPointF(15 * s, 2 * s) << QPointF(20 * s, 7 * s)
         << QPointF(20 * s, 22 * s) << QPointF(5 * s, 22 * s);
    p.drawPolygon(poly);
}

void Lines(QPainter& p, double s, double x0, double x1, double y0, int n)
{
    p.setPen(Pen(QColor(70, 70, 70), 1.3 * s));
    for (int i = 0; i < n; ++i)
        p.drawLine(QPointF(x0 * s, (y0 + 3.5 * i) * s), QPointF(x1 * s, (y0 + 3.5 * i) * s));
}

void Question(QPainter& p, double s, const QColor& c)
{
    p.setPen(Pen(c.darker(150), 1.2 * s));
    p.setBrush(c);
    p.drawEllipse(QRectF(2 * s, 2 * s, 20 * s, 20 * s));
    QFont f("Liberation Sans");
    f.setBold(true);
    f.setPixelSize(static_cast<int>(15 * s));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2 * s, 2 * s, 20 * s, 20 * s), Qt::AlignCenter, "?");
}

void Printer(QPainter& p, double s)
{
    p.setPen(Pen(QColor(60, 60, 60), 1.2 * s));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7 * s, 2 * s, 10 * s, 8 * s));
    p.setBrush(QColor(120, 120, 130));
    p.drawRoundedRect(QRectF(3 * s, 9 * s, 18 * s, 9 * s), 2 * s, 2 * s);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7 * s, 15 * s, 10 * s, 7 * s));
    Lines(p, s, 9, 15, 18, 2);
}

void Door(QPainter& p, double s)
{
    p.setPen(Pen(QColor(100, 60, 20), 1.2 * s));
    p.setBrush(QColor(170, 110, 50));
    p.drawRect(QRectF(4 * s, 2 * s, 11 * s, 20 * s));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QRectF(11 * s, 11 * s, 2 * s, 2 * s));
    Arrow(p, s * 0.55, true, QColor(40, 160, 60));
    p.save();
    p.translate(10 * s, 5 * s);
    Arrow(p, s * 0.55, true, QColor(40, 160, 60));
    p.restore();
}

// The picture of the message dialog: a plate with a fork and a knife on a
// green background, with a leaf above.
QImage MessagePicture()
{
    QImage img(67, 128, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 128);
    g.setColorAt(0, QColor(120, 190, 90));
    g.setColorAt(1, QColor(30, 110, 60));
    p.fillRect(img.rect(), g);
    // leaf
    QPainterPath leaf;
    leaf.moveTo(33, 14);
    leaf.cubicTo(50, 14, 56, 30, 46, 44);
    leaf.cubicTo(30, 44, 22, 28, 33, 14);
    p.setPen(QPen(QColor(20, 80, 30), 1.5));
    p.setBrush(QColor(180, 230, 120));
    p.drawPath(leaf);
    p.drawLine(QPointF(35, 18), QPointF(46, 43));
    // plate
    p.setBrush(QColor(250, 250, 245));
    p.setPen(QPen(QColor(200, 200, 190), 1.5));
    p.drawEllipse(QPointF(33.5, 82), 24, 24);
    p.setBrush(QColor(235, 235, 228));
    p.drawEllipse(QPointF(33.5, 82), 15, 15);
    // fork and knife
    p.setPen(QPen(QColor(230, 230, 235), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 62), QPointF(5, 112));
    p.drawLine(QPointF(62, 62), QPointF(62, 112));
    p.setPen(QPen(QColor(230, 230, 235), 1.2));
    p.drawLine(QPointF(3, 62), QPointF(3, 72));
    p.drawLine(QPointF(7, 62), QPointF(7, 72));
    p.end();
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    SaveJpeg(MessagePicture(), "mensagem.jpg");

    const QColor green(40, 160, 60), red(200, 40, 40), blue(40, 100, 200);
    const int n = 24;
    Png("ok", n, [&](QPainter& p, double s) { Check(p, s, green); });
    Png("sim", n, [&](QPainter& p, double s) { Check(p, s, green); });
    Png("nao", n, [&](QPainter& p, double s) { Cross(p, s, red); });
    Png("confirma", n, [&](QPainter& p, double s) { Check(p, s, green); });
    Png("cancela", n, [&](QPainter& p, double s) { Cross(p, s, red); });
    Png("grava", n, [&](QPainter& p, double s) { Disk(p, s); });
    Png("salva", n, [&](QPainter& p, double s) { Disk(p, s); });
    Png("novo", n, [&](QPainter& p, double s) {
        Sheet(p, s);
        p.setPen(Pen(green, 2.5 * s));
        p.drawLine(QPointF(12.5 * s, 9 * s), QPointF(12.5 * s, 18 * s));
        p.drawLine(QPointF(8 * s, 13.5 * s), QPointF(17 * s, 13.5 * s));
    });
    Png("exclui", n, [&](QPainter& p, double s) {
        Sheet(p, s);
        p.scale(0.8, 0.8);
        p.translate(3 * s, 4 * s);
        Cross(p, s, red);
    });
    Png("anterior", n, [&](QPainter& p, double s) { Arrow(p, s, false, blue); });
    Png("proximo", n, [&](QPainter& p, double s) { Arrow(p, s, true, blue); });
    Png("continua", n, [&](QPainter& p, double s) { Arrow(p, s, true, green); });
    Png("lista", n, [&](QPainter& p, double s) {
        Sheet(p, s);
        Lines(p, s, 8, 17, 8, 4);
    });
    Png("ajuda", n, [&](QPainter& p, double s) { Question(p, s, blue); });
    Png("imprime", n, [&](QPainter& p, double s) { Printer(p, s); });
    Png("retorna", n, [&](QPainter& p, double s) { Door(p, s); });
    Png("altera", n, [&](QPainter& p, double s) {
        // A pencil across a sheet: change a name.
        Sheet(p, s);
        p.setPen(Pen(QColor(90, 60, 20), 1.2 * s));
        p.setBrush(QColor(240, 190, 40));
        const QPointF pencil[] = {QPointF(9 * s, 19 * s), QPointF(8 * s, 22 * s), QPointF(11 * s, 21 * s),
                                  QPointF(21 * s, 11 * s), QPointF(19 * s, 9 * s)};
        p.drawPolygon(pencil, 5);
    });

    // The pictures of the main menu, larger.
    const int m = 64;
    Png("menu_ajuda", m, [&](QPainter& p, double s) { Question(p, s, blue); });
    Png("menu_tabela", m, [&](QPainter& p, double s) {
        p.setPen(Pen(QColor(60, 60, 60), 1 * s));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2 * s, 3 * s, 17 * s, 15 * s));
        for (int i = 1; i < 3; ++i)
            p.drawLine(QPointF((2 + i * 5.7) * s, 3 * s), QPointF((2 + i * 5.7) * s, 18 * s));
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(2 * s, (3 + i * 3.75) * s), QPointF(19 * s, (3 + i * 3.75) * s));
        p.setPen(Pen(green, 2.6 * s));
        p.drawLine(QPointF(19 * s, 14 * s), QPointF(19 * s, 22 * s));
        p.drawLine(QPointF(15 * s, 18 * s), QPointF(23 * s, 18 * s));
    });
    Png("menu_configuracao", m, [&](QPainter& p, double s) {
        p.setPen(Pen(QColor(70, 70, 80), 1 * s));
        p.setBrush(QColor(150, 150, 165));
        p.translate(12 * s, 12 * s);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-1.8 * s, -11 * s, 3.6 * s, 5 * s));
            p.rotate(45);
        }
        p.drawEllipse(QPointF(0, 0), 7.5 * s, 7.5 * s);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 3 * s, 3 * s);
    });
    auto box = [&](QPainter& p, double s, double x, double y, const QColor& c) {
        p.setPen(Pen(c.darker(150), 1 * s));
        p.setBrush(c);
        p.drawRect(QRectF(x * s, y * s, 9 * s, 8 * s));
        p.drawLine(QPointF(x * s, (y + 3) * s), QPointF((x + 9) * s, (y + 3) * s));
    };
    Png("menu_grupos_ingredientes", m, [&](QPainter& p, double s) {
        box(p, s, 2, 13, QColor(220, 170, 90));
        box(p, s, 13, 13, QColor(220, 170, 90));
        box(p, s, 7.5, 4, QColor(220, 170, 90));
    });
    Png("menu_ingredientes", m, [&](QPainter& p, double s) {
        p.setPen(Pen(QColor(120, 20, 20), 1 * s));
        p.setBrush(QColor(210, 40, 40));
        p.drawEllipse(QRectF(3 * s, 7 * s, 16 * s, 15 * s));
        p.setPen(Pen(QColor(90, 60, 20), 1.5 * s));
        p.drawLine(QPointF(11 * s, 8 * s), QPointF(12 * s, 3 * s));
        p.setPen(Pen(QColor(20, 90, 30), 1 * s));
        p.setBrush(QColor(60, 170, 60));
        p.drawEllipse(QRectF(12 * s, 2 * s, 7 * s, 4 * s));
    });
    Png("menu_medidas", m, [&](QPainter& p, double s) {
        p.setPen(Pen(QColor(90, 90, 100), 1 * s));
        p.setBrush(QColor(200, 200, 210));
        p.drawEllipse(QRectF(2 * s, 4 * s, 9 * s, 6 * s));
        p.setPen(Pen(QColor(90, 90, 100), 2 * s));
        p.drawLine(QPointF(10 * s, 8 * s), QPointF(22 * s, 14 * s));
        p.setPen(Pen(QColor(60, 90, 150), 1 * s));
        p.setBrush(QColor(150, 190, 240));
        QPolygonF cup;
        cup << QPointF(4 * s, 13 * s) << QPointF(16 * s, 13 * s) << QPointF(15 * s, 23 * s)
            << QPointF(5 * s, 23 * s);
        p.drawPolygon(cup);
    });
    Png("menu_grupos_preparacoes", m, [&](QPainter& p, double s) {
        const QColor folder(240, 200, 80);
        for (int i = 0; i < 2; ++i) {
            const double o = i * 5;
            p.setPen(Pen(folder.darker(150), 1 * s));
            p.setBrush(folder);
            p.drawRect(QRectF((2 + o) * s, (6 + o) * s, 15 * s, 11 * s));
            p.drawRect(QRectF((2 + o) * s, (4 + o) * s, 6 * s, 2 * s));
        }
    });
    Png("menu_preparacoes", m, [&](QPainter& p, double s) {
        p.setPen(Pen(QColor(60, 60, 70), 1 * s));
        p.setBrush(QColor(120, 120, 135));
        p.drawRect(QRectF(4 * s, 10 * s, 16 * s, 10 * s));
        p.drawRect(QRectF(3 * s, 8 * s, 18 * s, 2.5 * s));
        p.drawLine(QPointF(1 * s, 12 * s), QPointF(4 * s, 12 * s));
        p.drawLine(QPointF(20 * s, 12 * s), QPointF(23 * s, 12 * s));
        p.setPen(Pen(QColor(200, 200, 200), 1.2 * s));
        for (int i = 0; i < 3; ++i) {
            QPainterPath steam;
            steam.moveTo((8 + i * 4) * s, 6 * s);
            steam.cubicTo((6 + i * 4) * s, 4 * s, (10 + i * 4) * s, 3 * s, (8 + i * 4) * s, 1 * s);
            p.setBrush(Qt::NoBrush);
            p.drawPath(steam);
        }
    });
    Png("menu_fim", m, [&](QPainter& p, double s) { Door(p, s); });
    return 0;
}
