// The message dialog: layout, answers, and the replaceable handler.
#include "gui/dialogs/MesDlgUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/JpegImage.h"
#include "gui/widgets/Messages.h"
#include "harness/GuiHarness.h"

#include <QLabel>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

class MesDlgTest : public QObject {
    Q_OBJECT

private slots:
    void pictureIsTheJpegDecodedWithLibjpeg()
    {
        const QImage picture = messagePicture();
        QCOMPARE(picture.size(), QSize(67, 128));
        QVERIFY(decodeJpeg(QByteArray("not a jpeg")).isNull());
        QByteArray cut;
        QFile file(QStringLiteral(":/pictures/mensagem.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        cut = file.readAll().left(200);
        const QImage partial = decodeJpeg(cut); // a cut file decodes partly or not at all, never crashes
        Q_UNUSED(partial);
    }

    void shortMessageIsCentredIn330PlusThePicture()
    {
        TMesDlgForm form;
        form.prepare(QStringLiteral("Código inválido!"), MessageKind::Message);
        QCOMPARE(form.width(), 330 + 67);
        QCOMPARE(form.height(), 128);
        const int labelWidth = form.MenLabel->width();
        QVERIFY(labelWidth < 300);
        QCOMPARE(form.MenLabel->x(), qRound((330 - labelWidth) / 2.0 + 0.0001));
        QCOMPARE(form.MenLabel->y(), 27);
        QCOMPARE(form.OkBitBtn->geometry(), QRect(115, 74, 100, 35));
        QVERIFY(form.OkBitBtn->isDefault());
        QVERIFY(form.SimBitBtn->isHidden());
        QVERIFY(form.NaoBitBtn->isHidden());
        QCOMPARE(form.DesImage->geometry(), QRect(330, 0, 67, 128));
        form.show();
        screenshot(form, QStringLiteral("mesdlg_short"));
    }

    void longMessageWidensTheDialogToShowTheWholeLine()
    {
        TMesDlgForm form;
        const QString text =
            QStringLiteral("AVISO : O ingrediente Arroz integral cozido está sendo utilizado!");
        form.prepare(text, MessageKind::Question);
        const int labelWidth = form.MenLabel->width();
        QCOMPARE(labelWidth, form.MenLabel->sizeHint().width());
        QVERIFY(labelWidth + 30 > 330);
        QCOMPARE(form.MenLabel->x(), 15);
        const int w = labelWidth + 30;
        QCOMPARE(form.width(), w + 67);
        QCOMPARE(form.SimBitBtn->x(), qRound(w / 2.0 - 150 + 0.0001));
        QCOMPARE(form.NaoBitBtn->x(), qRound(w / 2.0 + 50 + 0.0001));
        QVERIFY(form.SimBitBtn->isDefault());
        QVERIFY(form.OkBitBtn->isHidden());
        form.show();
        screenshot(form, QStringLiteral("mesdlg_long"));
    }

    void captionsAreThoseOfTheButtons()
    {
        TMesDlgForm form;
        QCOMPARE(form.SimBitBtn->text(), QStringLiteral("&SIM"));
        QCOMPARE(form.NaoBitBtn->text(), QStringLiteral("&NÃO"));
        QCOMPARE(form.OkBitBtn->text(), QStringLiteral("&OK"));
        for (TBitBtn* b : {form.SimBitBtn, form.NaoBitBtn, form.OkBitBtn})
            QVERIFY(!b->icon().isNull());
    }

    void installedDialogAnswersOkYesAndNo()
    {
        TMesDlgForm form;
        installMessageDialog(&form);
        auto ok = onNextModal<TMesDlgForm>([](TMesDlgForm& f) { click(*f.OkBitBtn); });
        tell(QStringLiteral("Inclusão efetuada com sucesso!"));
        QVERIFY(*ok);
        auto yes = onNextModal<TMesDlgForm>([](TMesDlgForm& f) { click(*f.SimBitBtn); });
        QVERIFY(ask(QStringLiteral("Confirma inclusão?")));
        QVERIFY(*yes);
        auto no = onNextModal<TMesDlgForm>([](TMesDlgForm& f) { click(*f.NaoBitBtn); });
        QCOMPARE(ShowMessageDialog(QStringLiteral("Confirma exclusão?"), MessageKind::Question), Answer::No);
        QVERIFY(*no);
        installMessageDialog(nullptr);
    }

    void enterPressesTheDefaultButtonAndEscapeDoesNotClose()
    {
        TMesDlgForm form;
        auto yes = onNextModal<TMesDlgForm>([](TMesDlgForm& f) {
            QTest::keyClick(&f, Qt::Key_Escape);
            QVERIFY(f.isVisible());
            pressEnter(f);
        });
        QCOMPARE(form.showMessage(QStringLiteral("Confirma alteração?"), MessageKind::Question), Answer::Yes);
        QVERIFY(*yes);
        auto ok = onNextModal<TMesDlgForm>([](TMesDlgForm& f) { pressEnter(f); });
        QCOMPARE(form.showMessage(QStringLiteral("Erro de lógica!"), MessageKind::Message), Answer::Ok);
        QVERIFY(*ok);
    }

    void coreMessagesGoThroughTheHandler()
    {
        MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes},
                             {QStringLiteral("Exclusão efetuada com sucesso!"), kOk},
                             {QStringLiteral("Confirma exclusão?"), kNo}};
        DialogMessageSink sink;
        QCOMPARE(sink.show("Confirma exclus\xE3o?", MessageKind::Question), Answer::Yes);
        QCOMPARE(sink.show("Exclus\xE3o efetuada com sucesso!", MessageKind::Message), Answer::Ok);
        QCOMPARE(sink.show("Confirma exclus\xE3o?", MessageKind::Question), Answer::No);
        QVERIFY(script.done());
    }
};

QTEST_MAIN(MesDlgTest)
#include "MesDlgTest.moc"
