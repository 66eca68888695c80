#include "core/preparations/PreparationWalk.h"

#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"

namespace treluza {

void walkPreparations(const std::filesystem::path& base, std::string_view table, ProgressSink& progress,
                      const std::function<void(WalkedPreparation&)>& visit)
{
    const std::vector<std::string> index = loadLines(PreparationIndexPath(base, table));
    ProgressScope bar(progress, static_cast<int>(index.size()));
    for (std::size_t i = 0; i < index.size(); ++i) {
        bar.position(static_cast<int>(i));
        WalkedPreparation prep;
        prep.index = static_cast<int>(i);
        prep.name = FieldOf(1, index[i]);
        if (isUsableName(prep.name)) {
            prep.file = PreparationFilePath(base, table, prep.name);
            prep.lines = loadLines(prep.file);
        }
        visit(prep);
    }
}

bool replaceInField(std::string& line, int n, std::string_view from, std::string_view to)
{
    std::string field = FieldOf(n, line);
    const std::size_t at = from.empty() ? std::string::npos : field.find(from);
    if (at == std::string::npos)
        return false;
    field.replace(at, from.size(), to);
    SetFieldOf(n, line, field);
    return true;
}

std::string separatorLine(char c)
{
    return std::string(73, c);
}

} // namespace treluza
