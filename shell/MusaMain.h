#pragma once

#include "shell/MusaForm.h"

class TShadowLabel;
class TShapeButton;

// The picture main menu: a full-screen picture of objects, each a shaped
// button that opens a topic menu or a screen. It runs for the whole use of
// the program; closing it ends the program.
class TfrmMain : public TMusaForm
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* Parent = nullptr);

    TShadowLabel* lblTitel = nullptr;
    TShapeButton* pbSchote = nullptr;
    TShapeButton* pbEnde = nullptr;
    TShapeButton* pbInstrumente = nullptr;
    TShapeButton* pbBilder = nullptr;
    TShapeButton* pbGenres = nullptr;
    TShapeButton* pbAbfrage = nullptr;
    TShapeButton* pbPersonen = nullptr;
    TShapeButton* pbFachliches = nullptr;
    TShapeButton* pbCharts = nullptr;
    TShapeButton* pbLyrics = nullptr;
    TShapeButton* pbEigenes = nullptr;
    TShapeButton* pbSetup = nullptr;
    TShapeButton* pbMinimze = nullptr;
    TShapeButton* pbAdressen = nullptr;

    void pbSchoteClick();
    void pbEndeClick();
    void pbInstrumenteClick();
    void pbBilderClick();
    void pbGenresClick();
    void pbAbfrageClick();
    void pbPersonenClick();
    void pbFachlichesClick();
    void pbChartsClick();
    void pbLyricsClick();
    void pbEigenesClick();
    void pbSetupClick();
    void pbMinimzeClick();
    void pbAdressenClick();

protected:
    bool FormKeyUp(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    TShapeButton* AddButton(const QString& Name, const QRect& Place, const QImage& Picture,
                            const QString& Hint);
};
