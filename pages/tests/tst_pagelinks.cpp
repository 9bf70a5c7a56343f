// Links, history, keys, the in-page search with its dialog, printing and the
// failure of a statement in the middle of a page.
#include "pages/tests/RecordCatalogue.h"

#include "browse/TextSuch.h"
#include "controls/ShapeBut.h"
#include "output/MenuAusg.h"
#include "pages/LinkCode.h"
#include "richtext/WPRichText.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace {

using PageHistory = TRecordPageTest;

TEST_F(PageHistory, TwentyOneLinksDropTheFirstPage)
{
    Page(1, 1);
    for (int i = 1; i <= 20; ++i)
        FScreen->WPRichText1HyperLinkEvent(QStringLiteral("p:%1").arg(100 + i));
    EXPECT_EQ(FScreen->History().CurrentIndex(), 20);
    EXPECT_EQ(FScreen->History().Current().Id, 120);
    int back = 0;
    while (FScreen->pbPrev->isEnabled()) {
        FScreen->pbPrevClick();
        ++back;
    }
    EXPECT_EQ(back, 19);
    // The page opened second is the oldest one left; Mozart is gone.
    EXPECT_EQ(FScreen->History().Current().Id, 101);
    EXPECT_TRUE(FScreen->pbNext->isEnabled());
    EXPECT_EQ(std::count(FSounds.begin(), FSounds.end(), TInterfaceSound::Link), 20);
}

TEST_F(PageHistory, ButtonsNeverOverlapHoweverSmallTheWindow)
{
    Page(1, 1);
    FScreen->show();
    for (const QSize size : {QSize(640, 480), FScreen->minimumSize(), QSize(1000, 700)}) {
        FScreen->resize(size.expandedTo(FScreen->minimumSize()));
        FScreen->FormResize();
        const QList<QWidget*> buttons = {FScreen->pbPrint, FScreen->pbSuchen, FScreen->pbPrev,
                                         FScreen->pbNext, FScreen->pbClose};
        for (qsizetype i = 0; i < buttons.size(); ++i)
            for (qsizetype j = i + 1; j < buttons.size(); ++j)
                EXPECT_FALSE(buttons[i]->geometry().intersects(buttons[j]->geometry()))
                    << buttons[i]->objectName().toStdString() << " and "
                    << buttons[j]->objectName().toStdString() << " at " << size.width();
        // Back and forward meet in the middle.
        EXPECT_EQ(FScreen->pbPrev->geometry().right() + 1, FScreen->pbNext->x());
    }
}

TEST_F(PageHistory, BackTwiceThenALinkKeepsTheForwardPart)
{
    Page(1, 1);
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("b:1"));
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("a:10"));
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("t:20"));
    FScreen->pbPrevClick();
    FScreen->pbPrevClick();
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Band / Interpret: The Beatles"));
    EXPECT_TRUE(FScreen->pbNext->isEnabled());

    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("p:5"));
    EXPECT_EQ(FScreen->History().CurrentIndex(), 3);
    EXPECT_EQ(FScreen->History().HighestIndex(), 4);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Person: John Lennon"));
    ASSERT_TRUE(FScreen->pbNext->isEnabled());
    FScreen->pbNextClick();
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Titel: Come Together"));
    EXPECT_FALSE(FScreen->pbNext->isEnabled());
    EXPECT_TRUE(FScreen->pbPrev->isEnabled());
}

TEST_F(PageHistory, ScrollPositionComesBackAfterBack)
{
    FScreen->PushHistory(3, 1, 0);
    FScreen->show();
    ASSERT_TRUE(
        WaitUntil([this] { return FScreen->WPRichText1->verticalScrollBar()->maximum() > 200; }));
    FScreen->WPRichText1->SetScrollPos(180);
    const int scrolled = FScreen->WPRichText1->ScrollPos();
    ASSERT_GT(scrolled, 0);
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("p:5"));
    EXPECT_EQ(FScreen->WPRichText1->ScrollPos(), 0) << "a new page opens at its top";
    FScreen->pbPrevClick();
    EXPECT_EQ(FScreen->WPRichText1->ScrollPos(), scrolled);
    // The buttons do not store positions: forward opens the person at 0.
    FScreen->pbNextClick();
    EXPECT_EQ(FScreen->History().Current().ScrollPos, 0);
}

