#include "core/store/Journal.h"

#include "core/store/FileIo.h"
#include "core/store/Paths.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <exception>
#include <optional>
#include <set>
#include <stdexcept>

namespace treluza {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHeader = "TRELUZA JOURNAL 1\r\n";
constexpr std::string_view kEnd = "END ";
constexpr std::string_view kBreak = "\r\n";

std::array<std::uint32_t, 256> crcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

std::uint32_t crc32(std::string_view bytes)
{
    static const std::array<std::uint32_t, 256> table = crcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char ch : bytes)
        c = table[(c ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string hex8(std::uint32_t v)
{
    static const char digits[] = "0123456789abcdef";
    std::string s(8, '0');
    for (int i = 7; i >= 0; --i, v >>= 4)
        s[static_cast<std::size_t>(i)] = digits[v & 0xF];
    return s;
}

// A path of the journal names a file inside its folder: relative, no empty,
// "." or ".." part, no NUL.
bool isInsidePath(std::string_view path)
{
    if (path.empty() || path.front() == '/' || path.find('\0') != std::string_view::npos)
        return false;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, slash - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = slash + 1;
    }
    return true;
}

// Reads the text up to the next CR LF and moves past it.
std::optional<std::string_view> takeLine(std::string_view& rest)
{
    const std::size_t at = rest.find(kBreak);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = rest.substr(0, at);
    rest.remove_prefix(at + kBreak.size());
    return line;
}

std::optional<std::size_t> number(std::string_view text)
{
    // Written as the encoder writes it: no sign, no leading zero.
    std::size_t value = 0;
    if (text.empty() || text.size() > 12 || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::string_view> take(std::string_view& rest, std::size_t n)
{
    if (n > rest.size())
        return std::nullopt;
    const std::string_view part = rest.substr(0, n);
    rest.remove_prefix(n);
    return part;
}

// One entry: "W <path length> <data length>" or "D <path length>", then the
// path, the data and CR LF.
std::optional<JournalEntry> takeEntry(std::string_view& rest)
{
    const auto head = takeLine(rest);
    if (!head || head->size() < 3 || (*head)[1] != ' ')
        return std::nullopt;
    JournalEntry entry;
    std::size_t dataLength = 0;
    std::optional<std::size_t> pathLength;
    const std::string_view sizes = head->substr(2);
    if ((*head)[0] == 'W') {
        const std::size_t blank = sizes.find(' ');
        if (blank == std::string_view::npos)
            return std::nullopt;
        pathLength = number(sizes.substr(0, blank));
        const auto data = number(sizes.substr(blank + 1));
        if (!data)
            return std::nullopt;
        dataLength = *data;
    } else if ((*head)[0] == 'D') {
        entry.remove = true;
        pathLength = number(sizes);
    } else {
        return std::nullopt;
    }
    if (!pathLength)
        return std::nullopt;
    const auto path = take(rest, *pathLength);
    const auto data = path ? take(rest, dataLength) : std::nullopt;
    if (!data || !isInsidePath(*path) || !rest.starts_with(kBreak))
        return std::nullopt;
    rest.remove_prefix(kBreak.size());
    entry.path = std::string(*path);
    entry.bytes = std::string(*data);
    return entry;
}

// Writes and deletes the files of a journal. Each folder is synced once at
// the end rather than after every file: until the journal is deleted, a power
// cut only means that the replay does the same again.
void applyEntries(const fs::path& folder, const std::vector<JournalEntry>& entries)
{
    std::set<fs::path> folders;
    for (const JournalEntry& e : entries) {
        const fs::path target = folder / fs::path(e.path);
        folders.insert(target.parent_path());
        if (e.remove) {
            removeFile(target, false);
            continue;
        }
        std::error_code ec;
        if (!fs::is_directory(target.parent_path(), ec))
            fs::create_directories(target.parent_path(), ec);
        writeFileAtomic(target, e.bytes, false);
    }
    for (const fs::path& f : folders)
        syncFolder(f);
}

// Removes the temporaries interrupted writes left in a folder and its
// sub-folders (one level: the table folder's own folders).
void removeStaleTemporaries(const fs::path& folder, int depth)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path p = it->path();
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            if (depth > 0)
                removeStaleTemporaries(p, depth - 1);
        } else if (isTemporaryName(p.filename().string())) {
            fs::remove(p, typeError);
        }
    }
}

} // namespace

Transaction::Transaction(fs::path folder) : m_folder(std::move(folder).lexically_normal()) {}

Transaction Transaction::forTable(const fs::path& base, std::string_view table)
{
    return Transaction(tableFolderPath(base, table));
}

std::string Transaction::relative(const fs::path& file) const
{
    const std::string rel = file.lexically_normal().lexically_relative(m_folder).generic_string();
    if (!isInsidePath(rel))
        throw std::invalid_argument("file outside the transaction's folder: " + file.string());
    return rel;
}

JournalEntry& Transaction::entryFor(const fs::path& file)
{
    const std::string rel = relative(file);
    const auto [it, added] = m_byPath.try_emplace(rel, m_entries.size());
    if (added)
        m_entries.push_back(JournalEntry{rel, false, {}});
    return m_entries[it->second];
}

