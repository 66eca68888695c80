#include "gui/widgets/DocumentForm.h"

#include "gui/widgets/Messages.h"

#include <QCloseEvent>

namespace treluza {

TDocumentForm::TDocumentForm(FormContext& context, CloseTexts texts, QWidget* parent)
    : TForm(parent), m_context(context), m_texts(std::move(texts))
{
}

void TDocumentForm::AjuBitBtnClick()
{
    m_context.help.showHelp();
}

void TDocumentForm::RetBitBtnClick()
{
    close();
}

bool TDocumentForm::FormClose()
{
    if (!m_changed)
        return true;
    if (!ask(m_texts.question)) {
        m_changed = false;
        return true;
    }
    if (!writeDocument())
        return false;
    tell(m_texts.stored);
    return true;
}

void TDocumentForm::closeEvent(QCloseEvent* e)
{
    if (isVisible() && !FormClose()) {
        e->ignore();
        return;
    }
    TForm::closeEvent(e);
}

} // namespace treluza
