#include "gui/labels/LabelPreview.h"

#include "core/labels/LabelDrawing.h"
#include "gui/reports/ReportPainter.h"

#include <QPainter>

#include <algorithm>

namespace treluza {

namespace {

constexpr int kMargin = 8;
// Larger than this the preview would not be what prints, only bigger.
constexpr int kLargestDpi = 144;

} // namespace

TLabelPreview::TLabelPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RotPreview"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    // The label's texts take their weight from the label, not from the window.
    QFont regular = font();
    regular.setBold(false);
    setFont(regular);
}

void TLabelPreview::showLabel(const NutritionLabel& label)
{
    m_label = label;
    m_message.clear();
    update();
}

void TLabelPreview::showMessage(const QString& message)
{
    m_label.reset();
    m_message = message;
    update();
}

int TLabelPreview::drawingDpi() const
{
    if (!m_label)
        return 0;
    // At 720 dots per inch a dot is a tenth of a point: the size in inches x 720.
    const LabelSize at720 = labelSize(*m_label, {720, 1});
    const int fitWidth = (width() - 2 * kMargin) * 720 / std::max(at720.width, 1);
    const int fitHeight = (height() - 2 * kMargin) * 720 / std::max(at720.height, 1);
    return std::clamp(std::min(fitWidth, fitHeight), 1, kLargestDpi);
}

void TLabelPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_label) {
        painter.setPen(Qt::black);
        painter.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin),
                         Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    PainterSurface surface(
        painter, [] {}, false);
    DrawLabel(surface, *m_label, {drawingDpi(), 1}, kMargin, kMargin);
}

} // namespace treluza
