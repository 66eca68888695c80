#pragma once
// The label file of a preparation: one line of what the user types for its
// nutrition label (the fields of LabelField), Windows-1252, CR LF.
//
// How to use it: readLabel() the file's bytes with the preparation's index
// line, which gives the defaults; labelBytes() is what "&Grava" writes.
#include "core/records/FieldTexts.h"
#include "core/records/PreparationRecords.h"
#include "core/records/RecordLayouts.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace treluza {

/** The texts of a label line. */
using LabelFields = FieldTexts<LabelField::Count>;

inline constexpr std::string_view kSolidUnit = "g";
inline constexpr std::string_view kLiquidUnit = "ml";
inline constexpr std::string_view kSwitchOn = "1";
inline constexpr std::string_view kSwitchOff = "0";

/** The label of a preparation that has none yet: a solid, a portion of the
 *  yield over the number of portions in whole grams (blank when either is
 *  not above zero), the carbohydrate taken to include fibre, every other
 *  field blank or off. */
LabelFields defaultLabel(const IndexFields& index);

/** A label file read. */
struct LabelRead {
    LabelFields fields;
    /** Something in the file could not be read (garbage, a NUL, a missing or
     *  extra field, a field too long or out of its mask): those fields hold
     *  their defaults. */
    bool damaged = false;
};

/** The label that a file's bytes hold. An empty file (or empty lines only)
 *  gives the defaults and is not damaged. */
LabelRead readLabel(std::string_view bytes, const IndexFields& index);

/** Reads the label file; a file larger than any label line is not read and
 *  counts as damaged. Throws FileReadError. */
LabelRead loadLabelFile(const std::filesystem::path& path, const IndexFields& index);

/** The bytes of the file: the fields each followed by "|", then CR LF. */
std::string labelBytes(const LabelFields& fields);

/** Writes the label file of a preparation of the table whole and atomically
 *  (writeTableFile). Throws FileWriteError and UnusableNameError. */
void saveLabelFile(const std::filesystem::path& base, std::string_view table, std::string_view preparation,
                   const LabelFields& fields);

bool switchOn(const LabelFields& fields, int n);
bool isLiquid(const LabelFields& fields);

} // namespace treluza
