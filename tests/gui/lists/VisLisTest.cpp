// The list viewer over a preparation index: the group filter, the ordering by
// a column, moving through the list, the record handed back and the settings
// kept in the caller's section between openings.
#include "core/records/PreparationRecords.h"
#include "core/store/Cp1252.h"
#include "core/store/IniFile.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"
#include "gui/lists/VisLisUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/QtText.h"
#include "harness/GuiHarness.h"
#include "support/Names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

using testing::pad;

std::string preparation(const char* name, const char* group, int yield)
{
    IndexFields f = blankIndex(pad(cp(name), 40));
    f[IdxField::Yield] = FitRight(std::to_string(yield), 6);
    f[IdxField::Energy] = FormatDecimal(2, 9, yield * 1.5);
    f[IdxField::Group] = pad(cp(group), fieldWidth(RecordKind::Index, IdxField::Group));
    return joinFields(f);
}

QStringList rows(const QListWidget& box)
{
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.item(i)->text().left(40).trimmed();
    return out;
}

void choose(QComboBox& combo, const QString& text)
{
    const int i = combo.findText(text, Qt::MatchStartsWith);
    QVERIFY2(i >= 0, qPrintable(text));
    combo.setCurrentIndex(i);
    emit combo.activated(i);
}

} // namespace

class VisLisTest : public QObject {
    Q_OBJECT

    /** A preparation index as the preparation register hands it over. */
    struct Fixture {
        GuiEnvironment env;
        TVisLisForm form{env.context()};
        KeyedRecords lines;
        explicit Fixture(const std::vector<std::string>& index) { lines.assign(index); }
        bool open(int initialIndex)
        {
            ListSetup s;
            s.listName = "TRELUZA";
            s.tableName = "Minha tabela        ";
            s.groupField = IdxField::Group;
            s.initialIndex = initialIndex;
            s.columnNames = {"TRELUZA",          "RENDIMENTO", "CALORIAS",
                             "CARBOIDRATOS",     "PROTEINAS",  cp("LIPÍDIOS"),
                             "GORDURA SATURADA", "COLESTEROL", cp("FIBRAS - PORÇÃO")};
            // The key list of the preparation group file: names padded as field 39 holds them.
            const std::size_t width = fieldWidth(RecordKind::PreparationGroup, GroupField::Name);
            s.groupNames = {pad("Bebidas", width), pad("Doces", width), pad("Salgados", width)};
            s.records = &lines;
            s.header = CenterText("TRELUZA", 40) + "|" + CenterText("RENDIMENTO", 6) + "|" +
                       CenterText("KCAL", 9) + "|";
            s.section = kSecPreparationList;
            form.SetupList(s);
            return openForm(form);
        }
    };

    const std::vector<std::string> kIndex = {
        preparation("Arroz doce", "Doces", 500),         preparation("Bolo de milho", "Doces", 1200),
        preparation("Feijoada", "Salgados", 3000),       preparation("Pudim", "Doces", 80),
        preparation("Sopa de legumes", "Salgados", 950),
    };

private slots:
    void filtersOrdersAndRestoresOnReopening()
    {
        Fixture f(kIndex);
        QVERIFY(f.open(2));
        QCOMPARE(f.form.windowTitle(),
                 QStringLiteral("VISUALIZA LISTA DE TRELUZA - TABELA ATIVA : Minha tabela"));
        QCOMPARE(f.form.CabMemo->text(),
                 QStringLiteral("                TRELUZA                 |RENDIM|  KCAL   |"));
        QVERIFY(!f.form.CabMemo->isEnabled());
        QCOMPARE(f.form.LisFilOrdListBox->count(), 5);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 2);
        QVERIFY(!f.form.NomGruComboBox->isEnabled());

