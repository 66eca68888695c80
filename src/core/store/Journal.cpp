#include "core/store/Journal.h"

#include "core/store/Collation.h"
#include "core/store/Cp1252.h"
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

constexpr std::string_view kHeader = "TRELUZA JOURNAL 2\r\n";
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
// sub-folders (one level: the table folder's own folders). Links are left
// alone: what they lead to may be outside the data folder.
void removeStaleTemporaries(const fs::path& folder, int depth)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path p = it->path();
        std::error_code typeError;
        const fs::file_status status = it->symlink_status(typeError);
        if (fs::is_directory(status)) {
            if (depth > 0)
                removeStaleTemporaries(p, depth - 1);
        } else if (fs::is_regular_file(status) && isTemporaryName(p.filename().string())) {
            fs::remove(p, typeError);
        }
    }
}

// The name of a folder as a journal records it.
std::string folderName(const fs::path& folder)
{
    const fs::path normal = folder.lexically_normal();
    return (normal.has_filename() ? normal : normal.parent_path()).filename().string();
}

// Whether a path's real location (its links resolved) is inside the folder's.
bool staysInside(const fs::path& folder, const fs::path& path)
{
    std::error_code ec;
    const fs::path inside = fs::weakly_canonical(folder, ec);
    if (ec)
        return false;
    const fs::path real = fs::weakly_canonical(path, ec);
    if (ec)
        return false;
    const fs::path rel = real.lexically_relative(inside);
    return !rel.empty() && *rel.begin() != ".." && rel != ".";
}

// Whether the entries of a journal can be applied in the folder: no entry
// names a folder, and none reaches outside the folder through a link.
bool appliesInside(const fs::path& folder, const std::vector<JournalEntry>& entries)
{
    for (const JournalEntry& e : entries) {
        const fs::path target = folder / fs::path(e.path);
        std::error_code ec;
        if (fs::is_directory(fs::symlink_status(target, ec)) || !staysInside(folder, target))
            return false;
    }
    return true;
}

// Renames an unusable journal out of the way, untouched.
void setAside(const fs::path& journal, const fs::path& folder)
{
    const fs::path aside = setAsideName(folder);
    std::error_code ec;
    fs::rename(journal, aside, ec);
    if (ec)
        throw FileWriteError(journal, "cannot set the journal aside: " + ec.message());
    syncFolder(folder);
}

} // namespace

Transaction::Transaction(fs::path folder) : m_folder(std::move(folder).lexically_normal())
{
    // Nothing is read or written through a folder whose last change is not
    // complete: it is completed first.
    finishPendingChange(m_folder);
}

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

bool Transaction::IgnoringCase::operator()(const std::string& a, const std::string& b) const
{
    return compareText(a, b) < 0;
}

JournalEntry& Transaction::entryFor(const fs::path& file, bool remove)
{
    const std::string rel = relative(file);
    if (const auto it = m_byPath.find(rel); it != m_byPath.end()) {
        JournalEntry& e = m_entries[it->second];
        if (e.remove != remove)
            throw UnusableNameError(fromUtf8(rel));
        return e;
    }
    // Two paths that differ only in letter case name one file on a
    // case-insensitive disk.
    if (!m_namesIgnoringCase.insert(fromUtf8(rel)).second)
        throw UnusableNameError(fromUtf8(rel));
    m_byPath.emplace(rel, m_entries.size());
    m_entries.push_back(JournalEntry{rel, remove, {}});
    return m_entries.back();
}

void Transaction::write(const fs::path& file, std::string bytes)
{
    entryFor(file, false).bytes = std::move(bytes);
}

void Transaction::remove(const fs::path& file)
{
    entryFor(file, true);
}

void Transaction::move(const fs::path& from, const fs::path& to)
{
    if (relative(from) == relative(to))
        return;
    // A move never starts from, nor lands on, a file this change already
    // writes or deletes: one of the two would be lost.
    if (stages(from) || stages(to))
        throw UnusableNameError(fromUtf8(relative(stages(to) ? to : from)));
    write(to, readIfPresent(from));
    remove(from);
}

bool Transaction::stages(const fs::path& file) const
{
    return m_byPath.count(relative(file)) > 0;
}

const std::string* Transaction::stagedBytes(const fs::path& file) const
{
    const auto it = m_byPath.find(relative(file));
    return it == m_byPath.end() ? nullptr : &m_entries[it->second].bytes;
}

std::string Transaction::read(const fs::path& file) const
{
    const std::string* staged = stagedBytes(file);
    return staged ? *staged : readWholeFile(file);
}

std::string Transaction::readIfPresent(const fs::path& file) const
{
    const std::string* staged = stagedBytes(file);
    return staged ? *staged : readFileIfPresent(file);
}

void Transaction::commit()
{
    if (m_entries.empty())
        return;
    // A change a crash left half done is completed before this one starts.
    finishPendingChange(m_folder);
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
    if (m_entries.size() == 1) {
        // One file: its atomic replacement is the whole change.
        applyEntries(m_folder, m_entries);
    } else {
        const fs::path journal = journalPath(m_folder);
        writeFileAtomic(journal, encodeJournal(folderName(m_folder), m_entries));
        try {
            applyEntries(m_folder, m_entries);
            removeFile(journal);
        } catch (const FileWriteError& e) {
            throw ChangePendingError(e.path(), e.what());
        }
    }
    m_entries.clear();
    m_byPath.clear();
    m_namesIgnoringCase.clear();
}

