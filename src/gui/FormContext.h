#pragma once
// FormContext: what every window is handed when it is created.
//
// How to use it: the program makes one FormContext, fills the folders, and
// passes it by reference to every window it creates (in the start-up order);
// the shared windows are put in as they are created, so a window finds them
// here when it runs (never in its constructor, where they may not exist yet).
// A window test makes its own, on a temporary base folder and configuration
// file. Nothing here looks paths up: they are handed over.
#include <filesystem>

namespace treluza {

class TAjuForm;
class TAltNomForm;
class TConForm;
class TIteVerForm;
class TLisForm;

struct FormContext {
    /** The base folder; the data root "Dados" is under it. */
    std::filesystem::path baseFolder;
    /** The configuration file itself (not its folder). */
    std::filesystem::path configFile;
    /** The help text file. */
    std::filesystem::path helpFile;

    TAjuForm* ajuForm = nullptr;
    TLisForm* lisForm = nullptr;
    TConForm* conForm = nullptr;
    TAltNomForm* altNomForm = nullptr;
    TIteVerForm* iteVerForm = nullptr;
};

} // namespace treluza
