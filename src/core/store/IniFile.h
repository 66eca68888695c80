#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** The configuration file, read and written with private-profile semantics:
 *  sections and keys are found without regard to case, values are read without
 *  surrounding blanks, booleans are 0/1 (any other number reads as true),
 *  integers are decimal or 0x hexadecimal, and a missing key or a value that is
 *  not a number yields the reader's default. The file is Windows-1252 with
 *  CR LF; lines it does not know (other sections, other keys, comments) are
 *  kept when it is rewritten. A missing file is created empty when opened.
 *
 *  A file saved as UTF-16 or UTF-8 with its byte-order mark is read as such.
 *  A file that exists but cannot be read reads as empty (every key gives its
 *  default), and one that cannot be taken whole (a NUL inside, a character
 *  without a Windows-1252 form) reads as far as it can; either failure is
 *  remembered: every write to the file then throws FileWriteError and changes
 *  nothing, so a real file is never replaced by one made of a few keys.
 *
 *  Every write replaces the whole file atomically and throws FileWriteError on
 *  failure (the file and this object keep the old values). Several keys can be
 *  written in one replacement: set them with the set functions, then save. */
class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    /** A configuration held in memory only, read from the bytes of a file; it
     *  has no path, and saving it throws FileWriteError. */
    static IniFile fromBytes(std::string_view bytes);

    /** Whether the file existed but could not be read, or not whole. */
    bool readFailed() const { return m_readFailed; }

    const std::filesystem::path& path() const { return m_path; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool hasKey(std::string_view section, std::string_view key) const;

    /** Sets a key in memory; reads see it at once, the file only after save.
     *  CR, LF and what follows a NUL cannot reach the file: a line break
     *  becomes a blank, a NUL ends the value. */
    void setString(std::string_view section, std::string_view key, std::string_view value);
    void setBool(std::string_view section, std::string_view key, bool value);
    void setInteger(std::string_view section, std::string_view key, int value);

    /** Writes every key set since the last save in one replacement of the
     *  file. Throws FileWriteError (also when the file could not be read);
     *  the file is then untouched and this object forgets what was set. */
    void save();
    /** Whether keys were set since the last save. */
    bool pending() const { return m_lines != m_saved; }

    /** The bytes save writes: every line followed by CR LF. */
    std::string bytes() const;

    /** setString and save: one key, one replacement. */
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void writeInteger(std::string_view section, std::string_view key, int value);

private:
    IniFile() = default;
    int findSection(std::string_view section) const;
    int findKey(int sectionLine, std::string_view key) const;

    std::filesystem::path m_path;
    std::vector<std::string> m_lines;
    std::vector<std::string> m_saved; // the lines as the file holds them
    bool m_readFailed = false;
};

/** Reads an integer text as the configuration file does: optional sign, then
 *  decimal digits or 0x and hexadecimal digits; false when it is not one. */
bool parseIniInteger(std::string_view text, int& value);

// Sections and keys of the configuration file (Windows-1252 texts).
inline constexpr const char* kSecFixTable = "Fixa Tabela";
inline constexpr const char* kKeyFixTab = "FixTab";
inline constexpr const char* kKeyNomTab = "NomTab";
inline constexpr const char* kSecTechnician = "T\351cnico"; // "Técnico"
inline constexpr const char* kKeyNomTec = "NomTec";
inline constexpr const char* kKeyConTec = "ConTec";
inline constexpr const char* kKeyResImp = "ResImp";
inline constexpr const char* kSecIngredientList = "Lista Ingredientes";
inline constexpr const char* kSecPreparationList = "Lista Prepara\347\365es"; // "Lista Preparações"
inline constexpr const char* kKeyAtiFil = "AtiFil";
inline constexpr const char* kKeyGruFil = "GruFil";
inline constexpr const char* kKeyAtiOrd = "AtiOrd";
inline constexpr const char* kKeyCamOrd = "CamOrd";
inline constexpr const char* kKeyAtiFilPalCha = "AtiFilPalCha";
inline constexpr const char* kKeyPalCha = "PalCha";
inline constexpr const char* kKeyPosFilOrd = "PosFilOrd";
inline constexpr int kDefaultResImp = 300;

/** A text stored with a closing "|" (so that its padding survives the trimming
 *  of values) without its last character. */
std::string dropLastChar(std::string text);

} // namespace treluza
