#include "core/ingredients/IngredientCopy.h"
#include "core/records/IngredientRecord.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

namespace fs = std::filesystem;

const std::string kActive = "Minha tabela        ";
const std::string kTaco = "TACO                ";
const std::string kDescription = cp("Tabela TACO - NEPA/UNICAMP") + std::string(39, ' ');

/** Answers the questions with a fixed answer and keeps every text. */
class Answering final : public MessageSink {
public:
    explicit Answering(Answer answer) : m_answer(answer) {}
    Answer show(const std::string& text, MessageKind kind) override
    {
        texts.push_back(toUtf8(text));
        return kind == MessageKind::Question ? m_answer : Answer::Ok;
    }
    std::vector<std::string> texts;

private:
    Answer m_answer;
};

std::string name60(const char* name)
{
    const std::string n = cp(name);
    return n + std::string(60 - n.size(), ' ');
}

/** Arroz, integral, cozido with its composition-table values; no cholesterol,
 *  no factors, no cost. */
std::string brownRice(const char* group = "Cereais             ")
{
    IngredientFields f = blankIngredient(name60("Arroz, integral, cozido"));
    const char* values[] = {" 124,00", "  25,80", "   2,60", "   1,00", "   0,30",
                            "    ,  ", "   2,70", "   5,00", "   0,30", "    1,00"};
    for (int i = 0; i < 10; ++i)
        f[IngField::Energy + i] = values[i];
    f[IngField::Group] = cp(group);
    for (int n = IngField::FirstSource; n <= IngField::LastSource; ++n)
        f[n] = "TACO";
    return ingredientRecordLine(f);
}

struct Tables {
    TempFolder dir;
    KeyedRecords records;
    CopyTables copy;
    Tables(const std::string& flag = "0")
    {
        copy.base = dir.path();
        copy.activeTable = kActive;
        copy.activeEditable = true;
        copy.viewedTable = kTaco;
        copy.viewedDescription = kDescription;
        copy.viewedFlag = flag;
        records.add(ingredientRecordLine(blankIngredient(name60("Leite"))));
    }
    fs::path measures(const std::string& table, const char* name) const
    {
        return MeasureFilePath(dir.path(), table, name60(name));
    }
    fs::path groups() const { return IngredientGroupFilePath(dir.path(), kActive); }
};

TEST(IngredientCopy, CopiesMeasuresGroupAndTheTableAsSource)
{
    Tables t("2"); // any flag but "1" marks a table that is not the user's own
    writeFileAtomic(ensureFile(t.measures(kTaco, "Arroz, integral, cozido")),
                    cp("Colher de sopa      |  25,0|\r\n"));
    writeFileAtomic(ensureFile(t.measures(kActive, "Arroz, integral, cozido")), "old|\r\n");
    writeFileAtomic(ensureFile(t.groups()), "Bebidas             |\r\nLeites              |\r\n");
    Answering answers(Answer::Yes);

    const CopyOutcome outcome = CopyToActive(t.copy, brownRice(), t.records, answers);

    EXPECT_EQ(outcome.result, CopyResult::Copied);
    EXPECT_EQ(answers.texts,
              (std::vector<std::string>{"Confirma inclusão do ingrediente na Tabela Ativa?",
                                        "O ingrediente foi copiado com sucesso para a tabela ativa!"}));
    EXPECT_EQ(readWholeFile(t.measures(kActive, "Arroz, integral, cozido")),
              cp("Colher de sopa      |  25,0|\r\n"));
    EXPECT_EQ(readWholeFile(t.groups()),
              "Bebidas             |\r\nCereais             |\r\nLeites              |\r\n");
    ASSERT_EQ(t.records.count(), 2);
    EXPECT_EQ(outcome.position, 0);
    EXPECT_EQ(t.records.keys().at(0), name60("Arroz, integral, cozido"));
    // Filled values get the description, the blank cholesterol, factors, cost
    // and date keep their stored sources.
    const std::string src = cp("Tabela TACO - NEPA/UNICAMP");
    EXPECT_EQ(t.records.at(0),
              name60("Arroz, integral, cozido") +
                  "| 124,00|  25,80|   2,60|   1,00|   0,30|    ,  |   2,70|   5,00|   0,30|    1,00|"
                  "|Cereais             |   ,  |   ,  |      ,  |  /  /  |" +
                  src + "|" + src + "|" + src + "|" + src + "|" + src + "|TACO|" + src + "|" + src + "|" +
                  src + "|" + src + "|TACO|TACO|TACO|");
}

