#include "output/tests/OutputTestSupport.h"
#include "output/tests/PdfFacts.h"

#include "controls/ShapeBut.h"
#include "output/MenuAusg.h"
#include "output/OutputPrinter.h"
#include "output/Raender.h"
#include "richtext/WPRichText.h"
#include "shell/IniFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTextCursor>
#include <iostream>

#include <gtest/gtest.h>

using namespace OutputTest;

namespace {

// Points per millimetre of margin: 57 twips, 20 twips to the point.
constexpr qreal PointsPerMillimetre = 57.0 / 20.0;

using TRunStyle = TWPRichText::TRunStyle;

// A record page as the page builder makes it: a heading, text with double
// blanks, links by key and by name, and enough lines to wrap. Its paragraphs
// have no indent, so the text starts right at the left margin.
void BuildPage(TWPRichText& Page)
{
    const TWPRichText::TParaMeasures flush{0, 0, 120, 0};
    Page.AddParagraph(QStringLiteral("Wolfgang Amadeus Mozart"), 16, TRunStyle::Bold, flush);
    Page.AddParagraph(QStringLiteral("Lehrer:  "), 12, TRunStyle::Plain, flush);
    Page.AppendLink(QStringLiteral("Leopold Mozart"), QStringLiteral("p:7"), 12);
    Page.AppendText(QStringLiteral("  und  "), 12, TRunStyle::Plain);
    Page.AppendLink(QStringLiteral("Joseph  Haydn"), QStringLiteral("P:Haydn, Joseph"), 12);
    for (int line = 1; line <= 12; ++line) {
        Page.AddParagraph(QStringLiteral("Absatz %1:  Salzburg,  Wien  und  Prag.").arg(line), 10,
                          TRunStyle::Plain, flush);
    }
}

// Runs the output screen on a page; Action gets the screen once it is up.
void RunScreen(TfrmAusgabe& Screen, const std::function<void()>& Action)
{
    WhenModal([Action](QWidget*) { Action(); });
    Screen.exec();
}

// Answers the message box that names the written file, keeping its text.
void AnswerNotice(QWidget* Screen, QString& Text)
{
    WhenModal(
        [&Text](QWidget* Window) {
            auto* box = qobject_cast<QMessageBox*>(Window);
            ASSERT_NE(box, nullptr);
            Text = box->text();
            box->defaultButton()->click();
        },
        Screen);
}

// Prints the page through the screen's print button; the file it went to.
QString PrintThroughScreen(const TWPRichText& Page,
                           const std::function<void(TfrmAusgabe&)>& Before = {})
{
    TfrmAusgabe screen;
    screen.PrepareCopy(Page);
    QString notice;
    RunScreen(screen, [&] {
        if (Before)
            Before(screen);
        AnswerNotice(&screen, notice);
        ClickShape(screen.pbDrucken);
    });
    EXPECT_FALSE(screen.isVisible());
    const QString file = TOutputPrinter::Instance().LastFile();
    EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(file))) << notice.toStdString();
    return file;
}

// Sets the margins through the margins dialog, opened by the screen's
// margins button, and leaves it by OK or by Cancel.
void ChangeMarginsInDialog(TfrmAusgabe& Screen, const TMargins& Values, bool Confirm)
{
    WhenModal(
        [Values, Confirm](QWidget* Window) {
            auto* dialog = qobject_cast<TfrmRaender*>(Window);
            ASSERT_NE(dialog, nullptr);
            const std::array<QSpinBox*, 4> fields{dialog->dfRandL, dialog->dfRandR, dialog->dfRandO,
                                                  dialog->dfRandU};
            for (std::size_t i = 0; i < fields.size(); ++i)
                fields[i]->setValue(Values[i]);
            ClickShape(Confirm ? dialog->pbOk : dialog->pbCancel);
        },
        &Screen);
    ClickShape(Screen.pbRaender);
}

class OutputScreen : public ::testing::Test
{
protected:
    void SetUp() override { BuildPage(Page); }

    TMarginsGuard Guard{{15, 10, 10, 20}};
    TWPRichText Page;
};

} // namespace

