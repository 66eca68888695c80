// Loading a record file, plain and scrambled: the lists never break, and
// saving what was loaded loads back the same list.
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/RecordList.h"

#include <cstdlib>

using namespace treluza;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    NullProgress none;

    RecordList plain(true);
    KeyList keys(true);
    plain.assign(splitLines(bytes));
    rebuildKeyList(plain, keys);
    if (keys.count() > plain.count())
        std::abort();
    for (int i = 0; i < keys.count(); ++i) {
        if (keys.find(keys[i]) < 0 || GetRecordField(plain, i, 1).size() > plain[i].size())
            std::abort();
    }
    RecordList again(true);
    again.assign(splitLines(joinLines(plain.lines())));
    if (again.lines() != plain.lines())
        std::abort();

    RecordList scrambled;
    KeyList scrambledKeys;
    loadScrambledBytes(bytes, scrambled, scrambledKeys, none);
    const std::string saved = scrambledFileBytes(scrambled, none);
    if (saved.find('\0') != std::string::npos)
        std::abort();
    RecordList reloaded;
    KeyList reloadedKeys;
    loadScrambledBytes(saved, reloaded, reloadedKeys, none);
    if (reloaded.lines() != scrambled.lines() || reloadedKeys.lines() != scrambledKeys.lines())
        std::abort();
    return 0;
}
