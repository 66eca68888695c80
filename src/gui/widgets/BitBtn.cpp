#include "gui/widgets/BitBtn.h"

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

} // namespace treluza
