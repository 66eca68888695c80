// The base of every window: open flag, activation, Enter and Escape.
#include "gui/widgets/Form.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"

#include <QCheckBox>
#include <QWindow>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

class SampleForm : public TForm {
    Q_OBJECT
public:
    SampleForm()
    {
        first->move(0, 0);
        second->move(0, 30);
        check->move(0, 60);
        button->move(0, 90);
        setClientSize(200, 130);
        connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
    }
    TMaskEdit* first = new TMaskEdit(this);
    TMaskEdit* second = new TMaskEdit(this);
    QCheckBox* check = new QCheckBox(QStringLiteral("x"), this);
    TBitBtn* button = new TBitBtn(QStringLiteral("&Grava"), this);
    int activations = 0;
    int reactivations = 0;
    int clicks = 0;
    bool closeOnActivate = false;

protected:
    void FormActivate() override
    {
        ++activations;
        second->setFocus();
        if (closeOnActivate)
            done(5);
    }
    void windowActivated() override { ++reactivations; }
};

class FormTest : public QObject {
    Q_OBJECT

private slots:
    void formActivateRunsOnlyWhenOpenedWithTheFlag()
    {
        SampleForm f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(f.activations, 0);
        f.hide();
        QVERIFY(openForm(f));
        QCOMPARE(f.activations, 1);
        QVERIFY(!f.openFlag());
        QCOMPARE(QApplication::focusWidget(), f.second);
        // Getting the focus back from another window is no new opening.
        QDialog other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.hide();
        QApplication::setActiveWindow(&f);
        QCOMPARE(f.activations, 1);
        QVERIFY(f.reactivations >= 2);
    }

    void aSetUpThatClosesTheWindowEndsTheModalLoop()
    {
        SampleForm f;
        f.closeOnActivate = true;
        QCOMPARE(f.openModal(), 5);
        QCOMPARE(f.activations, 1);
    }

    // Enter moves on everywhere, a focused button included; Space clicks it.
    // A window whose buttons answer Enter asks for it.
    void enterMovesToTheNextControlAndSpaceClicksAFocusedButton()
    {
        SampleForm f;
        QVERIFY(openForm(f));
        f.first->setFocus();
        pressEnter(f);
        QCOMPARE(QApplication::focusWidget(), f.second);
        pressEnter(f);
        QCOMPARE(QApplication::focusWidget(), f.check);
        pressEnter(f);
        QCOMPARE(QApplication::focusWidget(), f.button);
        pressEnter(f);
        QCOMPARE(f.clicks, 0);
        QVERIFY(QApplication::focusWidget() != f.button);
        f.button->setFocus();
        QTest::keyClick(f.button, Qt::Key_Space);
        QCOMPARE(f.clicks, 1);
        f.setEnterPressesButtons(true);
        f.button->setFocus();
        pressEnter(f);
        QCOMPARE(f.clicks, 2);
        QVERIFY(f.isVisible());
        QVERIFY(!f.button->autoDefault());
    }

    void escapeAndTheWindowManagerDoNotCloseAWindowWithoutCloseBox()
    {
        SampleForm f;
        QVERIFY(openForm(f));
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(f.isVisible());
        clickCloseBox(f);
        QVERIFY(f.isVisible());
        f.setBorderIcons(TForm::BorderIcons::Close);
        QVERIFY(f.isVisible());
        clickCloseBox(f);
        QVERIFY(!f.isVisible());
    }

    // The title bar asks for the buttons the border icons name and no others:
    // the button hints, and, for window managers that draw every button
    // whatever the hints say, a toolbar's window type, which keeps minimise
    // and maximise away there. A window that minimises keeps the ordinary type.
    void titleBarButtonsFollowTheBorderIcons()
    {
        const Qt::WindowFlags buttons =
            Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        const struct {
            TForm::BorderIcons icons;
            Qt::WindowFlags shown;
            int x11Type;
        } cases[] = {
            {TForm::BorderIcons::None, {}, 0x08},
            {TForm::BorderIcons::Close, Qt::WindowCloseButtonHint, 0x08},
            {TForm::BorderIcons::MinimizeClose, Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint, 0},
        };
        for (const auto& c : cases) {
            SampleForm f;
            f.setBorderIcons(c.icons);
            QVERIFY(openForm(f));
            QCOMPARE(f.windowFlags() & buttons, c.shown);
            QVERIFY(f.windowFlags().testFlag(Qt::WindowTitleHint));
            QCOMPARE(f.windowHandle()->flags(), f.windowFlags());
            QCOMPARE(f.windowHandle()->property("_q_xcb_wm_window_type").toInt(), c.x11Type);
        }
    }

    void modalResultOfAButtonClosesTheWindowWithIt()
    {
        SampleForm f;
        f.button->setModalResult(2);
        auto ran = onNextModal<SampleForm>([](SampleForm& form) { click(*form.button); });
        QCOMPARE(f.openModal(), 2);
        QVERIFY(*ran);
    }
};

QTEST_MAIN(FormTest)
#include "FormTest.moc"
