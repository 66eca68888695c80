#pragma once
#include "gui/widgets/RegisterForm.h"

class QLabel;

namespace treluza {

/** The table registry: creates, describes and deletes ingredient tables. */
class TCadTabForm : public TRegisterForm {
    Q_OBJECT
public:
    explicit TCadTabForm(FormContext& context, QWidget* parent = nullptr);

    QLabel* TabLabel = nullptr;
    TMaskEdit* TabMaskEdit = nullptr;
    QLabel* DesTabLabel = nullptr;
    TMaskEdit* DesTabMaskEdit = nullptr;

    void DesTabMaskEditExit(QWidget* next);

protected:
    void FormActivate() override;

    TMaskEdit* keyEdit() override { return TabMaskEdit; }
    std::string MakeLine() override;
    void ShowCurrent() override;
    void ClearFields() override;
    void ApplyMode() override;
    bool acceptNewKey(const std::string& key) override;
    bool checkChange() override;
    bool checkDelete() override;
    void focusFields() override;
    void recordBrowsed() override;
    QString listCaption() const override;
    bool listed(int record) const override;

private:
    bool currentEditable() const;
};

} // namespace treluza
