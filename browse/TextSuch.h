#pragma once

#include "shell/MusaForm.h"

class QLineEdit;
class TShapeButton;

// The text search dialog of the record page: asks for the text to find in
// the page. OK is possible only with a text; double quotes cannot stay in
// it. The opener reads editSuchbegriff after a result of OK (1).
class TfrmTextSuche : public TMusaForm
{
    Q_OBJECT

public:
    explicit TfrmTextSuche(QWidget* Parent = nullptr);
    ~TfrmTextSuche() override;

    QLineEdit* editSuchbegriff = nullptr;
    TShapeButton* pbOk = nullptr;
    TShapeButton* pbCancel = nullptr;

    void editSuchbegriffChange();
    void editSuchbegriffKeyUp();
    void pbOkClick();
    void pbCancelClick();

protected:
    bool FormKeyUp(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;
};
