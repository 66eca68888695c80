// The masked edit field and the key filter of name fields.
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/NameFilter.h"
#include "harness/GuiHarness.h"

#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

class MaskEditTest : public QObject {
    Q_OBJECT

private:
    // A window with two fields, so that focus can move between them.
    struct Window {
        QDialog dialog;
        TMaskEdit* a = new TMaskEdit(&dialog);
        TMaskEdit* b = new TMaskEdit(&dialog);
        Window()
        {
            b->move(0, 40);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
        }
    };

private slots:
    void fixedLengthTextKeepsLiteralsAndBlanks()
    {
        TMaskEdit e(QStringLiteral("999999,99;1;_"));
        QCOMPARE(e.maskText(), QStringLiteral("      ,  "));
        QCOMPARE(e.shownText(), QStringLiteral("______,__"));
        e.setMaskText(QStringLiteral("    12,50"));
        QCOMPARE(e.maskText(), QStringLiteral("    12,50"));
        QCOMPARE(e.shownText(), QStringLiteral("____12,50"));
        e.clearText();
        QCOMPARE(e.maskText(), QStringLiteral("      ,  "));
    }

    void typingOverwritesAndSkipsLiterals()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("99/99/9999;1;_"));
        typeInto(*w.a, QStringLiteral("25122008"));
        QCOMPARE(w.a->maskText(), QStringLiteral("25/12/2008"));
        w.a->setCursorPosition(0);
        typeKeys(*w.a, QStringLiteral("3"));
        QCOMPARE(w.a->maskText(), QStringLiteral("35/12/2008"));
    }

    void digitPlacesRefuseLettersAndCommaJumpsToDecimals()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("999999,99;1;_"));
        typeInto(*w.a, QStringLiteral("1x2,5"));
        QCOMPARE(w.a->maskText(), QStringLiteral("12    ,5 "));
    }

    void nameFieldIsPaddedAndUpperCaseMaskWorks()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("cccccccccccccccccccc;1;_"));
        typeInto(*w.a, QStringLiteral("Tabela 1"));
        QCOMPARE(w.a->maskText(), QStringLiteral("Tabela 1            "));
        QCOMPARE(w.a->maskText().size(), 20);
        QCOMPARE(w.a->coreText(), std::string("Tabela 1            "));
        w.b->setEditMask(QStringLiteral(">ccc;1;_"));
        typeInto(*w.b, QStringLiteral("pão"));
        QCOMPARE(w.b->maskText(), QStringLiteral("PÃO"));
        QCOMPARE(w.b->coreText(), std::string("P\xC3O"));
    }

    void fieldFullDropsFurtherKeys()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("ccc;1;_"));
        typeInto(*w.a, QStringLiteral("abcd"));
        QCOMPARE(w.a->maskText(), QStringLiteral("abc"));
        w.b->setMaxLength(3); // without a mask: free text up to the maximum length
        typeInto(*w.b, QStringLiteral("wxyz"));
        QCOMPARE(w.b->maskText(), QStringLiteral("wxy"));
    }

    void backspaceAndDeleteCloseTheGapUpToTheNextLiteral()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("9999,99;1;_"));
        typeInto(*w.a, QStringLiteral("1234,56"));
        w.a->setCursorPosition(1);
        QTest::keyClick(w.a, Qt::Key_Delete);
        QCOMPARE(w.a->maskText(), QStringLiteral("134 ,56"));
        w.a->setCursorPosition(3);
        QTest::keyClick(w.a, Qt::Key_Backspace);
        QCOMPARE(w.a->maskText(), QStringLiteral("13  ,56"));
        w.a->selectAll();
        QTest::keyClick(w.a, Qt::Key_Delete);
        QCOMPARE(w.a->maskText(), QStringLiteral("    ,  "));
    }

    void keyPressMayChangeOrDropTheKeyAndChangeFollowsTheText()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("cccc;1;_"));
        int changes = 0;
        connect(w.a, &TMaskEdit::Change, this, [&] { ++changes; });
        connect(w.a, &TMaskEdit::KeyPress, this, [](QChar& key) {
            if (key == u'x')
                key = QChar();
            else if (key == u'a')
                key = u'b';
        });
        typeInto(*w.a, QStringLiteral("axc"));
        QCOMPARE(w.a->maskText(), QStringLiteral("bc  "));
        QCOMPARE(changes, 2);
        w.a->setMaskText(QStringLiteral("zz"));
        QCOMPARE(changes, 3);
        w.a->setMaskText(QStringLiteral("zz"));
        QCOMPARE(changes, 3);
    }

    void exitTellsTheNextControlButNotAWindowSwitch()
    {
        Window w;
        QList<QWidget*> exits;
        connect(w.a, &TMaskEdit::Exit, this, [&](QWidget* next) { exits << next; });
        w.a->setFocus();
        QCOMPARE(QApplication::focusWidget(), w.a);
        QDialog other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.hide();
        QApplication::setActiveWindow(&w.dialog);
        QVERIFY(exits.isEmpty());
        leaveTowards(*w.a, *w.b);
        QCOMPARE(exits, QList<QWidget*>{w.b});
    }

    // A field entered from the keyboard, or given the focus by the program,
    // shows its whole text selected, even when its text is set after the focus
    // arrived; a click places the caret, and the window coming back to the
    // field being edited leaves the caret where it was.
    void keyboardEntrySelectsTheWholeTextAndAClickDoesNot()
    {
        const struct {
            const char* name;
            Qt::FocusReason reason;
            bool selected;
        } cases[] = {{"Tab", Qt::TabFocusReason, true},
                     {"Shift+Tab", Qt::BacktabFocusReason, true},
                     {"program", Qt::OtherFocusReason, true},
                     {"mouse", Qt::MouseFocusReason, false}};
        for (const auto& c : cases) {
            Window w;
            w.b->setEditMask(QStringLiteral("999999,9;1;_"));
            w.b->setMaskText(QStringLiteral("   110,0"));
            w.a->setFocus();
            // The field left sets the text of the one entered, as a chain does.
            connect(w.a, &TMaskEdit::Exit, w.b, [&w] { w.b->setMaskText(QStringLiteral("   120,0")); });
            w.b->setFocus(c.reason);
            QCOMPARE(w.b->hasSelectedText(), c.selected);
            if (c.selected)
                QCOMPARE(w.b->selectedText(), w.b->shownText());
            QTest::keyClicks(w.b, QStringLiteral("7"));
            QCOMPARE(w.b->maskText(), QString::fromLatin1(c.selected ? "7     , " : "7  120,0"));
        }
        Window w;
        w.a->setEditMask(QStringLiteral("999999,9;1;_"));
        typeInto(*w.a, QStringLiteral("12"));
        QDialog other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.hide();
        QApplication::setActiveWindow(&w.dialog);
        QVERIFY(QTest::qWaitForWindowActive(&w.dialog));
        QCOMPARE(QApplication::focusWidget(), w.a);
        QVERIFY(!w.a->hasSelectedText());
        QCOMPARE(w.a->cursorPosition(), 2);
    }

    // A numeric field left with blanks between its digits is refused and
    // keeps the focus; the field the focus reached on the way is not left.
    void numericFieldWithBlanksBetweenDigitsIsNotLeft()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("999999,9;1;_"));
        w.b->setEditMask(QStringLiteral("9999;1;_"));
        QList<QWidget*> exits;
        connect(w.a, &TMaskEdit::Exit, this, [&](QWidget* next) { exits << next; });
        connect(w.b, &TMaskEdit::Exit, this, [&](QWidget* next) { exits << next; });
        typeInto(*w.a, QStringLiteral("15"));
        w.a->setCursorPosition(5);
        typeKeys(*w.a, QStringLiteral("8"));
        QCOMPARE(w.a->maskText(), QStringLiteral("15   8, "));
        QVERIFY(!w.a->holdsValidValue());
        {
            MessageScript script{{QStringLiteral("Valor inválido!"), kOk}};
            leaveTowards(*w.a, *w.b);
            QVERIFY(script.done());
        }
        QCOMPARE(QApplication::focusWidget(), w.a);
        QVERIFY(exits.isEmpty());
        w.a->setMaskText(QStringLiteral("    15,8"));
        leaveTowards(*w.a, *w.b);
        QCOMPARE(exits, QList<QWidget*>{w.b});
        QVERIFY(!TMaskEdit(QStringLiteral("99/99/99;1;_")).isNumeric());
        QVERIFY(!TMaskEdit().isNumeric());
    }

    void editingKeysOfTheLineEditCannotBreakTheMask()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("99,9;1;_"));
        typeInto(*w.a, QStringLiteral("12,3"));
        w.a->selectAll();
        QTest::keyClick(w.a, Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(w.a, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.a->maskText(), QStringLiteral("12,3"));
        QCOMPARE(w.a->shownText().size(), 4);
    }

    // Alt with a letter is a mnemonic, never text, in a masked field and in a
    // free one; AltGr (Ctrl+Alt where the platform reports it so) still types.
    void altWithALetterTypesNothingButAltGrCharactersDo()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("cccccc;1;_"));
        w.b->setMaxLength(6);
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QString text;
            bool types;
        } keys[] = {
            {Qt::Key_G, Qt::AltModifier, QStringLiteral("g"), false},
            {Qt::Key_C, Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("C"), false},
            {Qt::Key_G, Qt::ControlModifier, QStringLiteral("\x07"), false},
            {Qt::Key_At, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@"), true},
            {Qt::Key_E, Qt::GroupSwitchModifier, QStringLiteral("€"), true},
        };
        for (TMaskEdit* edit : {w.a, w.b}) {
            typeInto(*edit, QStringLiteral("Te"));
            for (const auto& k : keys)
                QTest::sendKeyEvent(QTest::Click, edit, k.key, k.text, k.modifiers);
            QCOMPARE(edit->maskText().trimmed(), QStringLiteral("Te@€"));
        }
    }

    void nameFilterRefusesForbiddenCharactersWithItsMessage()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("cccccccccc;1;_"));
        installNameFilter(*w.a);
        const QString forbidden = QStringLiteral("\\_:*?\"<>|");
        MessageScript script;
        for (QChar c : forbidden)
            script.expect(QStringLiteral("Não é permitido utilizar o caracter (") + c + QStringLiteral(") !"),
                          kOk);
        typeInto(*w.a, QStringLiteral("a") + forbidden + QStringLiteral("b/"));
        QVERIFY(script.done());
        QCOMPARE(w.a->maskText(), QStringLiteral("ab/       "));
    }

    void charactersWithoutAWindows1252FormAreRefusedInEveryField()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("cccc;1;_"));
        MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (ł) !"), kOk},
                             {QStringLiteral("Não é permitido utilizar o caracter (✓) !"), kOk}};
        typeInto(*w.a, QStringLiteral("ał€✓"));
        QVERIFY(script.done());
        QCOMPARE(w.a->maskText(), QStringLiteral("a€  "));
        QCOMPARE(w.a->coreText(), std::string("a\x80  "));
    }

    void pasteGoesThroughTheFilters()
    {
        Window w;
        w.a->setEditMask(QStringLiteral("cccccc;1;_"));
        installNameFilter(*w.a);
        QApplication::clipboard()->setText(QStringLiteral("a:b"));
        MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (:) !"), kOk}};
        w.a->setFocus();
        w.a->setCursorPosition(0);
        QTest::keyClick(w.a, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(script.done());
        QCOMPARE(w.a->maskText(), QStringLiteral("ab    "));
    }

    void aClickInTheBlanksPutsTheCursorWhereTypingContinues()
    {
        Window w;
        w.a->resize(300, w.a->height());
        const QPoint farRight(w.a->width() - 4, w.a->height() / 2);
        w.a->setEditMask(QStringLiteral("99/99/9999;1;_"));
        QTest::mouseClick(w.a, Qt::LeftButton, {}, farRight);
        QCOMPARE(w.a->cursorPosition(), 0);
        typeKeys(*w.a, QStringLiteral("251"));
        QTest::mouseClick(w.a, Qt::LeftButton, {}, farRight);
        QCOMPARE(w.a->cursorPosition(), 4);
        // Within the typed part the click stays where it fell.
        QTest::mouseClick(w.a, Qt::LeftButton, {}, QPoint(2, w.a->height() / 2));
        QCOMPARE(w.a->cursorPosition(), 0);

        // A long free text is shown from its beginning.
        w.b->setMaxLength(200);
        w.b->setMaskText(QString(150, u'x'));
        QCOMPARE(w.b->cursorPosition(), 0);
    }

    void changingTheMaskKeepsTheText()
    {
        TMaskEdit e(QStringLiteral("cccccc;1;_"));
        e.setMaskText(QStringLiteral("Arroz"));
        e.setEditMask(QStringLiteral("cccccccc;1;_"));
        QCOMPARE(e.maskText(), QStringLiteral("Arroz   "));
        e.setEditMask(QString());
        QCOMPARE(e.maskText(), QStringLiteral("Arroz   "));
    }
};

QTEST_MAIN(MaskEditTest)
#include "MaskEditTest.moc"
