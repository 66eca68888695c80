#pragma once
// The on-screen preview of a nutrition label: the table and the front mark as
// they print, scaled to fit the widget, or the message that says why there is
// no label yet.
#include "core/labels/NutritionLabel.h"

#include <QWidget>

#include <optional>

namespace treluza {

class TLabelPreview final : public QWidget {
    Q_OBJECT
public:
    explicit TLabelPreview(QWidget* parent = nullptr);

    void showLabel(const NutritionLabel& label);
    /** No label: the message (window text) is shown instead. */
    void showMessage(const QString& message);

    const std::optional<NutritionLabel>& label() const { return m_label; }
    const QString& message() const { return m_message; }
    /** The resolution the label is drawn at now, in dots per inch. */
    int drawingDpi() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::optional<NutritionLabel> m_label;
    QString m_message;
};

} // namespace treluza
