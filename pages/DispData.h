#pragma once

#include "pages/PageHistory.h"
#include "shell/MusaForm.h"

#include <QString>

#include <exception>
#include <functional>
#include <memory>

class QFrame;
class THstmt;
class TShapeButton;
class TWPRichText;

// The record page "Daten anzeigen": one record composed as a rich-text page
// in which every related record is a link. A click on a link opens that
// record on the same screen; back and forward walk a history of up to 20
// pages, each reopened at the scroll position it had when it was left.
class TfrmDispData : public TMusaForm
{
    Q_OBJECT

public:
    explicit TfrmDispData(QWidget* Parent = nullptr);
    ~TfrmDispData() override;

    // Appends a page to the history (a full history loses its oldest page).
    void PushHistory(int Kind, int Id, int SubId);
    const TPageHistory& History() const { return FHistory; }

    // Rebuilds the page of the current history entry. A failing statement
    // is reported by the error display; the page keeps what was built and
    // the view and the cursor come back as after a complete build.
    void ShowCurrentEntry();

    // Lays out the page frame and the buttons for the current size.
    void FormResize();

    void WPRichText1HyperLinkEvent(const QString& Code);
    void pbPrevClick();
    void pbNextClick();
    void pbPrintClick();
    void pbCloseClick();
    void pbSuchenClick();
    // The in-page search after the dialog: rebuild, mark every hit of Text
    // in yellow, scroll to the first. Returns the number of hits.
    int SearchInPage(const QString& Text);

    QFrame* pnlRichText = nullptr;
    TWPRichText* WPRichText1 = nullptr;
    TShapeButton* pbPrint = nullptr;
    TShapeButton* pbSuchen = nullptr;
    TShapeButton* pbPrev = nullptr;
    TShapeButton* pbNext = nullptr;
    TShapeButton* pbClose = nullptr;

    THstmt& Hstmt1() { return *FHstmt1; }

    // How a failure is shown; the application's message box unless a test
    // watches it instead.
    using TErrorDisplay = std::function<void(const std::exception&)>;
    static void SetErrorDisplayForTesting(TErrorDisplay Display);

protected:
    bool FormKeyUp(QKeyEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    TShapeButton* AddButton(const char* Name, const QImage& Picture, const QString& Hint);
    void OpenLinkTarget(const QString& Code);
    void ResetStatements() noexcept;
    static void ReportError(const std::exception& Error);

    std::unique_ptr<THstmt> FHstmt1;
    std::unique_ptr<THstmt> FHstmt2;
    std::unique_ptr<THstmt> FHstmt3;
    std::unique_ptr<THstmt> FHstmt4;
    TPageHistory FHistory;
    bool FShownOnce = false;
};

// Opens the record page of the given record kind and key modally; SubId
// narrows the record where the kind needs it (0 otherwise).
void ShowRecordPage(int Kind, int Id, int SubId);

// Called by ShowRecordPage with its arguments instead of opening the screen
// while set, so that tests can see which page a list or menu asked for.
extern std::function<void(int, int, int)> ShowRecordPageHook;
