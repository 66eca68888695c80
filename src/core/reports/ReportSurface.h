#pragma once
#include <span>
#include <string_view>

namespace treluza {

/** A point of a report surface, in dots. */
struct SurfacePoint {
    int x = 0;
    int y = 0;
};

/** What a report page is drawn on: the printer, the picture, a PDF file or a
 *  recording in a test. Coordinates are dots of the surface with the origin at
 *  the top-left corner of the page; texts are Windows-1252. */
class ReportSurface {
public:
    /** The colour of the texts, lines and fills that follow. */
    enum class Ink { Black, White };

    virtual ~ReportSurface() = default;

    /** The font of the following texts: a face name and the height of its
     *  character cell (ascent plus descent) in dots; regular. */
    virtual void setFont(std::string_view face, int height) = 0;
    /** The same face and cell height in bold. */
    virtual void setBoldFont(std::string_view face, int height) = 0;
    /** Black until changed: white draws over a black fill. */
    virtual void setInk(Ink ink) = 0;
    virtual void moveTo(int x, int y) = 0;
    /** A one-dot line from the current point to (x, y), which becomes the
     *  current point. */
    virtual void lineTo(int x, int y) = 0;
    /** Writes a text with the top-left corner of its cell at (x, y). */
    virtual void textOut(int x, int y, std::string_view text) = 0;
    /** The width of a text in the current font, in dots. */
    virtual int textWidth(std::string_view text) = 0;
    /** A filled rectangle, its top-left corner at (x, y). */
    virtual void fillRect(int x, int y, int width, int height) = 0;
    /** A filled ellipse inside the rectangle. */
    virtual void fillEllipse(int x, int y, int width, int height) = 0;
    /** A filled polygon through the points, closed. */
    virtual void fillPolygon(std::span<const SurfacePoint> points) = 0;
    /** Ends the page; the following drawing goes on a new one. */
    virtual void newPage() = 0;
};

} // namespace treluza
