#include "core/preparations/PreparationFiles.h"

#include "core/store/FileIo.h"
#include "core/store/Paths.h"

#include <functional>
#include <optional>

namespace treluza {

namespace fs = std::filesystem;

namespace {

using PathBuilder = std::function<fs::path(const fs::path&, std::string_view, std::string_view)>;

// Remembers the first failure of a sequence of steps that all run.
class FirstFailure {
public:
    void note(const fs::path& path, const std::error_code& ec)
    {
        if (ec && !m_error)
            m_error.emplace(path, ec.message());
    }
    void raise() const
    {
        if (m_error)
            throw *m_error;
    }

private:
    std::optional<FileWriteError> m_error;
};

} // namespace

void savePreparationIndex(const fs::path& base, std::string_view table, const RecordList& index)
{
    SaveRecordFile(PreparationIndexPath(base, table), index);
}

int createPreparation(const fs::path& base, std::string_view table, RecordList& index, KeyList& keys,
                      const IndexFields& fields)
{
    const int position = index.add(MakeLine(fields));
    keys.add(fields[IdxField::Name]);
    savePreparationIndex(base, table, index);
    return position;
}

int renamePreparation(const fs::path& base, std::string_view table, RecordList& index, KeyList& keys,
                      int position, const IndexFields& fields)
{
    const std::string& newName = fields[IdxField::Name];
    if (keys.find(newName) >= 0)
        return -1;
    const std::string oldName = keyOf(index.at(position));
    index.remove(position);
    keys.remove(position);
    index.add(MakeLine(fields));
    const int moved = keys.add(newName);
    savePreparationIndex(base, table, index);
    movePreparationFiles(base, table, oldName, newName);
    return moved;
}

void movePreparationFiles(const fs::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName)
{
    const PathBuilder builders[] = {PreparationFilePath, MethodFilePath, LabelFilePath};
    FirstFailure failure;
    for (const auto& build : builders) {
        const fs::path from = build(base, table, oldName);
        const fs::path to = build(base, table, newName);
        if (from == to)
            continue;
        std::error_code ec;
        fs::remove(to, ec);
        failure.note(to, ec);
        if (ec)
            continue;
        fs::rename(from, to, ec);
        failure.note(from, ec);
    }
    failure.raise();
}

void deletePreparation(const fs::path& base, std::string_view table, RecordList& index, KeyList& keys,
                       int position)
{
    const std::string name = keyOf(index.at(position));
    index.remove(position);
    keys.remove(position);
    savePreparationIndex(base, table, index);
    deletePreparationFiles(base, table, name);
}

void deletePreparationFiles(const fs::path& base, std::string_view table, std::string_view name)
{
    const PathBuilder builders[] = {MethodFilePath, PreparationFilePath, LabelFilePath};
    FirstFailure failure;
    for (const auto& build : builders) {
        const fs::path path = build(base, table, name);
        std::error_code ec;
        fs::remove(path, ec);
        failure.note(path, ec);
    }
    failure.raise();
}

} // namespace treluza
