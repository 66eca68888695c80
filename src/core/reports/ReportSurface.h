#pragma once
#include <string_view>

namespace treluza {

/** What a report page is drawn on: the printer, the picture, a PDF file or a
 *  recording in a test. Coordinates are dots of the surface with the origin at
 *  the top-left corner of the page; texts are Windows-1252. */
class ReportSurface {
public:
    virtual ~ReportSurface() = default;

    /** The font of the following texts: a face name and the height of its
     *  character cell (ascent plus descent) in dots; regular, black. */
    virtual void setFont(std::string_view face, int height) = 0;
    virtual void moveTo(int x, int y) = 0;
    /** A one-dot line from the current point to (x, y), which becomes the
     *  current point. */
    virtual void lineTo(int x, int y) = 0;
    /** Writes a text with the top-left corner of its cell at (x, y). */
    virtual void textOut(int x, int y, std::string_view text) = 0;
    /** The width of a text in the current font, in dots. */
    virtual int textWidth(std::string_view text) = 0;
    /** Ends the page; the following drawing goes on a new one. */
    virtual void newPage() = 0;
};

} // namespace treluza