TEST_F(OutputScreen, ClipboardGetsTheCleanedPageAndTheScreenCloses)
{
    QApplication::clipboard()->clear();
    TSoundLog sounds;
    TfrmAusgabe screen;
    screen.PrepareCopy(Page);
    RunScreen(screen, [&] { ClickShape(screen.ppClipboard); });
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(sounds.Clicks(), 1);

    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QString text = data->text();
    EXPECT_TRUE(text.contains(QStringLiteral("Lehrer: Leopold Mozart und Joseph Haydn")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Absatz 12: Salzburg, Wien und Prag.")));
    EXPECT_FALSE(text.contains(QStringLiteral("  ")));
    EXPECT_FALSE(text.contains(QStringLiteral("p:7")));
    EXPECT_FALSE(text.contains(QStringLiteral("Haydn, Joseph")));
    // The rich form carries no link either.
    ASSERT_TRUE(data->hasHtml());
    const QString html = data->html();
    EXPECT_TRUE(html.contains(QStringLiteral("Leopold Mozart")));
    EXPECT_FALSE(html.contains(QStringLiteral("p:7")));
    EXPECT_FALSE(html.contains(QStringLiteral("href"), Qt::CaseInsensitive));

    // The copy is the screen's own: the page keeps its links, and the copy's
    // insertion point is back at the start.
    EXPECT_EQ(Page.Links().size(), 2);
    EXPECT_EQ(screen.WPRichText1->textCursor().position(), 0);
    EXPECT_FALSE(screen.WPRichText1->isVisible());
}

TEST_F(OutputScreen, PrintWritesAPdfOnThePageSizeWithTheMarginsOfTheSettings)
{
    TSoundLog sounds;
    const QString file = PrintThroughScreen(Page);
    EXPECT_EQ(sounds.Clicks(), 1);
    EXPECT_EQ(QFileInfo(file).absolutePath(),
              QFileInfo(TOutputPrinter::PdfDirectory()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(file).fileName().startsWith(QStringLiteral("Musarix-Ausdruck")));

    const TPdfFacts pdf = ReadPdfFacts(file);
    ASSERT_TRUE(pdf.IsPdf) << file.toStdString();
    ASSERT_FALSE(pdf.PageSizes.isEmpty());
    // 11880 x 17100 twips, portrait.
    EXPECT_NEAR(pdf.PageSizes.first().width(), 594.0, 0.5);
    EXPECT_NEAR(pdf.PageSizes.first().height(), 855.0, 0.5);
    ASSERT_GE(pdf.LineStarts.size(), 14);
    for (auto p : pdf.LineStarts)
        std::cerr << p.x() << "," << p.y() << " ";
    std::cerr << "\n";
    QFile::copy(file, QStringLiteral("/tmp/outshots/print.pdf"));
    EXPECT_NEAR(pdf.TextLeft(), 15 * PointsPerMillimetre, 1.0);
    // The first baseline lies one line of the 16 point heading below the top
    // margin.
    EXPECT_GT(pdf.FirstBaseline(), 10 * PointsPerMillimetre);
    EXPECT_LT(pdf.FirstBaseline(), 10 * PointsPerMillimetre + 24);

    // The next print gets a file of its own.
    const QString next = PrintThroughScreen(Page);
    EXPECT_NE(next, file);
    EXPECT_TRUE(ReadPdfFacts(next).IsPdf);
}

TEST_F(OutputScreen, MarginsChangedInTheDialogCountFromTheNextPrintCancelledOnesDoNot)
{
    const TPdfFacts before = ReadPdfFacts(PrintThroughScreen(Page));

    TSoundLog sounds;
    const TPdfFacts changed = ReadPdfFacts(PrintThroughScreen(Page, [](TfrmAusgabe& Screen) {
        ChangeMarginsInDialog(Screen, {40, 10, 35, 20}, true);
    }));
    // Margins button, OK, print button.
    EXPECT_EQ(sounds.Clicks(), 3);
    EXPECT_EQ(Margins(), (TMargins{40, 10, 35, 20}));
    EXPECT_NEAR(changed.TextLeft() - before.TextLeft(), 25 * PointsPerMillimetre, 0.5);
    EXPECT_NEAR(changed.FirstBaseline() - before.FirstBaseline(), 25 * PointsPerMillimetre, 0.5);

    const TPdfFacts cancelled = ReadPdfFacts(PrintThroughScreen(Page, [](TfrmAusgabe& Screen) {
        ChangeMarginsInDialog(Screen, {80, 80, 80, 80}, false);
    }));
    EXPECT_EQ(Margins(), (TMargins{40, 10, 35, 20}));
    EXPECT_NEAR(cancelled.TextLeft(), changed.TextLeft(), 0.01);
    EXPECT_NEAR(cancelled.FirstBaseline(), changed.FirstBaseline(), 0.01);
}

TEST_F(OutputScreen, BackAndEscapeCloseWithAClickEnterDoesNothing)
{
    for (const bool byKey : {false, true}) {
        TSoundLog sounds;
        TfrmAusgabe screen;
        screen.PrepareCopy(Page);
        bool openAfterEnter = false;
        RunScreen(screen, [&] {
            Key(&screen, Qt::Key_Return);
            openAfterEnter = screen.isVisible();
            if (byKey)
                Key(&screen, Qt::Key_Escape);
            else
                ClickShape(screen.pbZurueck);
        });
        EXPECT_TRUE(openAfterEnter);
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(sounds.Clicks(), 1) << "by key: " << byKey;
    }
}

TEST_F(OutputScreen, PrinterChoiceOpensThePrintDialogAndKeepsTheScreen)
{
    TSoundLog sounds;
    TfrmAusgabe screen;
    screen.PrepareCopy(Page);
    bool dialogCame = false;
    bool openAfterDialog = false;
    RunScreen(screen, [&] {
        WhenModal(
            [&](QWidget* Window) {
                dialogCame = qobject_cast<QPrintDialog*>(Window) != nullptr;
                Key(Window, Qt::Key_Escape);
                if (Window->isVisible())
                    Window->close();
            },
            &screen);
        ClickShape(screen.pbSetup);
        openAfterDialog = screen.isVisible();
        Key(&screen, Qt::Key_Escape);
    });
    EXPECT_TRUE(dialogCame);
    EXPECT_TRUE(openAfterDialog);
    EXPECT_EQ(sounds.Clicks(), 2);
}

TEST_F(OutputScreen, PositionIsKeptUnderItsSection)
{
    ForgetSettings();
    TMusaForm::SetDisplaySizeForTesting(QSize(1280, 1024));
    {
        TfrmAusgabe screen;
        RunScreen(screen, [&] {
            screen.move(321, 210);
            Key(&screen, Qt::Key_Escape);
        });
    }
    {
        const TIniFile ini(SettingsFile());
        const QString section = QStringLiteral("MENUE: AUSGEBEN");
        EXPECT_EQ(ini.ReadInteger(section, QStringLiteral("XPos"), -1), 321);
        EXPECT_EQ(ini.ReadInteger(section, QStringLiteral("YPos"), -1), 210);
        EXPECT_EQ(ini.ReadInteger(section, QStringLiteral("Hoehe"), -1), -1);
    }
    TfrmAusgabe again;
    QPoint shownAt;
    RunScreen(again, [&] {
        shownAt = again.pos();
        Key(&again, Qt::Key_Escape);
    });
    EXPECT_EQ(shownAt, QPoint(321, 210));
    TMusaForm::SetDisplaySizeForTesting(QSize());
}

TEST_F(OutputScreen, ShowOutputRunsTheScreenOnACleanedCopyOrCallsItsHook)
{
    QString copy;
    QString title;
    WhenModal([&](QWidget* Window) {
        auto* screen = qobject_cast<TfrmAusgabe*>(Window);
        ASSERT_NE(screen, nullptr);
        title = screen->windowTitle();
        copy = screen->WPRichText1->toPlainText();
        Key(screen, Qt::Key_Escape);
    });
    ShowOutput(&Page);
    EXPECT_EQ(title, QStringLiteral("Ausgeben"));
    EXPECT_TRUE(copy.contains(QStringLiteral("Leopold Mozart und Joseph Haydn")));
    EXPECT_FALSE(copy.contains(QStringLiteral("  ")));

    TWPRichText* asked = nullptr;
    ShowOutputHook = [&](TWPRichText* Given) { asked = Given; };
    ShowOutput(&Page);
    ShowOutputHook = {};
    EXPECT_EQ(asked, &Page);
}

TEST_F(OutputScreen, ButtonsStandOnTheWallpaperWithTheirHints)
{
    const TWallpaperStore store;
    TfrmAusgabe screen;
    screen.show();
    QApplication::processEvents();
    SaveShot(screen, QStringLiteral("Ausgeben"));
    EXPECT_EQ(screen.HelpContext(), 48);
    EXPECT_EQ(screen.pbZurueck->toolTip(), QStringLiteral("Zurück ind Detailfenster"));
    EXPECT_EQ(screen.pbRaender->toolTip(),
              QStringLiteral("Öffnet den Dialog zur Einstellungen der Druckränder"));
    const QImage shot = screen.grab().toImage();
    const QList<TShapeButton*> buttons{screen.pbZurueck, screen.pbSetup, screen.ppClipboard,
                                       screen.pbDrucken, screen.pbRaender};
    for (TShapeButton* button : buttons) {
        EXPECT_TRUE(screen.rect().contains(button->geometry()))
            << button->objectName().toStdString();
        const QPoint middle = button->geometry().center();
        EXPECT_NE(shot.pixel(middle) & 0xFFFFFFu,
                  TWallpaperStore::TileColor(middle.x(), middle.y()) & 0xFFFFFFu);
        for (TShapeButton* other : buttons) {
            if (other != button) {
                EXPECT_FALSE(button->geometry().intersects(other->geometry()));
            }
        }
    }
    // Between the buttons the wallpaper shows.
    const QPoint gap(screen.pbZurueck->geometry().right() + 8, screen.height() / 2);
    EXPECT_EQ(shot.pixel(gap) & 0xFFFFFFu,
              TWallpaperStore::TileColor(gap.x(), gap.y()) & 0xFFFFFFu);
}
