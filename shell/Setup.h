#pragma once

#include "shell/MusaForm.h"

class QCheckBox;
class QPushButton;

// The options dialog: the seven on/off settings. Saving puts them into the
// settings variables at once (hints switch over on every screen right away);
// they reach Musarix.Ini at the end of the run. No click sounds in here: the
// main menu has played one when it opened the dialog.
class TfrmSetup : public TMusaForm
{
    Q_OBJECT

public:
    explicit TfrmSetup(QWidget* Parent = nullptr);

    QCheckBox* cbHinweise = nullptr;
    QCheckBox* cbIntro = nullptr;
    QCheckBox* cbIntroMusik = nullptr;
    QCheckBox* cbOutro = nullptr;
    QCheckBox* cbOutroMusik = nullptr;
    QCheckBox* cbTastenClick = nullptr;
    QCheckBox* cbErrorSound = nullptr;
    QPushButton* pbCancel = nullptr;
    QPushButton* pbOk = nullptr;

    // Copies the boxes into the settings and closes the dialog.
    void pbOkClick();
    // Closes the dialog; the settings stay as they were.
    void pbCancelClick();

protected:
    bool FormKeyUp(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    QCheckBox* AddBox(const QString& Name, int Top, const QString& Caption, const QString& Hint);
    // A music box can be changed only while its screen is on; it keeps its
    // tick while it cannot.
    void UpdateMusicBoxes();
};
