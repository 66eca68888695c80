#include "gui/widgets/FormContext.h"

#include "gui/widgets/QtText.h"

namespace treluza {

int ListPicker::pickCore(const QString& caption, const std::vector<std::string>& items, int selected)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items)
        list << qs(item);
    return pick(caption, list, selected);
}

ProgressSink& FormContext::progress() const
{
    static NullProgress none;
    return conForm ? *conForm : static_cast<ProgressSink&>(none);
}

} // namespace treluza
