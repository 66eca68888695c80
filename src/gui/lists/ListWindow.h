#pragma once
// TListWindow: what the list viewer and the ingredient browser share. A row
// of navigation buttons, a group filter and an ordering over a list box of
// record lines, and a column header that scrolls sideways with the rows.
//
// How to derive: build the controls with addButtonRow(), optionCheck(),
// optionCombo(), makeRowList() and attachHeader(), then call
// connectListControls(). rebuildRows() refills the box after a filter or the
// ordering changed; chooseRow() is what a double click (askFirst false) and
// Enter on the list (askFirst true) do.
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <QString>

#include <initializer_list>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPoint;
class QRect;

namespace treluza {

class TBitBtn;

/** The entry at index, or "" when index is outside the entries. */
std::string entryAt(const std::vector<std::string>& entries, int index);

class TListWindow : public TForm {
    Q_OBJECT
public:
    QCheckBox* AtiFilCheckBox = nullptr;
    QComboBox* NomGruComboBox = nullptr;
    QCheckBox* AtiOrdCheckBox = nullptr;
    QComboBox* NomCamComboBox = nullptr;
    TBitBtn* PriBitBtn = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TBitBtn* UltBitBtn = nullptr;
    TBitBtn* AjuBitBtn = nullptr;
    TBitBtn* RetBitBtn = nullptr;
    QListWidget* LisFilOrdListBox = nullptr;

    /** Turning an option on hands the choice to its combo; turning it off
     *  shows the list without it at once. */
    void AtiFilCheckBoxClick();
    void NomGruComboBoxClick();
    void AtiOrdCheckBoxClick();
    void NomCamComboBoxClick();
    void PriBitBtnClick();
    void UltBitBtnClick();
    /** A quarter of the shown rows back and forth. */
    void BitBtn1Click();
    void BitBtn3Click();
    void LisFilOrdListBoxDblClick();
    void AjuBitBtnClick();

protected:
    TListWindow(FormContext& context, QWidget* parent);

    struct ButtonSpec {
        TBitBtn** button;
        const char* caption;
        const char* glyph;
        const char* name;
        int width;
    };
    /** The buttons side by side along the top, in the order given. */
    void addButtonRow(std::initializer_list<ButtonSpec> buttons, int height);
    /** A check box as wide as its caption: a click beside it does not toggle it. */
    QCheckBox* optionCheck(const char* name, const char* caption, const QPoint& at);
    QComboBox* optionCombo(const char* name, const QRect& geometry);
    void makeRowList(bool bold, const QRect& geometry);
    /** Shows header over the list, at top in the window and height high,
     *  its text starting where the rows' text starts and moved sideways with
     *  the rows, so that its columns stay over their fields. */
    void attachHeader(QWidget* header, int top, int height);
    /** Connects the shared controls to their handlers. */
    void connectListControls();

    virtual void rebuildRows() = 0;
    virtual void chooseRow(bool askFirst) = 0;

    /** An option box turned on hands the choice to its combo, none chosen;
     *  turned off, the rows are shown without it at once. */
    void toggleOption(const QCheckBox& option, QComboBox& choice);

    /** The index in the shown lines of the selected row, or -1. */
    int selectedLine() const;

    void keyPressEvent(QKeyEvent* e) override;

    FormContext& m_context;
    /** The window texts of all lines, and the lines shown, in row order. */
    std::vector<QString> m_texts;
    std::vector<int> m_rows;
};

} // namespace treluza