        click(*f.form.AtiFilCheckBox);
        QVERIFY(f.form.NomGruComboBox->isEnabled() && f.form.NomGruComboBox->currentIndex() < 0);
        QCOMPARE(f.form.LisFilOrdListBox->count(), 5); // refreshed once a group is picked
        choose(*f.form.NomGruComboBox, QStringLiteral("Doces"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox), QStringList({"Arroz doce", "Bolo de milho", "Pudim"}));
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 0);
        click(*f.form.AtiOrdCheckBox);
        choose(*f.form.NomCamComboBox, QStringLiteral("RENDIMENTO"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox), QStringList({"Pudim", "Arroz doce", "Bolo de milho"}));
        screenshot(f.form, QStringLiteral("viewer"));

        f.form.LisFilOrdListBox->setCurrentRow(2);
        f.form.LisFilOrdListBox->setFocus();
        pressEnter(*f.form.LisFilOrdListBox);
        QVERIFY(!f.form.isVisible());
        QCOMPARE(f.form.SelectedRecordIndex(), 1);
        {
            const IniFile ini(f.env.configFile());
            QVERIFY(ini.readBool(kSecPreparationList, kKeyAtiFil, false));
            QCOMPARE(ini.readString(kSecPreparationList, kKeyGruFil, ""),
                     pad("Doces", fieldWidth(RecordKind::PreparationGroup, GroupField::Name)) + "|");
            QCOMPARE(ini.readString(kSecPreparationList, kKeyCamOrd, ""), "RENDIMENTO|");
            QCOMPARE(ini.readInteger(kSecPreparationList, kKeyPosFilOrd, 0), 2);
            QVERIFY(!ini.hasKey(kSecIngredientList, kKeyAtiFil));
        }

        QVERIFY(f.open(0));
        QVERIFY(f.form.AtiFilCheckBox->isChecked() && f.form.NomGruComboBox->isEnabled());
        QVERIFY(f.form.AtiOrdCheckBox->isChecked() && f.form.NomCamComboBox->isEnabled());
        QCOMPARE(f.form.NomCamComboBox->currentText(), QStringLiteral("RENDIMENTO"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox), QStringList({"Pudim", "Arroz doce", "Bolo de milho"}));
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 2);

        // A group no preparation has: nothing to choose.
        choose(*f.form.NomGruComboBox, QStringLiteral("Bebidas"));
        QCOMPARE(f.form.LisFilOrdListBox->count(), 0);
        click(*f.form.RetBitBtn);
        QCOMPARE(f.form.SelectedRecordIndex(), 0);
        QCOMPARE(IniFile(f.env.configFile()).readInteger(kSecPreparationList, kKeyPosFilOrd, 0), -1);

        // Without the filter every preparation, by yield, from the first line.
        QVERIFY(f.open(4));
        click(*f.form.AtiFilCheckBox);
        QCOMPARE(rows(*f.form.LisFilOrdListBox),
                 QStringList({"Pudim", "Arroz doce", "Sopa de legumes", "Bolo de milho", "Feijoada"}));
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 0);
        click(*f.form.AtiOrdCheckBox);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 0);
        QCOMPARE(rows(*f.form.LisFilOrdListBox).front(), QStringLiteral("Arroz doce"));
        click(*f.form.RetBitBtn);
        QCOMPARE(f.form.SelectedRecordIndex(), 0);
    }

    void aFilterBoxWithoutAGroupShowsEverything()
    {
        Fixture f(kIndex);
        IniFile ini(f.env.configFile());
        ini.writeBool(kSecPreparationList, kKeyAtiFil, true);
        ini.writeString(kSecPreparationList, kKeyGruFil, "Outro grupo|");
        ini.writeInteger(kSecPreparationList, kKeyPosFilOrd, 1);
        QVERIFY(f.open(3));
        QVERIFY(f.form.AtiFilCheckBox->isChecked() && f.form.NomGruComboBox->currentIndex() < 0);
        QCOMPARE(f.form.LisFilOrdListBox->count(), 5);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 3); // neither active: the caller's index
        click(*f.form.RetBitBtn);
        QCOMPARE(f.form.SelectedRecordIndex(), 3);
    }

    void theHeaderScrollsSidewaysWithTheRows()
    {
        Fixture f(kIndex);
        QVERIFY(f.open(0));
        QScrollBar* bar = f.form.LisFilOrdListBox->horizontalScrollBar();
        QVERIFY(bar->maximum() > 100); // index lines are wider than the window
        const int before = f.form.CabMemo->mapTo(&f.form, QPoint(0, 0)).x();
        bar->setValue(100);
        QCOMPARE(f.form.CabMemo->mapTo(&f.form, QPoint(0, 0)).x(), before - 100);
        bar->setValue(0);
        QCOMPARE(f.form.CabMemo->mapTo(&f.form, QPoint(0, 0)).x(), before);
    }

    void movesByQuartersAndADoubleClickChooses()
    {
        std::vector<std::string> ten;
        for (int i = 0; i < 10; ++i)
            ten.push_back(preparation(("Receita " + std::to_string(i)).c_str(), "Doces", 100 + i));
        Fixture f(ten);
        QVERIFY(f.open(5));
        click(*f.form.BitBtn1);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 3);
        click(*f.form.BitBtn3);
        click(*f.form.BitBtn3);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 7);
        click(*f.form.BitBtn3);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 9);
        click(*f.form.PriBitBtn);
        click(*f.form.BitBtn1);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 0);
        click(*f.form.UltBitBtn);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 9);
        const QRect r = f.form.LisFilOrdListBox->visualItemRect(f.form.LisFilOrdListBox->item(6));
        QTest::mouseClick(f.form.LisFilOrdListBox->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(f.form.LisFilOrdListBox->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(!f.form.isVisible());
        QCOMPARE(f.form.SelectedRecordIndex(), 6);

        Fixture three({kIndex[0], kIndex[1], kIndex[2]});
        QVERIFY(three.open(1));
        click(*three.form.BitBtn3);
        QCOMPARE(three.form.LisFilOrdListBox->currentRow(), 1);
        click(*three.form.BitBtn1);
        QCOMPARE(three.form.LisFilOrdListBox->currentRow(), 1);
        click(*three.form.RetBitBtn);
    }
};

QTEST_MAIN(VisLisTest)
#include "VisLisTest.moc"
