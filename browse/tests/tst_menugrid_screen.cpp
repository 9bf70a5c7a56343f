// The category list screen at work: typing, sorting, opening entries and
// galleries, keys, and the way the menus run it.

#include "browse/MenuGrid.h"
#include "controls/ShLabel.h"
#include "controls/ShapeBut.h"
#include "odbc/OVCL.h"
#include "pages/DispBild.h"
#include "pages/DispData.h"
#include "pages/tests/CatalogueFixture.h"
#include "shell/Global.h"
#include "shell/IniFile.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr qint64 MozartYoung = 2048;
constexpr qint64 MozartOld = 100000;
constexpr qint64 LennonLate = 200000;
constexpr qint64 AbbeyRoad = 300000;

const char* const ListRows = R"SQL(
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA, PERS_PIC, PERS_BILD1, PERS_BILD2, PERS_TEXT1,
                    PERS_TEXT2) VALUES
  (1, 'Mozart, Wolfgang Amadeus', 1, 1, 2048, 100000, 'Als Kind', 'Um 1790'),
  (2, 'Bach, Johann Sebastian', 1, 0, NULL, NULL, NULL, NULL),
  (3, 'Lennon, John', 1, 1, NULL, 200000, NULL, '1980'),
  (4, 'McCartney, Paul', 1, 1, 0, 0, NULL, NULL),
  (5, 'Ohne Daten, Otto', 0, 0, NULL, NULL, NULL, NULL),
  (6, 'Monk, Thelonious', 1, 0, NULL, NULL, NULL, NULL);
INSERT INTO TITLE (TITE_ID, TITE_NAME, TITE_LYR) VALUES
  (1, 'Yesterday', 1), (2, 'Help', 1), (3, 'Instrumental', 0);
INSERT INTO TEXTER VALUES (1, 4), (2, 3), (2, 4), (3, 3);
INSERT INTO BAND (BAND_ID, BAND_NAME, BAND_PIC) VALUES (1, 'The Beatles', 0), (2, 'ABBA', 0);
INSERT INTO ALBUM (ALBU_ID, ALBU_NAME, BAND_ID, ALBU_COVER) VALUES
  (1, 'Abbey Road', 1, 300000), (2, 'Help!', 1, NULL), (3, 'Arrival', 2, 300000);
)SQL";

class ListScreen : public ::testing::Test
{
protected:
    static std::map<qint64, QByteArray> Pictures()
    {
        return {{MozartYoung, TCatalogueFixture::Bitmap(120, 160)},
                {MozartOld, TCatalogueFixture::Bitmap(130, 170)},
                {LennonLate, TCatalogueFixture::Bitmap(150, 150)},
                {AbbeyRoad, TCatalogueFixture::Bitmap(200, 200)}};
    }

    void SetUp() override
    {
        ShowRecordPageHook = [this](int Kind, int Id, int SubId) {
            FPages.push_back({Kind, Id, SubId});
        };
        KeyClick = true;
        SetSoundObserver([this](TInterfaceSound Sound) { FSounds.push_back(Sound); });
    }

    void TearDown() override
    {
        ShowRecordPageHook = {};
        SetSoundObserver({});
        CloseAllPictures();
        for (int slot = 1; slot <= 2; ++slot)
            delete PictureWindow(slot);
    }

    // The screen of the given kind, shown (not modally) and counting the
    // executions of its list statement.
    std::unique_ptr<TfrmMenuGrid> Open(int Kind)
    {
        auto screen = std::make_unique<TfrmMenuGrid>();
        screen->Kind = static_cast<std::uint8_t>(Kind);
        screen->Hstmt1.SetOnExecute([this](THstmt&) { ++FExecutes; });
        screen->show();
        return screen;
    }

    static QStringList Column(const TfrmMenuGrid& Screen, int Col)
    {
        QStringList texts;
        for (int row = 1; row <= Screen.OEGrid1->RowsLoaded(); ++row)
            texts << Screen.OEGrid1->CellText(Col, row);
        return texts;
    }

    static void Type(TfrmMenuGrid& Screen, const QString& Text)
    {
        QTest::keyClicks(Screen.dfSuchbegriff, Text);
    }

    static void WaitForSearch() { RunEvents(700); }

    static bool IsShown(int Slot)
    {
        return PictureWindow(Slot) != nullptr && PictureWindow(Slot)->isVisible();
    }

