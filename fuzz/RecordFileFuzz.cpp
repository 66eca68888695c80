// Loading a record file, plain and scrambled: the lists never break, and
// saving what was loaded loads back the same list.
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"

#include <cstdlib>

using namespace treluza;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    NullProgress none;

    const KeyedRecords plain = keyedLines(bytes);
    const RecordList& keys = plain.keys();
    if (keys.count() > plain.count())
        std::abort();
    for (int i = 0; i < keys.count(); ++i) {
        if (plain.findKey(keys[i]) < 0 || GetRecordField(plain.records(), i, 1).size() > plain[i].size())
            std::abort();
    }
    RecordList again(true);
    again.assign(splitLines(joinLines(plain.lines())));
    if (again.lines() != plain.lines())
        std::abort();

    KeyedRecords scrambled;
    loadScrambledBytes(bytes, scrambled, none);
    const std::string saved = scrambledFileBytes(scrambled.records(), none);
    if (saved.find('\0') != std::string::npos)
        std::abort();
    KeyedRecords reloaded;
    loadScrambledBytes(saved, reloaded, none);
    if (reloaded.lines() != scrambled.lines() || reloaded.keys().lines() != scrambled.keys().lines())
        std::abort();
    return 0;
}
