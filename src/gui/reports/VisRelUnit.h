#pragma once
// The report viewer: shows the picture of a report; a double click closes it.
//
// How to use it: showPicture(picture) sizes the window to the picture (with
// scroll bars beyond 780 x 540), centres it and shows it modally.
#include "gui/widgets/Form.h"

#include <QLabel>

class QScrollArea;

namespace treluza {

/** The picture of the viewer; tells a double click. */
class TImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

class TVisRelForm : public TForm {
    Q_OBJECT
public:
    explicit TVisRelForm(QWidget* parent = nullptr);

    /** Sizes the viewer to the picture and shows it modally. */
    void showPicture(const QImage& picture);
    /** Only the sizing of showPicture. */
    void fitTo(const QSize& picture);

    bool scrollBarsOn() const { return m_scrollBars; }

    void Image1DblClick();

    QScrollArea* ScrollBox;
    QWidget* Panel1;
    TImage* Image1;

private:
    bool m_scrollBars = false;
};

} // namespace treluza
