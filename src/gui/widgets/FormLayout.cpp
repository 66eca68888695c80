#include "gui/widgets/FormLayout.h"

#include "gui/widgets/MaskEdit.h"

#include <QLabel>

namespace treluza {

QLabel* placeCaption(QWidget* parent, const QString& text, const QRect& place, Qt::Alignment align)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

TMaskEdit* placeMaskEdit(QWidget* parent, const char* objectName, const QString& editMask, const QRect& place)
{
    auto* edit = new TMaskEdit(editMask, parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setGeometry(place);
    return edit;
}

QFont fixedPitchFont(int points)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(points);
    return font;
}

} // namespace treluza
