#include "core/store/FileIo.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace treluza {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> names(const fs::path& folder)
{
    std::vector<std::string> found;
    for (const auto& e : fs::directory_iterator(folder))
        found.push_back(e.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(FileIo, AWriteGoesThroughOneFixedTemporaryThatItReplaces)
{
    TempFolder dir;
    const fs::path path = dir.write("ArqIng.dad", "velho");
    EXPECT_EQ(temporaryPathFor(path), dir.path() / "ArqIng.dad.tmp");
    // What an interrupted write left: its own temporary, even a link to
    // elsewhere, which must not be followed.
    dir.write("alvo", "intocado");
    fs::create_symlink(dir.path() / "alvo", temporaryPathFor(path));
    writeFileAtomic(path, "novo");
    EXPECT_EQ(readWholeFile(path), "novo");
    EXPECT_EQ(readWholeFile(dir.path() / "alvo"), "intocado");
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"ArqIng.dad", "alvo"}));
}

TEST(FileIo, AnInjectedFullDiskFailsTheNthChangeOnly)
{
    TempFolder dir;
    const fs::path a = dir.write("a.dad", "a velho");
    const fs::path b = dir.write("b.dad", "b velho");
    injectWriteFailure(2);
    writeFileAtomic(a, "a novo");
    EXPECT_THROW(writeFileAtomic(b, "b novo, maior que o velho"), FileWriteError);
    EXPECT_EQ(readWholeFile(b), "b velho");
    writeFileAtomic(b, "b novo");
    EXPECT_EQ(writesSinceInjection(), 3);
    injectWriteFailure(1);
    EXPECT_THROW(removeFile(a), FileWriteError);
    injectWriteFailure(0);
    EXPECT_EQ(readWholeFile(a), "a novo");
    EXPECT_EQ(readWholeFile(b), "b novo");
    EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"a.dad", "b.dad"}));
}

TEST(FileIo, RemoveFile)
{
    TempFolder dir;
    const fs::path a = dir.write("a.dad", "a");
    EXPECT_TRUE(removeFile(a));
    EXPECT_FALSE(fs::exists(a));
    EXPECT_FALSE(removeFile(a));
    fs::create_directories(dir.path() / "pasta.dad");
    EXPECT_THROW(removeFile(dir.path() / "pasta.dad"), FileWriteError);
    EXPECT_TRUE(fs::is_directory(dir.path() / "pasta.dad"));
}

TEST(FileIo, TemporaryNames)
{
    const std::pair<const char*, bool> cases[] = {
        {"ArqIng.dad.tmp", true},
        {"Transacao.jnl.tmp", true},
        {"ArqIng.dad.tmp-0a1b2c3d4e", true},
        {".tmp", false},
        {"Sopa.tmp.dad", false},
        {"ArqIng.dad.tmp-0A1B2C3D4E", false},
        {"ArqIng.dad.tmp-0a1b2c", false},
        {"ArqIng.dad.tmp-0a1b2c3d4e5", false},
        {"ArqIng.dad", false},
    };
    for (const auto& [name, temporary] : cases)
        EXPECT_EQ(isTemporaryName(name), temporary) << name;
}

} // namespace
} // namespace treluza
