#include "gui/lists/ListWindow.h"

#include "core/lists/ListRows.h"
#include "gui/lists/ListBoxRows.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>

namespace treluza {

namespace {

/** Wide enough for the longest record line the lists show. */
constexpr int kHeaderWidth = 1 << 14;

} // namespace

std::string entryAt(const std::vector<std::string>& entries, int index)
{
    return index >= 0 && index < static_cast<int>(entries.size()) ? entries[static_cast<std::size_t>(index)]
                                                                  : std::string();
}

TListWindow::TListWindow(FormContext& context, QWidget* parent) : TForm(parent), m_context(context)
{
    // The windows made on it name themselves and keep this face and size.
    setUp({.points = 8, .width = 796, .height = 498});
}

void TListWindow::addButtonRow(std::initializer_list<ButtonSpec> buttons, int height)
{
    int x = 0;
    for (const ButtonSpec& b : buttons) {
        *b.button = new TBitBtn(QString::fromUtf8(b.caption), glyph(QString::fromLatin1(b.glyph)), this);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        (*b.button)->setGeometry(x, 0, b.width, height);
        x += b.width;
    }
}

QCheckBox* TListWindow::optionCheck(const char* name, const char* caption, const QPoint& at)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption), this);
    box->setObjectName(QString::fromLatin1(name));
    box->move(at);
    box->resize(box->sizeHint());
    return box;
}

QComboBox* TListWindow::optionCombo(const char* name, const QRect& geometry)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(false);
    combo->setGeometry(geometry);
    return combo;
}

void TListWindow::makeRowList(bool bold, const QRect& geometry)
{
    LisFilOrdListBox = new QListWidget(this);
    LisFilOrdListBox->setObjectName(QStringLiteral("LisFilOrdListBox"));
    LisFilOrdListBox->setFont(listFont(bold));
    LisFilOrdListBox->setUniformItemSizes(true);
    LisFilOrdListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    LisFilOrdListBox->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    LisFilOrdListBox->setGeometry(geometry);
}

void TListWindow::attachHeader(QWidget* header, int top, int height)
{
    // The strip clips the wide header to the width of the list. The header
    // starts where the rows' text starts: past the list's frame and the
    // margin the style leaves before an item's text.
    auto* strip = new QWidget(this);
    strip->setGeometry(LisFilOrdListBox->x(), top, LisFilOrdListBox->width(), height);
    header->setParent(strip);
    const int inset =
        LisFilOrdListBox->frameWidth() +
        LisFilOrdListBox->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, LisFilOrdListBox) + 1;
    header->setGeometry(inset, 0, kHeaderWidth, height);
    connect(LisFilOrdListBox->horizontalScrollBar(), &QScrollBar::valueChanged, header,
            [header, inset](int value) { header->move(inset - value, 0); });
}

void TListWindow::connectListControls()
{
    connect(AtiFilCheckBox, &QCheckBox::clicked, this, &TListWindow::AtiFilCheckBoxClick);
    connect(NomGruComboBox, &QComboBox::activated, this, &TListWindow::NomGruComboBoxClick);
    connect(AtiOrdCheckBox, &QCheckBox::clicked, this, &TListWindow::AtiOrdCheckBoxClick);
    connect(NomCamComboBox, &QComboBox::activated, this, &TListWindow::NomCamComboBoxClick);
    connect(PriBitBtn, &TBitBtn::clicked, this, &TListWindow::PriBitBtnClick);
    connect(UltBitBtn, &TBitBtn::clicked, this, &TListWindow::UltBitBtnClick);
    connect(BitBtn1, &TBitBtn::clicked, this, &TListWindow::BitBtn1Click);
    connect(BitBtn3, &TBitBtn::clicked, this, &TListWindow::BitBtn3Click);
    connect(AjuBitBtn, &TBitBtn::clicked, this, &TListWindow::AjuBitBtnClick);
    connect(LisFilOrdListBox, &QListWidget::itemDoubleClicked, this, &TListWindow::LisFilOrdListBoxDblClick);
}

void TListWindow::toggleOption(const QCheckBox& option, QComboBox& choice)
{
    const bool on = option.isChecked();
    choice.setEnabled(on);
    choice.setCurrentIndex(-1);
    if (on)
        choice.setFocus();
    else
        rebuildRows();
}

void TListWindow::AtiFilCheckBoxClick()
{
    toggleOption(*AtiFilCheckBox, *NomGruComboBox);
}

void TListWindow::NomGruComboBoxClick()
{
    rebuildRows();
}

void TListWindow::AtiOrdCheckBoxClick()
{
    toggleOption(*AtiOrdCheckBox, *NomCamComboBox);
}

void TListWindow::NomCamComboBoxClick()
{
    rebuildRows();
}

void TListWindow::PriBitBtnClick()
{
    selectRow(*LisFilOrdListBox, LisFilOrdListBox->count() > 0 ? 0 : -1);
}

void TListWindow::UltBitBtnClick()
{
    selectRow(*LisFilOrdListBox, LisFilOrdListBox->count() - 1);
}

void TListWindow::BitBtn1Click()
{
    selectRow(*LisFilOrdListBox, quarterMove(LisFilOrdListBox->count(), LisFilOrdListBox->currentRow(), -1));
}

void TListWindow::BitBtn3Click()
{
    selectRow(*LisFilOrdListBox, quarterMove(LisFilOrdListBox->count(), LisFilOrdListBox->currentRow(), +1));
}

void TListWindow::LisFilOrdListBoxDblClick()
{
    chooseRow(false);
}

void TListWindow::AjuBitBtnClick()
{
    m_context.help.showHelp();
}

int TListWindow::selectedLine() const
{
    const int row = LisFilOrdListBox->currentRow();
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[static_cast<std::size_t>(row)] : -1;
}

void TListWindow::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && QApplication::focusWidget() == LisFilOrdListBox) {
        e->accept();
        chooseRow(true);
        return;
    }
    TForm::keyPressEvent(e);
}

} // namespace treluza
