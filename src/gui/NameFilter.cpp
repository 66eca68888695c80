#include "gui/NameFilter.h"

#include "dialogs/MesDlgUnit.h"
#include "dialogs/NameRules.h"
#include "gui/MaskEdit.h"
#include "gui/QtText.h"

namespace treluza {

void RefuseCharacter(QChar c)
{
    ShowMessageDialog(QStringLiteral("Não é permitido utilizar o caracter (") + c + QStringLiteral(") !"), 1);
}

bool FilterNameKey(QChar& key)
{
    if (key.isNull())
        return false;
    if (IsForbiddenNameChar(key.unicode()) || !HasCp1252Form(key)) {
        const QChar refused = key;
        key = QChar();
        RefuseCharacter(refused);
        return true;
    }
    return false;
}

void InstallNameFilter(TMaskEdit& edit)
{
    QObject::connect(
        &edit, &TMaskEdit::KeyPress, &edit, [](QChar& key) { FilterNameKey(key); }, Qt::DirectConnection);
}

} // namespace treluza