TEST_F(PageHistory, KeysWalkTheHistoryAndEscapeCloses)
{
    FScreen->PushHistory(1, 1, 0);
    FScreen->show();
    ASSERT_TRUE(WaitUntil([this] { return FScreen->isVisible(); }));
    QTest::keyClick(FScreen.get(), Qt::Key_PageUp);
    EXPECT_EQ(FScreen->History().CurrentIndex(), 1) << "Page Up on the first page does nothing";
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("b:2"));
    QTest::keyClick(FScreen.get(), Qt::Key_Left);
    EXPECT_EQ(FScreen->History().CurrentIndex(), 1);
    QTest::keyClick(FScreen.get(), Qt::Key_PageDown);
    EXPECT_EQ(FScreen->History().CurrentIndex(), 2);
    QTest::keyClick(FScreen.get(), Qt::Key_PageUp);
    QTest::keyClick(FScreen.get(), Qt::Key_Right);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Band / Interpret: Queen"));
    QTest::keyClick(FScreen.get(), Qt::Key_Escape);
    EXPECT_FALSE(FScreen->isVisible());
}

using PageLinks = TRecordPageTest;

TEST_F(PageLinks, RecordingCodeCarriesAlbumAndTitle)
{
    Page(1, 1);
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("c:12,34"));
    const THistoryEntry& entry = FScreen->History().Current();
    EXPECT_EQ(entry.Kind, 6);
    EXPECT_EQ(entry.Id, 12);
    EXPECT_EQ(entry.SubId, 34);
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("c:10,20"));
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("Details zur Aufnahme")));
}

TEST_F(PageLinks, NameLinksFindExactNamesOnly)
{
    Page(3, 2);
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("P:Mozart, Wolfgang Amadeus"));
    EXPECT_EQ(FScreen->History().CurrentIndex(), 2);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Person: Wolfgang Amadeus Mozart"));
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("G:Rock"));
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Stilrichtung: Rock"));

    FSounds.clear();
    const QString before = Shown();
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("B:Die Niemande"));
    EXPECT_EQ(FScreen->History().CurrentIndex(), 3);
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(FSounds, std::vector<TInterfaceSound>{TInterfaceSound::Link});
    EXPECT_TRUE(FErrors.isEmpty());
}

TEST_F(PageLinks, InvalidLetterBadNumberAndSoundLinks)
{
    Page(1, 1);
    FSounds.clear();
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("x:1"));
    EXPECT_EQ(FSounds,
              (std::vector<TInterfaceSound>{TInterfaceSound::Link, TInterfaceSound::Error}));
    EXPECT_EQ(FScreen->History().CurrentIndex(), 1);

    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("p:zwölf"));
    ASSERT_EQ(FErrors.size(), 1);
    EXPECT_EQ(FErrors.first(), QStringLiteral("'zwölf' ist kein gültiger Integerwert."));
    EXPECT_EQ(FScreen->History().CurrentIndex(), 1);

    // The sound player comes later; until then a sound link changes nothing.
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("mi:7"));
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("mc:7"));
    EXPECT_EQ(FScreen->History().CurrentIndex(), 1);
    EXPECT_EQ(FErrors.size(), 1);
}

TEST_F(PageLinks, ParsedCodes)
{
    const TLinkTarget free = ParseLinkCode(QStringLiteral("F:51"));
    EXPECT_EQ(free.Action, TLinkTarget::TAction::Open);
    EXPECT_EQ(free.Kind, 101);
    EXPECT_EQ(ParseLinkCode(QStringLiteral("v:20")).Kind, 100);
    EXPECT_EQ(ParseLinkCode(QStringLiteral("i:7")).Kind, 0);
    EXPECT_EQ(ParseLinkCode(QStringLiteral("L:EMI")).NameSql,
              QStringLiteral("SELECT LABE_ID FROM LABEL WHERE (LABE_NAME = \"EMI\")"));
    // At most 8 digits of the title count.
    EXPECT_EQ(ParseLinkCode(QStringLiteral("c:1,123456789")).SubId, 12345678);
    EXPECT_THROW(ParseLinkCode(QStringLiteral("c:1234")), std::runtime_error);
    const TLinkTarget sound = ParseLinkCode(QStringLiteral("mc:9"));
    EXPECT_EQ(sound.Action, TLinkTarget::TAction::Sound);
    EXPECT_EQ(sound.SoundKind, QLatin1Char('c'));
    EXPECT_EQ(sound.Id, 9);
    EXPECT_EQ(ParseLinkCode(QString()).Action, TLinkTarget::TAction::Invalid);
}

