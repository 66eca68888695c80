#include "app/LisUnit.h"

#include "gui/QtText.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

namespace treluza {

namespace {

constexpr int kItemHeight = 16;

} // namespace

TLisForm::TLisForm(QWidget* parent) : TForm(parent)
{
    setObjectName(QStringLiteral("LisForm"));
    setWindowTitle(QStringLiteral("TELA LISTA ITENS"));
    setBorderIcons(BorderIcons::Close);
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    font.setBold(true);
    ListBox->setFont(font);
    ListBox->setUniformItemSizes(true);
    ListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBox);
    connect(ListBox, &QListWidget::itemDoubleClicked, this, [this] { done(1); });
    setClientSize(524, 445);
}

void TLisForm::SetItems(const QStringList& items)
{
    ListBox->clear();
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, ListBox);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

int TLisForm::ItemIndex() const
{
    return ListBox->currentRow();
}

void TLisForm::SetItemIndex(int index)
{
    if (index >= 0 && index < ListBox->count())
        ListBox->setCurrentRow(index);
    else
        ListBox->setCurrentRow(-1);
}

int TLisForm::Pick(const QString& caption, const QStringList& items, int selected)
{
    setWindowTitle(caption);
    SetItems(items);
    SetItemIndex(selected);
    openModal();
    return ItemIndex();
}

int TLisForm::PickCore(const QString& caption, const std::vector<std::string>& items, int selected)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items)
        list << Qs(item);
    return Pick(caption, list, selected);
}

void TLisForm::FormActivate()
{
    ListBox->setFocus();
    if (QListWidgetItem* item = ListBox->currentItem())
        ListBox->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void TLisForm::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        done(1);
        return;
    }
    TForm::keyPressEvent(e);
}

} // namespace treluza
