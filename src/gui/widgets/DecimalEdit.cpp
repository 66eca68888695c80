#include "gui/widgets/DecimalEdit.h"

#include "core/store/StrUnit.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/QtText.h"

namespace treluza {

void normaliseDecimalEdit(TMaskEdit& edit)
{
    const std::string text = edit.coreText();
    if (text.empty() || text == BlankTemplate(cs(edit.editMask())))
        return;
    const std::string normal = ZeroFillDecimals(AlignDecimalField(text));
    if (normal != text)
        edit.setCoreText(normal);
}

void installDecimalBehaviour(TMaskEdit& edit)
{
    QObject::connect(
        &edit, &TMaskEdit::KeyPress, &edit,
        [&edit](QChar& key) {
            if (key == u'.')
                key = u',';
            if (key != u',')
                return;
            const std::string text = edit.coreText();
            const std::size_t comma = text.find(',');
            if (comma == std::string::npos || comma == 0)
                return;
            const std::string aligned = AlignDecimalField(text);
            if (aligned != text)
                edit.setCoreText(aligned);
            // The comma typed now jumps past the comma of the mask.
            edit.setCursorPosition(static_cast<int>(comma));
        },
        Qt::DirectConnection);
    QObject::connect(&edit, &TMaskEdit::Exit, &edit, [&edit](QWidget*) { normaliseDecimalEdit(edit); });
}

} // namespace treluza
