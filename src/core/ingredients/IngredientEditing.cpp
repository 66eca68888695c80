#include "core/ingredients/IngredientEditing.h"

#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"

#include <optional>
#include <system_error>

namespace treluza {

namespace fs = std::filesystem;

namespace {

/** The number of one date part: blanks, one to maxDigits digits, blanks. */
std::optional<int> datePart(std::string_view part, int maxDigits = 2)
{
    std::size_t i = 0;
    while (i < part.size() && part[i] == ' ')
        ++i;
    int value = 0;
    int digits = 0;
    while (i < part.size() && part[i] >= '0' && part[i] <= '9') {
        value = value * 10 + (part[i] - '0');
        ++digits;
        ++i;
    }
    while (i < part.size() && part[i] == ' ')
        ++i;
    if (digits == 0 || digits > maxDigits || i != part.size())
        return std::nullopt;
    return value;
}

int daysInMonth(int month, int year)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

} // namespace

namespace {

bool isCalendarDate(std::string_view text, int yearDigits)
{
    const std::size_t first = text.find('/');
    if (first == std::string_view::npos)
        return false;
    const std::size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos || text.find('/', second + 1) != std::string_view::npos)
        return false;
    const auto day = datePart(text.substr(0, first));
    const auto month = datePart(text.substr(first + 1, second - first - 1));
    const auto year = datePart(text.substr(second + 1), yearDigits);
    if (!day || !month || !year || *month < 1 || *month > 12)
        return false;
    int fullYear = *year;
    if (yearDigits == 2)
        fullYear = *year < 50 ? 2000 + *year : 1900 + *year;
    return *day >= 1 && *day <= daysInMonth(*month, fullYear);
}

} // namespace

bool isValidQuoteDate(std::string_view text)
{
    return isCalendarDate(text, 2);
}

bool isValidPreparationDate(std::string_view text)
{
    return isCalendarDate(text, 4);
}

void moveMeasureFile(const fs::path& base, std::string_view table, std::string_view oldName,
                     std::string_view newName, Transaction& changes)
{
    const fs::path oldPath = MeasureFilePath(base, table, oldName);
    const std::vector<std::string> lines = splitLines(changes.readIfPresent(oldPath));
    if (!lines.empty())
        changes.write(MeasureFilePath(base, table, newName), joinLines(lines));
    changes.remove(oldPath);
}

void moveMeasureFile(const fs::path& base, std::string_view table, std::string_view oldName,
                     std::string_view newName)
{
    inTableTransaction(base, table, [&](Transaction& changes) {
        moveMeasureFile(base, table, oldName, newName, changes);
        return 0;
    });
}

bool deleteMeasureFile(const fs::path& base, std::string_view table, std::string_view name,
                       Transaction& changes)
{
    const fs::path path = MeasureFilePath(base, table, name);
    std::error_code ec;
    if (!changes.stages(path) && !fs::exists(path, ec))
        return false;
    changes.remove(path);
    return true;
}

bool deleteMeasureFile(const fs::path& base, std::string_view table, std::string_view name)
{
    return inTableTransaction(
        base, table, [&](Transaction& changes) { return deleteMeasureFile(base, table, name, changes); });
}

} // namespace treluza