void writeTableFile(const fs::path& base, std::string_view table, const fs::path& file, std::string bytes)
{
    Transaction change = Transaction::forTable(base, table);
    change.write(file, std::move(bytes));
    change.commit();
}

fs::path journalPath(const fs::path& folder)
{
    return folder / "Transacao.jnl";
}

std::string encodeJournal(std::string_view folder, const std::vector<JournalEntry>& entries)
{
    std::size_t total = kHeader.size() + folder.size() + 48;
    for (const JournalEntry& e : entries)
        total += e.path.size() + e.bytes.size() + 48;
    std::string out;
    out.reserve(total);
    out += kHeader;
    // The folder the journal belongs to: "F <length>", then the name.
    out += "F " + std::to_string(folder.size());
    out += kBreak;
    out += folder;
    out += kBreak;
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

std::optional<JournalContents> parseJournal(std::string_view bytes)
{
    // The checksum line closes the journal: "END " and eight hex digits.
    constexpr std::size_t kTail = kEnd.size() + 8 + kBreak.size();
    if (bytes.size() < kHeader.size() + kTail || !bytes.starts_with(kHeader) || !bytes.ends_with(kBreak))
        return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - kTail + kEnd.size());
    if (!body.ends_with(kEnd) || hex8(crc32(body)) != bytes.substr(body.size(), 8))
        return std::nullopt;
    std::string_view rest = body.substr(kHeader.size(), body.size() - kHeader.size() - kEnd.size());
    const auto folderLine = takeLine(rest);
    if (!folderLine || !folderLine->starts_with("F "))
        return std::nullopt;
    const auto folderLength = number(folderLine->substr(2));
    const auto folder = folderLength ? take(rest, *folderLength) : std::nullopt;
    if (!folder || !rest.starts_with(kBreak))
        return std::nullopt;
    rest.remove_prefix(kBreak.size());
    const auto countLine = takeLine(rest);
    const auto count = countLine ? number(*countLine) : std::nullopt;
    // Every entry takes at least seven bytes, so a larger count is a lie.
    if (!count || *count > rest.size() / 7 + 1)
        return std::nullopt;
    JournalContents contents{std::string(*folder), {}};
    contents.entries.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        auto entry = takeEntry(rest);
        if (!entry)
            return std::nullopt;
        contents.entries.push_back(std::move(*entry));
    }
    if (!rest.empty())
        return std::nullopt;
    return contents;
}

fs::path setAsideName(const fs::path& folder)
{
    for (int n = 1;; ++n) {
        const fs::path name = folder / ("Transacao.jnl." + std::to_string(n) + ".recusado");
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(name, ec)))
            return name;
    }
}

PendingChange finishPendingChange(const fs::path& folder)
{
    const fs::path journal = journalPath(folder);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(journal, ec);
    if (!fs::exists(status)) {
        // A journal whose own write was cut short: the change never began.
        const fs::path cut = temporaryPathFor(journal);
        if (fs::is_regular_file(fs::symlink_status(cut, ec)))
            fs::remove(cut, ec);
        return PendingChange::None;
    }
    // Nothing is read that could block (a FIFO) or take all the memory.
    if (!fs::is_regular_file(status) || fs::file_size(journal, ec) > kLargestJournal || ec) {
        setAside(journal, folder);
        return PendingChange::SetAside;
    }
    const std::optional<JournalContents> contents = parseJournal(readWholeFile(journal));
    if (!contents || contents->folder != folderName(folder) || !appliesInside(folder, contents->entries)) {
        setAside(journal, folder);
        return PendingChange::SetAside;
    }
    applyEntries(folder, contents->entries);
    removeFile(journal);
    return PendingChange::Completed;
}

bool replayJournal(const fs::path& folder)
{
    return finishPendingChange(folder) == PendingChange::Completed;
}

StartUpReport replayJournals(const fs::path& base)
{
    StartUpReport report;
    const fs::path root = dataRoot(base);
    std::error_code ec;
    if (!fs::is_directory(root, ec))
        return report;
    // Table folders only: a link in the data root may lead anywhere.
    std::vector<fs::path> folders{root};
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (fs::is_directory(it->symlink_status(typeError)))
            folders.push_back(it->path());
    }
    for (const fs::path& folder : folders) {
        const std::string name = folderName(folder);
        try {
            switch (finishPendingChange(folder)) {
            case PendingChange::Completed:
                ++report.completed;
                break;
            case PendingChange::SetAside:
                report.setAside.push_back(name);
                break;
            case PendingChange::None:
                break;
            }
        } catch (const std::exception&) {
            // Nothing at start-up ends the program: the journal stays, and the
            // table's windows report what they then cannot do.
            report.failed.push_back(name);
            continue;
        }
        removeStaleTemporaries(folder, folder == root ? 0 : 1);
    }
    return report;
}

PendingChange replayTableJournal(const fs::path& base, std::string_view table)
{
    return finishPendingChange(tableFolderPath(base, table));
}

} // namespace treluza
