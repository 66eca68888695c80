#include "gui/widgets/QtText.h"

#include "core/store/Cp1252.h"

namespace treluza {

QString qs(std::string_view cp1252)
{
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (unsigned char c : cp1252)
        out.append(QChar(static_cast<char16_t>(codePointFromCp1252(c))));
    return out;
}

std::string cs(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const int b = c.isSurrogate() ? -1 : cp1252FromCodePoint(c.unicode());
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

bool hasCp1252Form(QChar c)
{
    return !c.isSurrogate() && cp1252FromCodePoint(c.unicode()) >= 0;
}

} // namespace treluza
