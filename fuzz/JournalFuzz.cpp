// The journal reader on any bytes: what it accepts is one whole journal that
// writes back byte for byte and names only files inside its folder; and a
// journal written from any entries reads back as those entries.
#include "FuzzInput.h"

#include "core/store/Journal.h"

#include <cstdlib>

using namespace treluza;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto contents = parseJournal(bytes)) {
        if (encodeJournal(contents->folder, contents->entries) != bytes)
            std::abort();
        for (const JournalEntry& e : contents->entries) {
            if (e.path.empty() || e.path.front() == '/' || e.path.find("..") == 0)
                std::abort();
        }
    }

    fuzz::Input in(data, size);
    std::vector<JournalEntry> written;
    while (!in.rest().empty() && written.size() < 8) {
        JournalEntry e;
        e.remove = in.byte() & 1;
        e.path = "Treluza/" + std::string(in.part('/')).substr(0, 20) + "x.dad";
        if (e.path.find('\0') != std::string::npos)
            continue;
        if (!e.remove)
            e.bytes = std::string(in.part());
        written.push_back(std::move(e));
    }
    // The paths made above are always inside the folder.
    const JournalContents expected{"Tabela", written};
    if (parseJournal(encodeJournal(expected.folder, written)) != expected)
        std::abort();
    return 0;
}
