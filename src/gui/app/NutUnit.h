#pragma once
// The main menu: nine picture buttons, each opening one window modally, and
// the active table.
//
// How to plug a window in: plugWindow(button, form, tableWindow) enables the
// button and makes it open form. Before the window opens the menu resolves
// the table as the button needs (the ingredient, household measure and
// preparation buttons ask for a table with the table picker when none is
// fixed, the group buttons only when no table is named at all, and nothing
// opens when none is picked), then calls tableWindow->handOver() with the
// active table's name (Windows-1252, as in the registry) so that the opener
// sets the window's fields (table name, register mode Empty), then sets the
// window's open flag and shows it modally. After it closes the active table
// is read again. A button with no window plugged in stays disabled.
// plugWindowMaker(button, make) does the same for a window made by make() the
// first time its button is clicked, so that start-up builds only the menu.
#include "core/tables/ActiveTable.h"
#include "gui/widgets/Form.h"

#include <array>
#include <functional>
#include <string>
#include <utility>

class QToolButton;

namespace treluza {

struct FormContext;
class TableWindow;

enum class MenuButton {
    Help,              // "Ajuda"
    Tables,            // "Cria NOVA Tabela de Ingredientes"
    Config,            // "Configuração - Define Tabela Ativa"
    IngredientGroups,  // "Grupos de Ingredientes da Tabela Ativa"
    Ingredients,       // "Ingredientes da Tabela Ativa"
    Measures,          // "Medidas Caseiras para os Ingredientes"
    PreparationGroups, // "Grupos de Preparações da Tabela Ativa"
    Preparations,      // "Cadastra Preparações da Tabela Ativa"
};

class TTreluzaV4Form : public TForm {
    Q_OBJECT
public:
    explicit TTreluzaV4Form(FormContext& context, QWidget* parent = nullptr);

    void plugWindow(MenuButton button, TForm* form, TableWindow* tableWindow = nullptr);
    /** The button's window and the table window that receives the table's
     *  name (none for a window that works on no table). */
    using PluggedWindow = std::pair<TForm*, TableWindow*>;
    void plugWindowMaker(MenuButton button, std::function<PluggedWindow()> make);

    /** Reads the fixed table from the configuration and checks it against the
     *  registry; sets the caption and, when the table is found, the editable
     *  flag. */
    void ReadActiveTable();
    /** Asks for a table with the table picker; false when the registry is
     *  empty or cannot be read (the user was told). */
    bool PickActiveTable();

    bool fixed() const { return m_fixed; }
    /** The active table: its name, and whether it may be changed. */
    const ActiveTable& activeTable() const { return m_active; }

    void FimBitBtnClick();
    void TabBitBtnClick();
    void CfgNutBitBtnClick();
    void GruBitBtnClick();
    void CadIngBitBtnClick();
    void MedCasBitBtnClick();
    void RelBitBtnClick();
    void CadTreluzaRotRotBitBtnClick();
    void BitBtn1Click();

    QToolButton* FimBitBtn;
    QToolButton* TabBitBtn;
    QToolButton* CfgNutBitBtn;
    QToolButton* GruBitBtn;
    QToolButton* CadIngBitBtn;
    QToolButton* MedCasBitBtn;
    QToolButton* RelBitBtn;
    QToolButton* CadTreluzaRotRotBitBtn;
    QToolButton* BitBtn1;

protected:
    void windowActivated() override;

private:
    struct Plug {
        TForm* form = nullptr;
        TableWindow* tableWindow = nullptr;
        std::function<PluggedWindow()> make; // until the window is made
    };

    QToolButton* buttonFor(MenuButton button) const;
    QToolButton* makeButton(const QString& name, const QString& caption, const QString& picture, int row,
                            int column);
    /** What a button needs of the active table before its window opens: nothing,
     *  a name that can name a table (the group registers work on the name as it
     *  stands), or a fixed table (otherwise the user picks one). */
    enum class TableNeed { None, Named, Fixed };

    void openWindow(MenuButton button, TableNeed need);

    FormContext& m_context;
    std::array<Plug, 8> m_plugs;
    bool m_fixed = false;
    ActiveTable m_active;
};

} // namespace treluza
