#pragma once
#include <QByteArray>
#include <QImage>

namespace treluza {

/** Decodes JPEG bytes with libjpeg; a null image when the bytes are not a JPEG
 *  that libjpeg can read (the error is not fatal). */
QImage decodeJpeg(const QByteArray& bytes);

} // namespace treluza
