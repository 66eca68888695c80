#include "gui/dialogs/LisUnit.h"

#include "gui/widgets/QtText.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

namespace treluza {

namespace {

constexpr int kItemHeight = 16;

} // namespace

TLisForm::TLisForm(QWidget* parent) : TForm(parent)
{
    setUp({.name = "LisForm", .title = QStringLiteral("TELA LISTA ITENS"), .icons = BorderIcons::Close});
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

void TLisForm::setItems(const QStringList& items)
{
    ListBox->clear();
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, ListBox);
        item->setSizeHint(QSize(0, kItemHeight));
    }
}

int TLisForm::itemIndex() const
{
    return ListBox->currentRow();
}

void TLisForm::setItemIndex(int index)
{
    if (index >= 0 && index < ListBox->count())
        ListBox->setCurrentRow(index);
    else
        ListBox->setCurrentRow(-1);
}

int TLisForm::pick(const QString& caption, const QStringList& items, int selected)
{
    setWindowTitle(caption);
    setItems(items);
    setItemIndex(selected);
    m_openedWith = itemIndex();
    openModal();
    return itemIndex();
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
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        closeWithoutChoice();
        return;
    }
    TForm::keyPressEvent(e);
}

void TLisForm::closeEvent(QCloseEvent* e)
{
    if (e->spontaneous())
        setItemIndex(m_openedWith);
    TForm::closeEvent(e);
}

void TLisForm::closeWithoutChoice()
{
    setItemIndex(m_openedWith);
    done(0);
}

} // namespace treluza