void Transaction::write(const fs::path& file, std::string bytes)
{
    JournalEntry& e = entryFor(file);
    e.remove = false;
    e.bytes = std::move(bytes);
}

void Transaction::remove(const fs::path& file)
{
    JournalEntry& e = entryFor(file);
    e.remove = true;
    e.bytes.clear();
}

void Transaction::move(const fs::path& from, const fs::path& to)
{
    if (relative(from) == relative(to))
        return;
    std::string content;
    std::error_code ec;
    if (stages(from) || fs::exists(from, ec))
        content = read(from);
    write(to, std::move(content));
    remove(from);
}

bool Transaction::stages(const fs::path& file) const
{
    return m_byPath.count(relative(file)) > 0;
}

std::string Transaction::read(const fs::path& file) const
{
    const auto it = m_byPath.find(relative(file));
    if (it == m_byPath.end())
        return readWholeFile(file);
    return m_entries[it->second].bytes;
}

void Transaction::commit()
{
    if (m_entries.empty())
        return;
    // A change a crash left half done is completed before this one starts.
    replayJournal(m_folder);
    // What is sure to fail is refused before the journal exists: a journal
    // that can never be applied would stop every later change of the table.
    for (const JournalEntry& e : m_entries) {
        const fs::path target = m_folder / fs::path(e.path);
        std::error_code ec;
        if (fs::is_directory(target, ec))
            throw FileWriteError(target, "is a folder");
        if (!e.remove && !fs::is_directory(target.parent_path(), ec)) {
            fs::create_directories(target.parent_path(), ec);
            if (ec)
                throw FileWriteError(target, ec.message());
        }
    }
    const fs::path journal = journalPath(m_folder);
    writeFileAtomic(journal, encodeJournal(m_entries));
    applyEntries(m_folder, m_entries);
    removeFile(journal);
    m_entries.clear();
    m_byPath.clear();
}

fs::path journalPath(const fs::path& folder)
{
    return folder / "Transacao.jnl";
}

std::string encodeJournal(const std::vector<JournalEntry>& entries)
{
    std::size_t total = kHeader.size() + 32;
    for (const JournalEntry& e : entries)
        total += e.path.size() + e.bytes.size() + 48;
    std::string out;
    out.reserve(total);
    out += kHeader;
    out += std::to_string(entries.size());
    out += kBreak;
    for (const JournalEntry& e : entries) {
        if (e.remove) {
            out += "D " + std::to_string(e.path.size());
        } else {
            out += "W " + std::to_string(e.path.size()) + " " + std::to_string(e.bytes.size());
        }
        out += kBreak;
        out += e.path;
        if (!e.remove)
            out += e.bytes;
        out += kBreak;
    }
    out += kEnd;
    out += hex8(crc32(out));
    out += kBreak;
    return out;
}

std::optional<std::vector<JournalEntry>> parseJournal(std::string_view bytes)
{
    // The checksum line closes the journal: "END " and eight hex digits.
    constexpr std::size_t kTail = kEnd.size() + 8 + kBreak.size();
    if (bytes.size() < kHeader.size() + kTail || !bytes.starts_with(kHeader) || !bytes.ends_with(kBreak))
        return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - kTail + kEnd.size());
    if (!body.ends_with(kEnd) || hex8(crc32(body)) != bytes.substr(body.size(), 8))
        return std::nullopt;
    std::string_view rest = body.substr(kHeader.size(), body.size() - kHeader.size() - kEnd.size());
    const auto countLine = takeLine(rest);
    const auto count = countLine ? number(*countLine) : std::nullopt;
    // Every entry takes at least seven bytes, so a larger count is a lie.
    if (!count || *count > rest.size() / 7 + 1)
        return std::nullopt;
    std::vector<JournalEntry> entries;
    entries.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        auto entry = takeEntry(rest);
        if (!entry)
            return std::nullopt;
        entries.push_back(std::move(*entry));
    }
    if (!rest.empty())
        return std::nullopt;
    return entries;
}

bool replayJournal(const fs::path& folder)
{
    const fs::path journal = journalPath(folder);
    std::error_code ec;
    // A journal whose own write was cut short: the change never began.
    fs::remove(temporaryPathFor(journal), ec);
    if (!fs::exists(fs::symlink_status(journal, ec)))
        return false;
    const std::optional<std::vector<JournalEntry>> entries = parseJournal(readWholeFile(journal));
    if (entries)
        applyEntries(folder, *entries);
    removeFile(journal);
    return entries.has_value();
}

int replayJournals(const fs::path& base)
{
    const fs::path root = dataRoot(base);
    std::error_code ec;
    if (!fs::is_directory(root, ec))
        return 0;
    std::vector<fs::path> folders{root};
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            folders.push_back(it->path());
    }
    int replayed = 0;
    std::exception_ptr failure;
    for (const fs::path& folder : folders) {
        try {
            replayed += replayJournal(folder) ? 1 : 0;
        } catch (const StoreError&) {
            if (!failure)
                failure = std::current_exception();
            continue;
        }
        removeStaleTemporaries(folder, folder == root ? 0 : 1);
    }
    if (failure)
        std::rethrow_exception(failure);
    return replayed;
}

bool replayTableJournal(const fs::path& base, std::string_view table)
{
    return replayJournal(tableFolderPath(base, table));
}

} // namespace treluza
