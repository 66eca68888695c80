#pragma once
// Small helpers that place the controls of a fixed-layout window.
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace treluza {

class TMaskEdit;

/** A label at a fixed place, its text vertically centred. */
QLabel* placeCaption(QWidget* parent, const QString& text, const QRect& place,
                     Qt::Alignment align = Qt::AlignLeft);

/** A masked edit (no mask for free text) at a fixed place, named for tests. */
TMaskEdit* placeMaskEdit(QWidget* parent, const char* objectName, const QString& editMask,
                         const QRect& place);

/** Makes an edit display-only: it shows what the program computes, takes
 *  neither the focus nor typing, and looks like the window, not like a field
 *  to type in. */
void makeDisplayOnly(TMaskEdit* edit);

} // namespace treluza
