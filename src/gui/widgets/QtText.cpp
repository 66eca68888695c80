#include "gui/widgets/QtText.h"

#include "core/store/Cp1252.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringListModel>

namespace treluza {

void fillCombo(QComboBox& combo, const std::vector<std::string>& entries)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& e : entries)
        items << qs(e);
    const QSignalBlocker block(&combo);
    auto* model = qobject_cast<QStringListModel*>(combo.model());
    if (!model) {
        model = new QStringListModel(&combo);
        combo.setModel(model);
    }
    model->setStringList(items);
    combo.setCurrentIndex(-1);
}

QString qs(std::string_view cp1252)
{
    // Windows-1252 is Latin-1 but for the bytes 0x80 to 0x9F: the whole text
    // goes through the fast Latin-1 conversion, then those bytes are mended.
    QString out = QString::fromLatin1(cp1252.data(), static_cast<qsizetype>(cp1252.size()));
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const auto c = static_cast<unsigned char>(cp1252[i]);
        if (c >= 0x80 && c <= 0x9F)
            out[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(codePointFromCp1252(c)));
    }
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