    struct TPage
    {
        int Kind;
        int Id;
        int SubId;
        bool operator==(const TPage&) const = default;
    };

    TCatalogueFixture FCatalogue{ListRows, Pictures()};
    std::vector<TPage> FPages;
    std::vector<TInterfaceSound> FSounds;
    int FExecutes = 0;
};

TEST_F(ListScreen, OpensWithTheWholeCategoryAndAnEmptySearchField)
{
    auto screen = Open(0);
    EXPECT_EQ(FExecutes, 1);
    EXPECT_TRUE(screen->dfSuchbegriff->text().isEmpty());
    EXPECT_TRUE(screen->pbSuche1->isChecked());
    EXPECT_FALSE(screen->pbSuche2->isChecked());
    EXPECT_EQ(Column(*screen, 1),
              QStringList({QStringLiteral("Bach, Johann Sebastian"), QStringLiteral("Lennon, John"),
                           QStringLiteral("McCartney, Paul"), QStringLiteral("Monk, Thelonious"),
                           QStringLiteral("Mozart, Wolfgang Amadeus")}));
}

TEST_F(ListScreen, QuickTypingRunsOneQueryHalfASecondAfterTheLastKey)
{
    auto screen = Open(0);
    FExecutes = 0;
    Type(*screen, QStringLiteral("Mo"));
    RunEvents(200);
    Type(*screen, QStringLiteral("z"));
    RunEvents(300);
    EXPECT_EQ(FExecutes, 0) << "the timer starts again with every key";
    WaitForSearch();
    EXPECT_EQ(FExecutes, 1);
    EXPECT_EQ(Column(*screen, 1), QStringList(QStringLiteral("Mozart, Wolfgang Amadeus")));
    RunEvents(600);
    EXPECT_EQ(FExecutes, 1) << "the timer stops after its run";
}

TEST_F(ListScreen, SearchAnywhereAfterTheModeButton)
{
    auto screen = Open(0);
    Type(*screen, QStringLiteral("on"));
    WaitForSearch();
    EXPECT_EQ(screen->OEGrid1->RowsLoaded(), 0) << "no name begins with it";
    FSounds.clear();
    FExecutes = 0;
    QTest::mouseClick(screen->pbSuche2, Qt::LeftButton);
    EXPECT_TRUE(screen->pbSuche2->isChecked());
    EXPECT_FALSE(screen->pbSuche1->isChecked());
    EXPECT_EQ(FSounds, std::vector<TInterfaceSound>{TInterfaceSound::Link});
    WaitForSearch();
    EXPECT_EQ(FExecutes, 1);
    EXPECT_EQ(Column(*screen, 1),
              QStringList({QStringLiteral("Lennon, John"), QStringLiteral("Monk, Thelonious")}));
}

TEST_F(ListScreen, WildcardsTypedByTheUserStayWildcards)
{
    auto screen = Open(0);
    Type(*screen, QStringLiteral("M_n"));
    WaitForSearch();
    EXPECT_EQ(Column(*screen, 1), QStringList(QStringLiteral("Monk, Thelonious")));
}

TEST_F(ListScreen, TypedDoubleQuotesAreRemoved)
{
    auto screen = Open(0);
    Type(*screen, QStringLiteral("Mo\"z"));
    EXPECT_EQ(screen->dfSuchbegriff->text(), QStringLiteral("Moz"));
    Type(*screen, QStringLiteral("\" OR \"\"=\""));
    EXPECT_FALSE(screen->dfSuchbegriff->text().contains(QLatin1Char('"')));
    WaitForSearch();
    EXPECT_FALSE(QString::fromStdString(screen->Hstmt1.SQL()).contains(QStringLiteral("\"\"")));
    EXPECT_EQ(screen->OEGrid1->RowsLoaded(), 0) << "the quotes could not widen the search";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the statement did not fail";
}

TEST_F(ListScreen, DoubleClickOpensTheRecordPageOfTheSelectedRow)
{
    auto screen = Open(0);
    screen->OEGrid1->SetRow(2); // Lennon
    QTest::mouseDClick(screen->OEGrid1->viewport(), Qt::LeftButton, Qt::NoModifier,
                       screen->OEGrid1->CellRect(1, 2).center());
    ASSERT_EQ(FPages.size(), 1u);
    EXPECT_EQ(FPages[0], (TPage{1, 3, 0}));
}

