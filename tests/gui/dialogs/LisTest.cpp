// The list picker.
#include "gui/dialogs/LisUnit.h"
#include "harness/GuiHarness.h"

#include <QListWidget>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

class LisTest : public QObject {
    Q_OBJECT

private:
    const QStringList kItems{QStringLiteral("Tabela 1            "), QStringLiteral("TACO                "),
                             QStringLiteral("Tabela 2008/09      ")};

private slots:
    void enterInTheListChoosesTheCurrentEntry()
    {
        TLisForm form;
        auto ran = onNextModal<TLisForm>([](TLisForm& f) {
            QCOMPARE(f.windowTitle(), QStringLiteral("LISTA DE TABELAS"));
            QCOMPARE(f.itemIndex(), 0);
            screenshot(f, QStringLiteral("lis"));
            QTest::keyClick(f.ListBox, Qt::Key_Down);
            QTest::keyClick(f.ListBox, Qt::Key_Down);
            QTest::keyClick(f.ListBox, Qt::Key_Return);
        });
        QCOMPARE(form.pick(QStringLiteral("LISTA DE TABELAS"), kItems, 0), 2);
        QVERIFY(*ran);
    }

    void doubleClickChoosesTheClickedEntry()
    {
        TLisForm form;
        auto ran = onNextModal<TLisForm>([](TLisForm& f) {
            const QRect r = f.ListBox->visualItemRect(f.ListBox->item(1));
            QTest::mouseClick(f.ListBox->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(f.ListBox->viewport(), Qt::LeftButton, {}, r.center());
        });
        QCOMPARE(form.pick(QStringLiteral("LISTA"), kItems, 2), 1);
        QVERIFY(*ran);
    }

    // The close box and Escape leave without a choice: the entry selected
    // when the picker opened, whatever was selected since.
    void closeBoxAndEscapeReturnTheEntrySelectedWhenItOpened()
    {
        for (const bool escape : {false, true}) {
            TLisForm form;
            auto ran = onNextModal<TLisForm>([escape](TLisForm& f) {
                QTest::keyClick(f.ListBox, Qt::Key_Down);
                QCOMPARE(f.itemIndex(), 2);
                if (escape) {
                    QTest::keyClick(f.ListBox, Qt::Key_Escape);
                } else {
                    QCloseEvent e;
                    QSpontaneKeyEvent::setSpontaneous(&e);
                    QApplication::instance()->notify(&f, &e);
                }
            });
            QCOMPARE(form.pick(QStringLiteral("LISTA"), kItems, 1), 1);
            QVERIFY(*ran);
        }
    }

    void anEmptyListGivesMinusOne()
    {
        TLisForm form;
        auto ran = onNextModal<TLisForm>([](TLisForm& f) { QTest::keyClick(f.ListBox, Qt::Key_Return); });
        QCOMPARE(form.pick(QStringLiteral("LISTA"), {}, 0), -1);
        QVERIFY(*ran);
    }

    void aSelectionFarDownIsScrolledIntoView()
    {
        TLisForm form;
        QStringList many;
        for (int i = 0; i < 200; ++i)
            many << QStringLiteral("Item %1").arg(i);
        auto ran = onNextModal<TLisForm>([](TLisForm& f) {
            const QRect r = f.ListBox->visualItemRect(f.ListBox->item(150));
            QVERIFY(f.ListBox->viewport()->rect().contains(r));
            QTest::keyClick(f.ListBox, Qt::Key_Return);
        });
        QCOMPARE(form.pick(QStringLiteral("LISTA"), many, 150), 150);
        QVERIFY(*ran);
    }

    void itemsShowInAFixedPitchFontAndCoreTextIsConverted()
    {
        TLisForm form;
        QVERIFY(QFontInfo(form.ListBox->font()).fixedPitch());
        QCOMPARE(form.size(), QSize(524, 445));
        auto ran = onNextModal<TLisForm>([](TLisForm& f) {
            QCOMPARE(f.ListBox->item(0)->text(), QStringLiteral("Pão"));
            QTest::keyClick(f.ListBox, Qt::Key_Return);
        });
        QCOMPARE(form.pickCore(QStringLiteral("LISTA"), {std::string("P\xE3o")}, 0), 0);
        QVERIFY(*ran);
    }
};

QTEST_MAIN(LisTest)
#include "LisTest.moc"
