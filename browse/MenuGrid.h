#pragma once

#include "odbc/THstmt.h"
#include "shell/MusaForm.h"

#include <QString>

#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;
class TOEGrid;
class TShadowLabel;
class TShapeButton;

// The category list: every entry of one category (persons, bands,
// instruments, ..., and the eight picture galleries) in alphabetical order,
// narrowed 500 ms after the user's last keystroke in the search field, and
// opened as a record page or, in a gallery, in the picture windows. Which
// category it shows is the list kind (browse/ListKinds.h).
class TfrmMenuGrid : public TMusaForm
{
    Q_OBJECT

public:
    explicit TfrmMenuGrid(QWidget* Parent = nullptr);
    ~TfrmMenuGrid() override;

    // The list kind, 0 ... 24; set before the screen is shown.
    std::uint8_t Kind = 0;
    // The lyrics and covers lists offer a choice of sort column.
    bool HasSort = false;

    // Rebuilds the list statement for Kind, the sort choice and the LIKE
    // pattern Pattern ("%": the whole category), and runs it.
    void BuildQuery(const QString& Pattern);

    // The handlers of the screen, named after their controls.
    void pbAuswahlClick();
    void pbMenueClick();
    void OEGrid1DblClick();
    void Timer1Timer();

    TShadowLabel* lblTitel = nullptr;
    TShadowLabel* lblSuchbegriff = nullptr;
    QLineEdit* dfSuchbegriff = nullptr;
    QToolButton* pbSuche1 = nullptr;
    QToolButton* pbSuche2 = nullptr;
    TShadowLabel* lblSatz2 = nullptr;
    TShadowLabel* lblSatz4 = nullptr;
    TShadowLabel* lblSortNach = nullptr;
    QComboBox* cmbSortNach = nullptr;
    TOEGrid* OEGrid1 = nullptr;
    TShapeButton* pbAuswahl = nullptr;
    TShapeButton* pbMenue = nullptr;
    QTimer* Timer1 = nullptr;
    // Feeds OEGrid1: forward-only, 64 rows a fetch, so the list streams.
    THstmt Hstmt1{"Hstmt1"};

protected:
    bool FormKeyUp(QKeyEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    void FormShow();
    void MakeControls();
    TShadowLabel* AddLabel(const char* Name, const QString& Text, const QRect& Place, int PixelSize,
                           const QString& Hint = QString());
    void SearchTextChanged();
    void SearchModeClicked();
    void SortChanged();
    void OpenGallery();
    // The sort item stored for the list, 0 or 1.
    int StoredSortItem() const;
    void StoreSortItem() const;
    int SortItem() const;
    // Removes double quotes from the search field, so that typed text can
    // never end the quoted search term of the statement.
    void DropDoubleQuotes();
};

// Opens the category list of the given list kind (0 ... 24) modally and
// returns when it closes.
void ShowMenuGrid(int Kind);

// When set, ShowMenuGrid calls it with its argument instead of running the
// screen, so that tests of the menus see which list a menu asked for.
extern std::function<void(int)> ShowMenuGridHook;
