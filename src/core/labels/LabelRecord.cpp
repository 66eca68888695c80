#include "core/labels/LabelRecord.h"

#include "core/store/DecimalField.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"

#include <algorithm>
#include <optional>

namespace treluza {

namespace {

// A label line is at most some 120 characters; a file this large holds none.
constexpr std::uintmax_t kLargestFile = 4096;

std::string_view maskOf(int n)
{
    return fieldMask(RecordKind::Label, n);
}

/** A number field as written: the blank template, or the value in the mask;
 *  nothing when the text is no number the mask holds (a sign, too many
 *  places, decimals in a whole field). */
std::optional<std::string> readMasked(std::string_view text, int n)
{
    const std::string_view mask = maskOf(n);
    if (text.empty() || isBlankField(text, mask))
        return blankField(RecordKind::Label, n);
    if (text.size() > mask.size() || !isDecimalText(text) ||
        text.find_first_of("+-eE") != std::string_view::npos)
        return std::nullopt;
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos &&
        text.substr(comma + 1).find_last_not_of(' ') + 1 > static_cast<std::size_t>(MaskDecimals(mask)))
        return std::nullopt;
    const Exact value = readNumber(text);
    if (value > maskMaximum(mask))
        return std::nullopt;
    return fieldText(value, mask);
}

bool isSwitch(int n)
{
    return n >= LabelField::FibreInCarbohydrate || n == LabelField::About;
}

/** The field as stored when its text can be read; nothing otherwise. */
std::optional<std::string> readField(int n, std::string_view text)
{
    if (n == LabelField::Unit) {
        if (text == kSolidUnit || text == kLiquidUnit)
            return std::string(text);
        return std::nullopt;
    }
    if (isSwitch(n)) {
        if (text == kSwitchOn || text == kSwitchOff)
            return std::string(text);
        return std::nullopt;
    }
    if (n == LabelField::Measure) {
        const bool control = std::any_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
        });
        if (control || text.size() > static_cast<std::size_t>(fieldWidth(RecordKind::Label, n)))
            return std::nullopt;
        return TrimTrailingSpaces(std::string(text));
    }
    return readMasked(text, n);
}

} // namespace

LabelFields defaultLabel(const IndexFields& index)
{
    LabelFields f;
    for (int n = 1; n <= LabelField::Count; ++n)
        f[n] = isSwitch(n) ? std::string(kSwitchOff) : blankField(RecordKind::Label, n);
    f[LabelField::Unit] = kSolidUnit;
    f[LabelField::FibreInCarbohydrate] = kSwitchOn;
    const Exact yield = readNumber(index[IdxField::Yield]);
    const Exact portions = readNumber(index[IdxField::Portions]);
    if (yield.positive() && portions.positive()) {
        const Exact portion = yield / portions;
        if (portion.roundedUnits(0) > 0 && portion <= maskMaximum(maskOf(LabelField::Portion)))
            f[LabelField::Portion] = fieldText(portion, maskOf(LabelField::Portion));
    }
    return f;
}

LabelRead readLabel(std::string_view bytes, const IndexFields& index)
{
    LabelRead read{defaultLabel(index), false};
    std::vector<std::string> lines = splitLines(bytes);
    if (bytes.find('\0') != std::string_view::npos)
        read.damaged = true;
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.empty())
        return read;
    if (lines.size() > 1)
        read.damaged = true;

    std::string_view line = lines.front();
    for (int n = 1; n <= LabelField::Count; ++n) {
        const std::size_t bar = line.find('|');
        if (bar == std::string_view::npos) {
            read.damaged = true; // this field and those after it are missing
            break;
        }
        if (const std::optional<std::string> field = readField(n, line.substr(0, bar)))
            read.fields[n] = *field;
        else
            read.damaged = true;
        line.remove_prefix(bar + 1);
    }
    if (!line.empty())
        read.damaged = true;
    return read;
}

LabelRead loadLabelFile(const std::filesystem::path& path, const IndexFields& index)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kLargestFile)
        return {defaultLabel(index), true};
    return readLabel(readWholeFile(path), index);
}

std::string labelBytes(const LabelFields& fields)
{
    return joinFields(fields) + "\r\n";
}

void saveLabelFile(const std::filesystem::path& base, std::string_view table, std::string_view preparation,
                   const LabelFields& fields)
{
    writeTableFile(base, table, LabelFilePath(base, table, preparation), labelBytes(fields));
}

bool switchOn(const LabelFields& fields, int n)
{
    return fields[n] == kSwitchOn;
}

bool isLiquid(const LabelFields& fields)
{
    return fields[LabelField::Unit] == kLiquidUnit;
}

} // namespace treluza
