// The rename dialog.
#include "dialogs/AltNomUnit.h"
#include "gui/BitBtn.h"
#include "gui/MaskEdit.h"
#include "harness/GuiHarness.h"

#include <QLabel>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

const QString kMask20 = QString(20, u'c') + QStringLiteral(";1;_");

} // namespace

class AltNomTest : public QObject {
    Q_OBJECT

private slots:
    void confirmReturnsOneWithTheNewNameInTheCallersMask()
    {
        TAltNomForm form;
        auto ran = onNextModal<TAltNomForm>([](TAltNomForm& f) {
            QCOMPARE(f.windowTitle(), QStringLiteral("Altera nome do grupo de ingredientes"));
            QCOMPARE(f.NomAtuMaskEdit->Text(), QStringLiteral("Cereais").leftJustified(20));
            QVERIFY(!f.NomAtuMaskEdit->isEnabled());
            QCOMPARE(f.NovNomMaskEdit->Text(), QString(20, u' '));
            QCOMPARE(QApplication::focusWidget(), f.NovNomMaskEdit);
            screenshot(f, QStringLiteral("altnom"));
            typeKeys(*f.NovNomMaskEdit, QStringLiteral("Cereais e pães"));
            click(*f.ConBitBtn);
        });
        QCOMPARE(form.AskNewName(QStringLiteral("Altera nome do grupo de ingredientes"), kMask20,
                                 QStringLiteral("Cereais")),
                 1);
        QVERIFY(*ran);
        QCOMPARE(form.NewName(), QStringLiteral("Cereais e pães      "));
        QCOMPARE(form.NewCoreName(), std::string("Cereais e p\xE3"
                                                 "es      "));
    }

    void cancelReturnsTwoAndTheNextUseStartsEmpty()
    {
        TAltNomForm form;
        auto first = onNextModal<TAltNomForm>([](TAltNomForm& f) {
            typeKeys(*f.NovNomMaskEdit, QStringLiteral("Outro"));
            click(*f.CanBitBtn);
        });
        QCOMPARE(form.AskNewName(QStringLiteral("Altera nome da medida caseira"), kMask20,
                                 QStringLiteral("Xícara")),
                 2);
        QVERIFY(*first);
        auto second = onNextModal<TAltNomForm>([](TAltNomForm& f) {
            QCOMPARE(f.NovNomMaskEdit->Text(), QString(20, u' '));
            QCOMPARE(f.NomAtuMaskEdit->Text(), QStringLiteral("Colher              "));
            click(*f.CanBitBtn);
        });
        QCOMPARE(form.AskNewName(QStringLiteral("x"), kMask20, QStringLiteral("Colher")), 2);
        QVERIFY(*second);
    }

    void newNameRefusesForbiddenCharactersAndEnterMovesOn()
    {
        TAltNomForm form;
        MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (_) !"), kOk}};
        auto ran = onNextModal<TAltNomForm>([](TAltNomForm& f) {
            typeKeys(*f.NovNomMaskEdit, QStringLiteral("a_b"));
            QCOMPARE(f.NovNomMaskEdit->Text(), QStringLiteral("ab                  "));
            pressEnter(f);
            QCOMPARE(QApplication::focusWidget(), f.ConBitBtn);
            QVERIFY(f.isVisible());
            pressEnter(f); // Enter on the focused button presses it
        });
        QCOMPARE(form.AskNewName(QStringLiteral("x"), kMask20, QStringLiteral("a")), 1);
        QVERIFY(*ran);
        QVERIFY(script.done());
    }

    void captionsFitTheirButtonsAndLabels()
    {
        TAltNomForm form;
        QCOMPARE(form.size(), QSize(630, 135));
        for (TBitBtn* b : {form.ConBitBtn, form.CanBitBtn}) {
            QCOMPARE(b->size(), QSize(315, 35));
            QVERIFY(b->sizeHint().width() <= b->width());
        }
        for (QLabel* l : {form.NomAtuLabel, form.NovNomLabel})
            QVERIFY(l->sizeHint().width() <= l->width());
    }
};

QTEST_MAIN(AltNomTest)
#include "AltNomTest.moc"
