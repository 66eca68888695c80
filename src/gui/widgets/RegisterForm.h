#pragma once
// TRegisterForm: the register cycle every register window shares.
//
// How to use it: derive the register from TRegisterForm, call
// buildButtonRow() in the constructor, then build the fields and implement
// the hooks: keyEdit() (the name field), MakeLine(), ShowCurrent(),
// ClearFields(), ApplyMode(). Connect the buttons with connectButtons() and
// the name field's Exit to keyEditExit(). The base then runs, with the
// system's messages: the exit of the name field (lookup, Empty -> Showing or
// Inserting, "Código inválido!"), "&Novo", "&Grava" (insert or change with
// their confirmations and failure messages), "&Exclui", "&Anterior",
// "&Próximo", "&Lista", "A&juda", "&Retorna", the rename through the rename
// dialog, and "Erro de lógica!" for a request in a mode where it cannot
// happen. A register adds its own checks through beforeChange(),
// beforeDelete() and the other virtual hooks.
#include "core/store/RegisterData.h"
#include "core/store/Sinks.h"
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace treluza {

class TBitBtn;
class TMaskEdit;

class TRegisterForm : public TForm {
    Q_OBJECT
public:
    explicit TRegisterForm(FormContext& context, QWidget* parent = nullptr);

    TBitBtn* GraBitBtn = nullptr;
    TBitBtn* NovBitBtn = nullptr;
    TBitBtn* ExcBitBtn = nullptr;
    TBitBtn* AntBitBtn = nullptr;
    TBitBtn* ProBitBtn = nullptr;
    TBitBtn* LisBitBtn = nullptr;
    TBitBtn* AjuBitBtn = nullptr;
    TBitBtn* RetBitBtn = nullptr;

    RegisterMode mode() const { return m_mode; }
    /** The register mode; openers hand over mode Empty. */
    void setMode(RegisterMode mode) { m_mode = mode; }
    const RegisterData& data() const { return m_data; }

    /** The shared handlers (public so that tests and openers can reach them). */
    void keyEditExit(QWidget* next);
    void NovBitBtnClick();
    void GraBitBtnClick();
    void ExcBitBtnClick();
    void AntBitBtnClick();
    void ProBitBtnClick();
    void LisBitBtnClick();
    void AjuBitBtnClick();
    void RetBitBtnClick();

protected:
    /** Makes the eight buttons in a row at the top, each width x height;
     *  returns the y below them. */
    int buildButtonRow(int width, int height);
    /** Connects the eight buttons to their handlers. */
    void connectButtons();

    virtual TMaskEdit* keyEdit() = 0;
    /** The record line of the fields. */
    virtual std::string MakeLine() = 0;
    virtual void ShowCurrent() = 0;
    virtual void ClearFields() = 0;
    /** Enables the controls and places the focus for the current mode. */
    virtual void ApplyMode() = 0;

    /** Writes the record list to the file. */
    virtual void saveFile() { m_data.save(); }
    /** Whether leaving a blank name towards next needs no message. */
    virtual bool isFreeTarget(QWidget* next) const;
    /** A new name typed in mode Empty: false refuses it (with a message of the
     *  register's own) and keeps the focus on the name. */
    virtual bool acceptNewKey(const std::string& key);
    /** Checks before "Confirma alteração?"; false stops the change (the hook
     *  sets the mode and applies it). */
    virtual bool beforeChange() { return true; }
    /** Checks before "Confirma exclusão?"; false stops the delete and returns
     *  to mode Showing. */
    virtual bool beforeDelete() { return true; }
    virtual void insertDeclined() {}
    virtual void changeDeclined() {}
    /** Runs after "&Anterior" or "&Próximo" showed another record. */
    virtual void afterBrowse() {}
    virtual QString listCaption() const = 0;
    /** The lines the list picker offers: the key list unless overridden. */
    virtual QStringList listItems() const;

    /** The part of ApplyMode every register shares: in mode Empty the fields
     *  are cleared and only the name field is open; "&Grava" works while
     *  inserting or showing, "&Exclui", "&Anterior" and "&Próximo" while
     *  showing, "&Lista" except while inserting. */
    void applyCommonMode();

    /** A usage scan before a change or delete: true when nothing uses the
     *  record; otherwise the warning window lists the users under the message
     *  and the answer is false. A scan that cannot read its files shows the
     *  failure message and also answers false. */
    bool checkUnused(const std::function<std::vector<std::string>()>& scan, const std::string& message,
                     const QString& failure);

    /** The progress window for long file work (a silent sink when there is none). */
    ProgressSink& progress();

    /** Shows "Erro de lógica!" and closes the window. */
    void logicError();

    /** The rename of the current record through the rename dialog: refuses a
     *  blank name and a name the key list holds (existsMessage), then replaces
     *  the record, saves the file and calls CarryRename with the old and new
     *  key texts. Returns whether the record was renamed. */
    bool renameCurrent(const QString& caption, const QString& existsMessage);
    /** Carries a rename into the files that name the key; throws on failure. */
    virtual void carryRename(const std::string& oldKey, const std::string& newKey);

    FormContext& m_context;
    RegisterData m_data;
    RegisterMode m_mode = RegisterMode::Empty;
};

} // namespace treluza
