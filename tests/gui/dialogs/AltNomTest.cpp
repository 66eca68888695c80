// The rename dialog.
#include "core/store/Cp1252.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
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
            QCOMPARE(f.NomAtuMaskEdit->maskText(), QStringLiteral("Cereais").leftJustified(20));
            QVERIFY(!f.NomAtuMaskEdit->isEnabled());
            QCOMPARE(f.NovNomMaskEdit->maskText(), QString(20, u' '));
            QCOMPARE(QApplication::focusWidget(), f.NovNomMaskEdit);
            screenshot(f, QStringLiteral("altnom"));
            typeKeys(*f.NovNomMaskEdit, QStringLiteral("Cereais e pães"));
            // Alt with a letter is no text: the name stays as typed.
            QTest::keyClick(f.NovNomMaskEdit, Qt::Key_C, Qt::AltModifier);
            click(*f.ConBitBtn);
        });
        const auto name =
            form.askNewName(QStringLiteral("Altera nome do grupo de ingredientes"), kMask20, cp("Cereais"));
        QVERIFY(*ran);
        QVERIFY(name.has_value());
        QCOMPARE(*name, std::string("Cereais e p\xE3"
                                    "es      "));
    }

    void cancelGivesNothingAndTheNextUseStartsEmpty()
    {
        TAltNomForm form;
        auto first = onNextModal<TAltNomForm>([](TAltNomForm& f) {
            typeKeys(*f.NovNomMaskEdit, QStringLiteral("Outro"));
            click(*f.CanBitBtn);
        });
        QVERIFY(!form.askNewName(QStringLiteral("Altera nome da medida caseira"), kMask20, cp("Xícara")));
        QVERIFY(*first);
        auto second = onNextModal<TAltNomForm>([](TAltNomForm& f) {
            QCOMPARE(f.NovNomMaskEdit->maskText(), QString(20, u' '));
            QCOMPARE(f.NomAtuMaskEdit->maskText(), QStringLiteral("Colher              "));
            click(*f.CanBitBtn);
        });
        QVERIFY(!form.askNewName(QStringLiteral("x"), kMask20, "Colher"));
        QVERIFY(*second);
    }

    void newNameRefusesForbiddenCharactersAndEnterMovesOn()
    {
        TAltNomForm form;
        MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (_) !"), kOk}};
        auto ran = onNextModal<TAltNomForm>([](TAltNomForm& f) {
            typeKeys(*f.NovNomMaskEdit, QStringLiteral("a_b"));
            QCOMPARE(f.NovNomMaskEdit->maskText(), QStringLiteral("ab                  "));
            pressEnter(f);
            QCOMPARE(QApplication::focusWidget(), f.ConBitBtn);
            pressEnter(f); // Enter moves on from a button too
            QCOMPARE(QApplication::focusWidget(), f.CanBitBtn);
            QVERIFY(f.isVisible());
            f.ConBitBtn->setFocus();
            QTest::keyClick(f.ConBitBtn, Qt::Key_Space);
        });
        QVERIFY(form.askNewName(QStringLiteral("x"), kMask20, "a").has_value());
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
        // Each edit stands under its label, inside the window, below the buttons.
        int top = form.ConBitBtn->geometry().bottom();
        for (const auto& [label, edit] :
             {std::pair<QLabel*, QWidget*>{form.NomAtuLabel, form.NomAtuMaskEdit},
              std::pair<QLabel*, QWidget*>{form.NovNomLabel, form.NovNomMaskEdit}}) {
            QVERIFY(label->sizeHint().width() <= label->width());
            QVERIFY(label->sizeHint().height() <= label->height());
            QVERIFY(label->geometry().top() > top);
            QVERIFY(edit->geometry().top() > label->geometry().bottom());
            QCOMPARE(edit->geometry().left(), label->geometry().left());
            QVERIFY(edit->sizeHint().height() <= edit->height());
            QVERIFY(QRect(QPoint(), form.size()).contains(edit->geometry()));
            top = edit->geometry().bottom();
        }
    }
};

QTEST_MAIN(AltNomTest)
#include "AltNomTest.moc"