TEST_F(ListScreen, EmptyListOpensRecordZero)
{
    auto screen = Open(1);
    Type(*screen, QStringLiteral("Zappa"));
    WaitForSearch();
    EXPECT_EQ(screen->OEGrid1->RowsLoaded(), 0);
    screen->OEGrid1DblClick();
    ASSERT_EQ(FPages.size(), 1u);
    EXPECT_EQ(FPages[0], (TPage{3, 0, 0}));
}

TEST_F(ListScreen, EnterOpensWithAClickAndEscapeLeaves)
{
    auto screen = Open(1);      // bands
    screen->OEGrid1->SetRow(2); // The Beatles
    FSounds.clear();
    QTest::keyClick(screen->OEGrid1, Qt::Key_Return);
    EXPECT_EQ(FPages, (std::vector<TPage>{{3, 1, 0}}));
    EXPECT_EQ(FSounds, std::vector<TInterfaceSound>{TInterfaceSound::Click});

    screen->pbAuswahl->setEnabled(false);
    QTest::keyClick(screen->OEGrid1, Qt::Key_Return);
    EXPECT_EQ(FPages.size(), 1u) << "Enter does nothing while pbAuswahl is disabled";

    QTest::keyClick(screen->dfSuchbegriff, Qt::Key_Escape);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(FSounds.size(), 2u);
}

TEST_F(ListScreen, LyricsListATitleOncePerLyricistInBothOrders)
{
    auto screen = Open(7);
    EXPECT_EQ(Column(*screen, 1).count(QStringLiteral("Help")), 2);
    EXPECT_EQ(Column(*screen, 1).count(QStringLiteral("Instrumental")), 0);
    screen->cmbSortNach->setCurrentIndex(1);
    EXPECT_EQ(Column(*screen, 2),
              QStringList({QStringLiteral("Lennon, John"), QStringLiteral("McCartney, Paul"),
                           QStringLiteral("McCartney, Paul")}));
    EXPECT_EQ(Column(*screen, 1).count(QStringLiteral("Help")), 2);

    // The search follows the sort column: here the lyricist.
    Type(*screen, QStringLiteral("Len"));
    WaitForSearch();
    EXPECT_EQ(Column(*screen, 1), QStringList(QStringLiteral("Help")));
    screen->OEGrid1DblClick();
    EXPECT_EQ(FPages, (std::vector<TPage>{{100, 2, 0}})) << "the title's key from column 3";
}

TEST_F(ListScreen, SortChoiceSurvivesARestart)
{
    {
        auto screen = Open(21);
        EXPECT_EQ(screen->cmbSortNach->currentIndex(), 0);
        screen->cmbSortNach->setCurrentIndex(1);
        EXPECT_EQ(Column(*screen, 2).first(), QStringLiteral("ABBA"));
        screen->pbMenueClick();
    }
    {
        const TIniFile ini(FCatalogue.SettingsFile());
        EXPECT_EQ(
            ini.ReadInteger(QStringLiteral("SORTINDEX"), QStringLiteral("Galerie: Covers"), -1), 1);
    }
    auto again = Open(21);
    EXPECT_EQ(again->cmbSortNach->currentIndex(), 1);
    EXPECT_TRUE(
        QString::fromStdString(again->Hstmt1.SQL()).endsWith(QStringLiteral("ORDER BY BAND_NAME")));
    again->hide();

    // Lists without a choice store nothing.
    auto plain = Open(0);
    plain->hide();
    const TIniFile ini(FCatalogue.SettingsFile());
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("SORTINDEX"), QStringLiteral("Personen")));
}

TEST_F(ListScreen, StoredSortItemOutsideTheChoiceReadsAsTheFirst)
{
    {
        TIniFile ini(FCatalogue.SettingsFile());
        ini.WriteInteger(QStringLiteral("SORTINDEX"), QStringLiteral("Song- und Liedertexte"), 5);
    }
    auto screen = Open(7);
    EXPECT_EQ(screen->cmbSortNach->currentIndex(), 0);
    EXPECT_TRUE(QString::fromStdString(screen->Hstmt1.SQL())
                    .endsWith(QStringLiteral("ORDER BY TITLE.TITE_NAME")));
}

