#include "gui/DecimalEdit.h"

#include "gui/MaskEdit.h"
#include "gui/QtText.h"
#include "store/StrUnit.h"

namespace treluza {

void NormaliseDecimalEdit(TMaskEdit& edit)
{
    const std::string text = edit.CoreText();
    if (text.empty() || text == BlankTemplate(Cs(edit.editMask())))
        return;
    const std::string normal = ZeroFillDecimals(AlignDecimalField(text));
    if (normal != text)
        edit.SetCoreText(normal);
}

void InstallDecimalBehaviour(TMaskEdit& edit)
{
    QObject::connect(
        &edit, &TMaskEdit::KeyPress, &edit,
        [&edit](QChar& key) {
            if (key == u'.')
                key = u',';
            if (key != u',')
                return;
            const std::string text = edit.CoreText();
            const std::size_t comma = text.find(',');
            if (comma == std::string::npos || comma == 0)
                return;
            const std::string aligned = AlignDecimalField(text);
            if (aligned != text)
                edit.SetCoreText(aligned);
            // The comma typed now jumps past the comma of the mask.
            edit.setCursorPosition(static_cast<int>(comma));
        },
        Qt::DirectConnection);
    QObject::connect(&edit, &TMaskEdit::Exit, &edit, [&edit](QWidget*) { NormaliseDecimalEdit(edit); });
}

}  // namespace treluza
