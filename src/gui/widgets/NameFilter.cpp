#include "gui/widgets/NameFilter.h"

#include "core/store/NameRules.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

namespace treluza {

void refuseCharacter(QChar c)
{
    tell(QStringLiteral("Não é permitido utilizar o caracter (") + c + QStringLiteral(") !"));
}

bool filterNameKey(QChar& key)
{
    if (key.isNull())
        return false;
    if (isForbiddenNameChar(key.unicode()) || !hasCp1252Form(key)) {
        const QChar refused = key;
        key = QChar();
        refuseCharacter(refused);
        return true;
    }
    return false;
}

void installNameFilter(TMaskEdit& edit)
{
    QObject::connect(
        &edit, &TMaskEdit::KeyPress, &edit, [](QChar& key) { filterNameKey(key); }, Qt::DirectConnection);
}

} // namespace treluza
