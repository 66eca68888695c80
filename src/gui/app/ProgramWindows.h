#pragma once
// ProgramWindows: the windows of the program, wired together: the context and
// the shared windows it hands out, the message dialog, the main menu, and the
// window of each menu button, made the first time the button opens it.
//
// How to use it: main() makes one on the folders of the run, then shows
// menu(); the shell test makes one on temporary folders and drives it as the
// user would. The message dialog is the program's while the object lives.
#include "gui/app/NutUnit.h"
#include "gui/app/SharedWindows.h"

#include <filesystem>
#include <memory>

namespace treluza {

class TMesDlgForm;
class TCadTabForm;
class TCfgNutForm;
class TCadGruIngForm;
class TCadGruPreForm;
class TCadIngForm;
class TCadMedCas2Form;
class TCadTreluzaRotForm;

class ProgramWindows {
public:
    ProgramWindows(std::filesystem::path base, std::filesystem::path config, std::filesystem::path helpText);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    FormContext& context() { return m_windows.context(); }
    SharedWindows& shared() { return m_windows.shared(); }
    TTreluzaV4Form& menu() { return *m_menu; }

private:
    WindowContext m_windows;
    std::unique_ptr<TMesDlgForm> m_messages;
    std::unique_ptr<TTreluzaV4Form> m_menu;
    // The menu's windows, made when first opened.
    std::unique_ptr<TCadTabForm> m_tables;
    std::unique_ptr<TCfgNutForm> m_configuration;
    std::unique_ptr<TCadGruIngForm> m_ingredientGroups;
    std::unique_ptr<TCadGruPreForm> m_preparationGroups;
    std::unique_ptr<TCadIngForm> m_ingredients;
    std::unique_ptr<TCadMedCas2Form> m_measures;
    std::unique_ptr<TCadTreluzaRotForm> m_preparations;
};

} // namespace treluza
