// What the program sets up before its first window: Qt's own dialogs in
// Brazilian Portuguese and the fonts the windows name.
#include "gui/app/AppSetup.h"
#include "gui/dialogs/AjuUnit.h"
#include "harness/GuiHarness.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
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