TEST_F(ListScreen, GalleryEntryShowsBothPicturesAndAnotherRowClosesThem)
{
    auto screen = Open(17);
    EXPECT_EQ(Column(*screen, 1),
              QStringList({QStringLiteral("Lennon, John"), QStringLiteral("McCartney, Paul"),
                           QStringLiteral("Mozart, Wolfgang Amadeus")}));
    screen->OEGrid1->SetRow(3);
    screen->pbAuswahlClick();
    ASSERT_TRUE(IsShown(1));
    ASSERT_TRUE(IsShown(2));
    EXPECT_EQ(PictureWindow(1)->PositionKey(), QStringLiteral("BILD 1/1"));
    EXPECT_EQ(PictureWindow(2)->PositionKey(), QStringLiteral("BILD 1/2"));
    EXPECT_EQ(PictureWindow(1)->windowTitle(), QStringLiteral("Wolfgang Amadeus Mozart"));
    EXPECT_EQ(PictureWindow(1)->lblUntertitel->text(), QStringLiteral("Als Kind"));
    EXPECT_EQ(PictureWindow(2)->lblUntertitel->text(), QStringLiteral("Um 1790"));
    EXPECT_EQ(PictureWindow(1)->Picture().size(), QSize(120, 160));
    EXPECT_EQ(PictureWindow(2)->Picture().size(), QSize(130, 170));
    EXPECT_TRUE(FPages.empty());

    screen->OEGrid1->SetRow(1);
    EXPECT_FALSE(IsShown(1));
    EXPECT_FALSE(IsShown(2));
}

TEST_F(ListScreen, GalleryEntryWithOnlyASecondPictureOpensOnlySlotTwo)
{
    auto screen = Open(17);
    screen->OEGrid1->SetRow(1); // Lennon: no first picture
    screen->OEGrid1DblClick();
    EXPECT_FALSE(IsShown(1));
    ASSERT_TRUE(IsShown(2));
    EXPECT_EQ(PictureWindow(2)->lblUntertitel->text(), QStringLiteral("1980"));
    CloseAllPictures();

    screen->OEGrid1->SetRow(2); // McCartney: both pictures 0
    screen->OEGrid1DblClick();
    EXPECT_FALSE(IsShown(1));
    EXPECT_FALSE(IsShown(2));
}

TEST_F(ListScreen, CoverShowsTheAlbumWithItsBandAsCaption)
{
    auto screen = Open(21);
    EXPECT_EQ(Column(*screen, 1),
              QStringList({QStringLiteral("Abbey Road"), QStringLiteral("Arrival")}));
    screen->OEGrid1DblClick();
    ASSERT_TRUE(IsShown(1));
    EXPECT_FALSE(IsShown(2));
    EXPECT_EQ(PictureWindow(1)->PositionKey(), QStringLiteral("BILD 3/1"));
    EXPECT_EQ(PictureWindow(1)->windowTitle(), QStringLiteral("Abbey Road"));
    EXPECT_EQ(PictureWindow(1)->lblUntertitel->text(), QStringLiteral("The Beatles"));

    // Typing closes the pictures at once, before the search runs.
    Type(*screen, QStringLiteral("A"));
    EXPECT_FALSE(IsShown(1));
}

TEST_F(ListScreen, LeavingClosesThePictures)
{
    auto screen = Open(21);
    screen->OEGrid1DblClick();
    ASSERT_TRUE(IsShown(1));
    FSounds.clear();
    screen->pbMenueClick();
    EXPECT_FALSE(IsShown(1));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(FSounds, std::vector<TInterfaceSound>{TInterfaceSound::Click});
}

TEST_F(ListScreen, ShowMenuGridRunsTheScreenModallyUnlessHooked)
{
    QString seenTitle;
    bool wasModal = false;
    QTimer::singleShot(50, [&] {
        auto* screen = qobject_cast<TfrmMenuGrid*>(QApplication::activeModalWidget());
        if (screen == nullptr)
            return;
        wasModal = true;
        seenTitle = screen->lblTitel->text();
        QTest::keyClick(screen, Qt::Key_Escape);
    });
    ShowMenuGrid(15);
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(seenTitle, QStringLiteral("Veranstalter"));

    std::vector<int> asked;
    ShowMenuGridHook = [&asked](int Kind) { asked.push_back(Kind); };
    ShowMenuGrid(9);
    ShowMenuGridHook = {};
    EXPECT_EQ(asked, std::vector<int>{9});
}

} // namespace
