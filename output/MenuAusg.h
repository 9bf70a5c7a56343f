#pragma once

#include "shell/MusaForm.h"

#include <functional>

class TShapeButton;
class TWPRichText;

// The output screen "Ausgeben": prints the record page it was given, copies
// it to the clipboard, lets the user choose the printer and set the margins.
// It works on a cleaned copy of the page in its own hidden view WPRichText1,
// so the page itself keeps its links.
class TfrmAusgabe : public TMusaForm
{
    Q_OBJECT

public:
    explicit TfrmAusgabe(QWidget* Parent = nullptr);
    ~TfrmAusgabe() override;

    // Takes over Page and cleans the copy for output: no link codes, link
    // text in the plain text colour, single blanks.
    void PrepareCopy(const TWPRichText& Page);

    TWPRichText* WPRichText1 = nullptr;
    TShapeButton* pbZurueck = nullptr;
    TShapeButton* pbSetup = nullptr;
    TShapeButton* ppClipboard = nullptr;
    TShapeButton* pbDrucken = nullptr;
    TShapeButton* pbRaender = nullptr;

    // Back to the record page.
    void pbZurueckClick();
    // The printer selection dialog.
    void pbSetupClick();
    // The page to the clipboard, then back.
    void ppClipboardClick();
    // The page to the printer with the current margins, then back.
    void pbDruckenClick();
    // The margins dialog.
    void pbRaenderClick();

protected:
    bool FormKeyUp(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    TShapeButton* AddButton(const char* Name, int Left, const QImage& Picture, const QString& Hint);
};

// Opens the output screen for Page modally and frees it afterwards.
void ShowOutput(TWPRichText* Page);

// Called by ShowOutput instead of opening the screen while set, so that tests
// of the record page can see that the page asked for its output.
extern std::function<void(TWPRichText*)> ShowOutputHook;
