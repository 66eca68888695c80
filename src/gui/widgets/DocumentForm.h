#pragma once
// TDocumentForm: the base of a window over one document of a preparation kept
// in a file of its own (the method text, the nutrition label), which asks
// whether to store what was typed when the window is closed with changes.
//
// How to use it: derive the window, give the constructor the question asked
// on closing and the message of a store, implement writeDocument(), call
// setChanged() as the document is edited, read and stored, and connect the
// "A&juda" and "&Retorna" buttons to AjuBitBtnClick() and RetBitBtnClick().
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <QString>

namespace treluza {

class TDocumentForm : public TForm {
    Q_OBJECT
public:
    /** Something typed is not stored yet. */
    bool changed() const { return m_changed; }

    void AjuBitBtnClick();
    void RetBitBtnClick();

protected:
    /** The question asked on closing with changes and the message after
     *  storing them then. */
    struct CloseTexts {
        QString question;
        QString stored;
    };
    TDocumentForm(FormContext& context, CloseTexts texts, QWidget* parent);

    void setChanged(bool on) { m_changed = on; }
    /** Writes the document; false (after a message) when it cannot be
     *  written, and the changes stay unsaved. */
    virtual bool writeDocument() = 0;
    /** Asks about unsaved changes and stores them when told to; false when
     *  the window must stay open. */
    bool FormClose();
    void closeEvent(QCloseEvent* e) override;

    FormContext& m_context;

private:
    CloseTexts m_texts;
    bool m_changed = false;
};

} // namespace treluza
