// What the program sets up before its first window: Qt's own dialogs in
// Brazilian Portuguese and the fonts the windows name.
#include "gui/app/AppSetup.h"
#include "gui/dialogs/AjuUnit.h"
#include "harness/GuiHarness.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

class AppSetupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(*qApp); }

    // The save dialog of "Salva lista" is Qt's own.
    void qtsOwnSaveDialogSpeaksPortuguese()
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Salvar como"));
        auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        QVERIFY(lookIn);
        QVERIFY(!lookIn->text().contains(QStringLiteral("Look in")));
    }

    // Alt with a letter that no enabled button takes does nothing anywhere.
    void anAltLetterNoMnemonicTakesIsNotText()
    {
        QDialog window;
        auto* combo = new QComboBox(&window);
        combo->addItems({QStringLiteral("Arroz"), QStringLiteral("Goiaba")});
        auto* memo = new QTextEdit(&window);
        memo->move(0, 40);
        auto* grava = new QPushButton(QStringLiteral("&Grava"), &window);
        grava->move(0, 200);
        grava->setEnabled(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_G, Qt::AltModifier);
        QCOMPARE(combo->currentIndex(), 0);
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_G, Qt::AltModifier);
        QTest::keyClick(memo, Qt::Key_X);
        QCOMPARE(memo->toPlainText(), QStringLiteral("x"));
    }

    void helpHeadingIsABoldUprightFace()
    {
        GuiEnvironment env;
        TAjuForm form(env.context());
        const QFontInfo heading(form.TitLabel->font());
        QVERIFY2(!heading.italic() && heading.bold(),
                 qPrintable(heading.family() + " " + heading.styleName()));
        QVERIFY2(heading.family() == QStringLiteral("Comic Sans MS") ||
                     heading.family() == QStringLiteral("Liberation Sans"),
                 qPrintable(heading.family()));
    }
};

QTEST_MAIN(AppSetupTest)
#include "AppSetupTest.moc"
