#include "core/preparations/PreparationWalk.h"

#include "core/records/RecordLayouts.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"

namespace treluza {

namespace {

// The one walk: reads through the transaction when there is one, and stages
// what the visitor changed in it.
int walk(const std::filesystem::path& base, std::string_view table, Transaction* changes,
         ProgressSink& progress, const std::function<void(WalkedPreparation&)>& visit)
{
    const std::filesystem::path indexPath = PreparationIndexPath(base, table);
    const auto read = [changes](const std::filesystem::path& path) {
        return changes ? changes->readIfPresent(path) : readFileIfPresent(path);
    };
    std::vector<std::string> index = splitLines(read(indexPath));
    bool indexChanged = false;
    int changed = 0;
    {
        ProgressScope bar(progress, static_cast<int>(index.size()));
        for (std::size_t i = 0; i < index.size(); ++i) {
            bar.position(static_cast<int>(i));
            WalkedPreparation prep;
            prep.index = static_cast<int>(i);
            prep.name = FieldOf(IdxField::Name, index[i]);
            prep.indexLine = index[i];
            if (isUsableNameFor(NameUse::Preparation, prep.name)) {
                prep.file = PreparationFilePath(base, table, prep.name);
                prep.lines = splitLines(read(prep.file));
            } else if (changes) {
                continue; // a damaged index line names no file to rewrite
            }
            if (!changes) {
                visit(prep);
                continue;
            }
            // A file is rewritten only when the visitor changed its lines, so
            // a file in another form (LF breaks, no last break) that the change
            // does not concern is left as it is.
            const std::vector<std::string> before = prep.lines;
            visit(prep);
            const bool fileChanged = prep.lines != before;
            if (fileChanged)
                changes->write(prep.file, joinLines(prep.lines));
            if (prep.indexLine != index[i]) {
                index[i] = std::move(prep.indexLine);
                indexChanged = true;
            } else if (!fileChanged) {
                continue;
            }
            ++changed;
        }
    }
    if (indexChanged)
        changes->write(indexPath, joinLines(index));
    return changed;
}

} // namespace

void walkPreparations(const std::filesystem::path& base, std::string_view table, ProgressSink& progress,
                      const std::function<void(const WalkedPreparation&)>& visit)
{
    walk(base, table, nullptr, progress, [&visit](WalkedPreparation& prep) { visit(prep); });
}

int rewritePreparations(const std::filesystem::path& base, std::string_view table, Transaction& changes,
                        ProgressSink& progress, const std::function<void(WalkedPreparation&)>& visit)
{
    return walk(base, table, &changes, progress, visit);
}

bool replaceInField(std::string& line, int n, std::string_view from, std::string_view to)
{
    std::string field(FieldOf(n, line));
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
