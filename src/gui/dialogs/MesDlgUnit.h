#pragma once
// The message dialog: the window that shows every message and question of the
// program (see gui/widgets/Messages.h for the calls).
//
// How to use it: the program makes one TMesDlgForm at start-up and installs it
// with installMessageDialog(); ShowMessageDialog then lays it out for each
// text and shows it modally.
#include "core/store/Sinks.h"
#include "gui/widgets/Form.h"

class QLabel;

namespace treluza {

class TBitBtn;

class TMesDlgForm : public TForm {
    Q_OBJECT
public:
    explicit TMesDlgForm(QWidget* parent = nullptr);

    /** Lays the dialog out for the text and kind and shows it modally; a
     *  question's default button is the one of defaultAnswer. */
    Answer showMessage(const QString& text, MessageKind kind, Answer defaultAnswer = Answer::Yes);

    /** Lays the dialog out without showing it (showMessage does this first). */
    void prepare(const QString& text, MessageKind kind, Answer defaultAnswer = Answer::Yes);

    QLabel* DesImage;
    QLabel* MenLabel;
    TBitBtn* SimBitBtn;
    TBitBtn* NaoBitBtn;
    TBitBtn* OkBitBtn;

protected:
    void FormActivate() override;
};

/** The picture of the message dialog, decoded from its JPEG. */
QImage messagePicture();

/** Makes form the dialog of ShowMessageDialog (null removes it). */
void installMessageDialog(TMesDlgForm* form);

} // namespace treluza