TEST_F(PageLinks, FailingStatementShowsWhatWasBuiltAndTheError)
{
    FCatalogue.Exec("DROP TABLE LEHRER;");
    FScreen->PushHistory(1, 1, 0);
    FScreen->show();
    ASSERT_TRUE(WaitUntil([this] { return !FErrors.isEmpty(); }));
    EXPECT_TRUE(Shown().contains(QStringLiteral("Geboren in Salzburg.")));
    EXPECT_FALSE(Shown().contains(QStringLiteral("Mitglied bei")));
    EXPECT_TRUE(FScreen->WPRichText1->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The next page is built from clean statements.
    FScreen->WPRichText1HyperLinkEvent(QStringLiteral("b:2"));
    EXPECT_EQ(FErrors.size(), 1);
    EXPECT_TRUE(Shown().contains(QStringLiteral("Wolfgang Amadeus Mozart [p:1]")));
    EXPECT_TRUE(FScreen->pbPrev->isEnabled());
}

TEST_F(PageLinks, PrintHandsThePageOnAndRebuilds)
{
    Page(3, 2);
    TWPRichText* handed = nullptr;
    ShowOutputHook = [&handed](TWPRichText* Page) {
        handed = Page;
        Page->Clear();
    };
    FScreen->pbPrintClick();
    ShowOutputHook = {};
    EXPECT_EQ(handed, FScreen->WPRichText1);
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("Queen\n")));
}

using PageSearch = TRecordPageTest;

bool HighlightedAt(const TWPRichText& View, int Pos)
{
    QTextCursor cursor(View.document());
    cursor.setPosition(Pos + 1);
    return cursor.charFormat().background().color() == QColor(255, 255, 0);
}

TEST_F(PageSearch, EveryHitYellowAndTheFirstInView)
{
    FScreen->PushHistory(3, 1, 0);
    FScreen->show();
    ASSERT_TRUE(WaitUntil([this] { return FScreen->isVisible(); }));
    // "*" may stand for nothing: 14 but none of 140 ... 149.
    EXPECT_EQ(FScreen->SearchInPage(QStringLiteral("zeile 14 *der")), 1);
    const int hit = FScreen->WPRichText1->textCursor().position();
    EXPECT_TRUE(HighlightedAt(*FScreen->WPRichText1, hit));
    EXPECT_GT(FScreen->WPRichText1->ScrollPos(), 0);

    EXPECT_EQ(FScreen->SearchInPage(QStringLiteral("zeile 14*der")), 11);
    EXPECT_EQ(FScreen->SearchInPage(QStringLiteral("BEATLES")), 1);
    EXPECT_EQ(FScreen->SearchInPage(QStringLiteral("Niemand")), 0);
    const QString text = FScreen->WPRichText1->toPlainText();
    const int title = static_cast<int>(text.indexOf(QStringLiteral("Beatles")));
    EXPECT_FALSE(HighlightedAt(*FScreen->WPRichText1, title)) << "a new search clears old marks";
}

TEST_F(PageSearch, DialogOpensFromTheSearchButton)
{
    Page(3, 2);
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<TfrmTextSuche*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        seen = true;
        QTest::keyClicks(dialog->editSuchbegriff, QStringLiteral("mo\"zart"));
        dialog->pbOkClick();
    });
    FScreen->pbSuchenClick();
    EXPECT_TRUE(seen);
    const QString text = FScreen->WPRichText1->toPlainText();
    EXPECT_TRUE(HighlightedAt(*FScreen->WPRichText1,
                              static_cast<int>(text.indexOf(QStringLiteral("Mozart")))));
}

using TextSearchDialog = TRecordPageTest;

TEST_F(TextSearchDialog, OkNeedsTextAndQuotesDisappear)
{
    TfrmTextSuche dialog;
    dialog.show();
    EXPECT_FALSE(dialog.pbOk->isEnabled());
    QTest::keyClick(dialog.editSuchbegriff, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter does nothing without a text";
    QTest::keyClicks(dialog.editSuchbegriff, QStringLiteral("\"50%\""));
    EXPECT_EQ(dialog.editSuchbegriff->text(), QStringLiteral("50%"));
    EXPECT_TRUE(dialog.pbOk->isEnabled());
    dialog.editSuchbegriff->clear();
    EXPECT_FALSE(dialog.pbOk->isEnabled());
    QTest::keyClick(dialog.editSuchbegriff, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_TRUE(FSounds.empty()) << "keys close without a sound";
}

TEST(RecordPageEntry, HookSeesTheRequestInsteadOfTheScreen)
{
    std::vector<int> asked;
    ShowRecordPageHook = [&asked](int Kind, int Id, int SubId) { asked = {Kind, Id, SubId}; };
    ShowRecordPage(6, 10, 20);
    ShowRecordPageHook = {};
    EXPECT_EQ(asked, (std::vector<int>{6, 10, 20}));
}

} // namespace
