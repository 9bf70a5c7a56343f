#pragma once

#include "shell/MusaForm.h"

class QSpinBox;
class TMarginPreview;
class TShadowLabel;
class TShapeButton;

// The margins dialog "Randeinstellungen": the four print margins in
// millimetres, 1 to 99 each. OK puts them into the settings at once, so the
// next print uses them; they reach Musarix.Ini at the end of the run.
class TfrmRaender : public TMusaForm
{
    Q_OBJECT

public:
    explicit TfrmRaender(QWidget* Parent = nullptr);

    QSpinBox* dfRandL = nullptr;
    QSpinBox* dfRandR = nullptr;
    QSpinBox* dfRandO = nullptr;
    QSpinBox* dfRandU = nullptr;
    TShapeButton* pbOk = nullptr;
    TShapeButton* pbCancel = nullptr;
    TMarginPreview* Preview = nullptr;

    // The fields into the settings, then close with result OK.
    void pbOkClick();
    // Close with result Cancel; the settings stay as they were.
    void pbCancelClick();

protected:
    bool FormKeyUp(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    // A field with its caption above and "mm" behind it; Left and Top place
    // the field.
    QSpinBox* AddField(const char* Name, const QString& Caption, const QString& Hint, int Left,
                       int Top);
    TShadowLabel* AddLabel(const QString& Text, const QRect& Place, Qt::Alignment Alignment);
    void LoadFields();
    void UpdatePreview();
};

// Opens the margins dialog modally and frees it afterwards.
void ShowMargins();
