#pragma once
#include "core/reports/ReportSurface.h"

#include <algorithm>
#include <span>

#include <string>
#include <string_view>
#include <vector>

namespace treluza::testing {

/** A report surface that keeps what is drawn. A text is as wide as its
 *  characters times half the font height (whole dots), so tests know where a
 *  centred text starts. */
class RecordingSurface final : public ReportSurface {
public:
    struct Text {
        int x, y;
        std::string text;
        int fontHeight;
        int page;
        bool bold = false;
        Ink ink = Ink::Black;
        bool operator==(const Text&) const = default;
    };
    struct Line {
        int x1, y1, x2, y2;
        int page;
        bool operator==(const Line&) const = default;
    };
    /** A filled shape: a rectangle, an ellipse in its box, or a polygon's
     *  bounding box; with its ink. */
    struct Fill {
        enum Shape { Rect, Ellipse, Polygon } shape;
        int x, y, width, height;
        Ink ink;
        int page;
        bool operator==(const Fill&) const = default;
    };

    static int widthOf(std::string_view text, int fontHeight)
    {
        return static_cast<int>(text.size()) * (fontHeight / 2);
    }

    void setFont(std::string_view face, int height) override
    {
        this->face = face;
        fontHeight = height;
        fonts.push_back(height);
        bold = false;
    }
    void setBoldFont(std::string_view face, int height) override
    {
        setFont(face, height);
        bold = true;
    }
    void setInk(Ink i) override { ink = i; }
    void fillRect(int x, int y, int width, int height) override
    {
        fills.push_back({Fill::Rect, x, y, width, height, ink, pages});
    }
    void fillEllipse(int x, int y, int width, int height) override
    {
        fills.push_back({Fill::Ellipse, x, y, width, height, ink, pages});
    }
    void fillPolygon(std::span<const SurfacePoint> points) override
    {
        int left = points.empty() ? 0 : points.front().x, right = left;
        int top = points.empty() ? 0 : points.front().y, bottom = top;
        for (const SurfacePoint& p : points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        fills.push_back({Fill::Polygon, left, top, right - left, bottom - top, ink, pages});
    }
    void moveTo(int x, int y) override
    {
        m_x = x;
        m_y = y;
    }
    void lineTo(int x, int y) override
    {
        lines.push_back({m_x, m_y, x, y, pages});
        m_x = x;
        m_y = y;
    }
    void textOut(int x, int y, std::string_view text) override
    {
        texts.push_back({x, y, std::string(text), fontHeight, pages, bold, ink});
    }
    int textWidth(std::string_view text) override { return widthOf(text, fontHeight); }
    void newPage() override { ++pages; }

    /** The first text recorded that equals t, or null. */
    const Text* find(std::string_view t) const
    {
        for (const Text& text : texts)
            if (text.text == t)
                return &text;
        return nullptr;
    }
    bool hasLine(int x1, int y1, int x2, int y2, int page = 1) const
    {
        for (const Line& l : lines)
            if (l.page == page && ((l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2) ||
                                   (l.x1 == x2 && l.y1 == y2 && l.x2 == x1 && l.y2 == y1)))
                return true;
        return false;
    }
    /** The texts of one page whose top is y, in drawing order. */
    std::vector<std::string> row(int y, int page = 1) const
    {
        std::vector<std::string> out;
        for (const Text& t : texts)
            if (t.y == y && t.page == page)
                out.push_back(t.text);
        return out;
    }

    /** The texts of one page whose top lies in row n of rows R high (a text
     *  drawn smaller stands lower in its row), in drawing order. */
    std::vector<std::string> inRow(int n, int R, int page = 1) const
    {
        std::vector<std::string> out;
        for (const Text& t : texts)
            if (t.page == page && t.y >= (n - 1) * R && t.y < n * R)
                out.push_back(t.text);
        return out;
    }

    std::string face;
    int fontHeight = 0;
    bool bold = false;
    Ink ink = Ink::Black;
    std::vector<Fill> fills;
    std::vector<int> fonts;
    std::vector<Text> texts;
    std::vector<Line> lines;
    int pages = 1;

private:
    int m_x = 0;
    int m_y = 0;
};

} // namespace treluza::testing
