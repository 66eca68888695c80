#pragma once
// The usage warning window: lists the preparations that a change or delete
// affects; the list can be printed or saved as a text file.
//
// How to use it: the ingredient register calls ScanIngredientUse(); it scans
// the table (showing the progress window) and, when the ingredient is used,
// shows the list modally. Other registers that found uses themselves call
// ShowUsage(message, names), or the primitives: clearText(), AddMessageLines()
// (the parts of the message between "//" as lines, then a line of "="),
// AddLines(), and openModal().
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <string>
#include <string_view>
#include <vector>

class QListWidget;

namespace treluza {

class TBitBtn;

class TIteVerForm : public TForm, public UsageList {
    Q_OBJECT
public:
    explicit TIteVerForm(FormContext& context, QWidget* parent = nullptr);

    /** The same warning serves a change and a delete. Returns whether the
     *  window was shown. */
    bool ScanIngredientUse(std::string_view table, std::string_view ingredient) override;

    /** Clears the list, adds the message lines and the names, shows the window. */
    void showUsage(std::string_view message, const std::vector<std::string>& names) override;

    void clear();
    void AddMessageLines(std::string_view message);
    void addLines(const std::vector<std::string>& lines);
    /** The lines of the list, as core text. */
    std::vector<std::string> lines() const;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    TBitBtn* BitBtn1;
    TBitBtn* BitBtn2;
    TBitBtn* BitBtn3;
    QListWidget* IteVerListBox;

private:
    FormContext& m_context;
};

} // namespace treluza
