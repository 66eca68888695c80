#include "gui/widgets/BitBtn.h"

#include <QStylePainter>

#include <QStyleOptionButton>

#include <QDialog>
#include <QFile>
#include <QIcon>

namespace treluza {

TBitBtn::TBitBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &TBitBtn::closeWithResult);
}

TBitBtn::TBitBtn(const QString& caption, const QIcon& glyph, QWidget* parent) : TBitBtn(caption, parent)
{
    setIcon(glyph);
}

void TBitBtn::closeWithResult()
{
    if (m_modalResult == 0)
        return;
    if (auto* dialog = qobject_cast<QDialog*>(window()))
        dialog->done(m_modalResult);
}

QIcon glyph(const QString& name)
{
    const QString path = QStringLiteral(":/pictures/%1.png").arg(name);
    if (!QFile::exists(path))
        return {};
    return QIcon(path);
}

void TTopGlyphBtn::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    const QIcon glyph = option.icon;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(2, 4, -2, -3);
    const QSize glyphSize(16, 16);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const int textHeight = fontMetrics().height();
    const int top = area.top() + std::max(0, (area.height() - glyphSize.height() - textHeight - 2) / 2);
    glyph.paint(&painter, QRect(QPoint(area.center().x() - glyphSize.width() / 2, top), glyphSize),
                Qt::AlignCenter, mode);
    const QRect textRect(area.left(), top + glyphSize.height() + 2, area.width(), textHeight);
    style()->drawItemText(&painter, textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
                          palette(), isEnabled(), caption, QPalette::ButtonText);
}

} // namespace treluza
