#pragma once
// Small helpers that place the controls of a fixed-layout window.
#include <QFont>
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

/** The fixed-pitch font ("Courier New") in which numbers and lists laid out
 *  in columns are shown. */
QFont fixedPitchFont(int points);

} // namespace treluza