TEST(IngredientCopy, RefusalsChangeNothing)
{
    struct Case {
        const char* name;
        bool editable;
        Answer answer;
        const char* existing; // an ingredient already in the active table
        CopyResult result;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"not editable",
         false,
         Answer::Yes,
         "",
         CopyResult::NotEditable,
         {"A tabela Minha tabela não pode ser alterada!"}},
        {"already there, other case",
         true,
         Answer::Yes,
         "ARROZ, INTEGRAL, COZIDO",
         CopyResult::AlreadyThere,
         {"O ingrediente já existe na Tabela Ativa!"}},
        {"declined",
         true,
         Answer::No,
         "",
         CopyResult::Declined,
         {"Confirma inclusão do ingrediente na Tabela Ativa?"}},
    };
    for (const Case& c : cases) {
        Tables t;
        t.copy.activeEditable = c.editable;
        if (*c.existing) {
            t.records.add(ingredientRecordLine(blankIngredient(name60(c.existing))));
        }
        writeFileAtomic(ensureFile(t.measures(kTaco, "Arroz, integral, cozido")), "x|\r\n");
        const KeyedRecords before = t.records;
        Answering answers(c.answer);
        EXPECT_EQ(CopyToActive(t.copy, brownRice(), t.records, answers).result, c.result) << c.name;
        EXPECT_EQ(answers.texts, c.texts) << c.name;
        EXPECT_EQ(t.records.lines(), before.lines()) << c.name;
        EXPECT_FALSE(fs::exists(t.measures(kActive, "Arroz, integral, cozido"))) << c.name;
        EXPECT_FALSE(fs::exists(tableFolderPath(t.dir.path(), kActive))) << c.name;
    }
}

TEST(IngredientCopy, GroupIsAddedOnlyWhenMissingAndNotBlank)
{
    const struct {
        const char* group;
        const char* file;
    } cases[] = {
        {"", "Leites              |\r\n"},
        {"                    ", "Leites              |\r\n"},
        {"LEITES              ", "Leites              |\r\n"}, // the key list ignores case
    };
    for (const auto& c : cases) {
        Tables t;
        writeFileAtomic(ensureFile(t.groups()), "Leites              |\r\n");
        Answering answers(Answer::Yes);
        EXPECT_EQ(CopyToActive(t.copy, brownRice(c.group), t.records, answers).result, CopyResult::Copied);
        EXPECT_EQ(readWholeFile(t.groups()), c.file) << "[" << c.group << "]";
        EXPECT_EQ(FieldOf(IngField::Group, t.records.at(0)), c.group);
    }
}

TEST(IngredientCopy, OwnTablesKeepTheirSourcesAndNoMeasuresMeansNoFile)
{
    Tables t("1");
    Answering answers(Answer::Yes);
    EXPECT_EQ(CopyToActive(t.copy, brownRice(), t.records, answers).result, CopyResult::Copied);
    EXPECT_EQ(t.records.at(0), brownRice());
    EXPECT_FALSE(fs::exists(t.measures(kActive, "Arroz, integral, cozido")));
}

TEST(IngredientCopy, AFileThatCannotBeReadStopsTheCopy)
{
    Tables t;
    // A folder where the group file should be cannot be read as one.
    const fs::path groups = t.groups();
    fs::remove(groups);
    fs::create_directories(groups / "x");
    Answering answers(Answer::Yes);
    EXPECT_EQ(CopyToActive(t.copy, brownRice(), t.records, answers).result, CopyResult::Failed);
    EXPECT_EQ(answers.texts.back(), "Erro durante inclusão!");
    EXPECT_EQ(t.records.count(), 1);
    EXPECT_EQ(t.records.keys().count(), 1);
}

TEST(IngredientCopy, SourcesFitTheirFields)
{
    IngredientFields f = blankIngredient(name60("Pão"));
    f[IngField::UnitCost] = "     9,90";
    f[IngField::FC] = "  1,00";
    // A short line, as files edited elsewhere may hold, is extended.
    const std::string row = ingredientRecordLine(f).substr(0, ingredientRecordLine(f).find("  /  /  ") + 9);
    const std::string description = std::string(40, 'D') + "   ";
    const std::string out = withTableSources(row, description);
    EXPECT_EQ(FieldOf(IngField::LastSource, out), std::string(33, 'D'));
    EXPECT_EQ(FieldOf(IngField::FirstSource + 10, out), std::string(40, 'D')); // FC
    EXPECT_EQ(FieldOf(IngField::FirstSource, out), "");                        // blank energy
    EXPECT_EQ(std::count(out.begin(), out.end(), '|'), 30);
}

} // namespace
} // namespace treluza
