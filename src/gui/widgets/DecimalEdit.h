#pragma once
// The behaviour of a numeric masked edit ("999999,99;1;_" and the like).
//
// How to use it: installDecimalBehaviour(edit) right after the edit is made,
// before the window connects handlers of its own to KeyPress and Exit, so
// that they see the normalised text. Then a typed "." becomes ",", typing ","
// right-aligns the integer part against the comma at once, and leaving the
// field (unless it is its blank template) right-aligns the integer part, an
// empty one becoming "0", and fills blank decimal places with "0".
namespace treluza {

class TMaskEdit;

void installDecimalBehaviour(TMaskEdit& edit);

/** The normalisation done on leaving: the text aligned and zero-filled unless
 *  it is the blank template of the edit's mask. */
void normaliseDecimalEdit(TMaskEdit& edit);

} // namespace treluza
