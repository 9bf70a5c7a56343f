// The compositions of the record pages on a catalogue with the awkward
// cases: what each kind of page says, in which order, and where it links.
#include "pages/tests/RecordCatalogue.h"

#include "richtext/WPRichText.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// Lines of the page between the line that equals First and the next line
// that is a single blank (the line before each heading).
QStringList Section(const QString& Page, const QString& Heading)
{
    const QStringList lines = Page.split(QLatin1Char('\n'));
    const qsizetype start = lines.indexOf(Heading);
    if (start < 0)
        return {};
    QStringList section;
    for (qsizetype i = start + 1; i < lines.size() && lines.at(i) != QLatin1String(" "); ++i)
        section.append(lines.at(i));
    return section;
}

using PersonAndBandPages = TRecordPageTest;

TEST_F(PersonAndBandPages, PersonHeaderPicturesTextsAndLists)
{
    const QString page = Page(1, 1);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Person: Wolfgang Amadeus Mozart"));
    const QStringList lines = page.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.at(0), QStringLiteral("Wolfgang Amadeus Mozart"));
    EXPECT_EQ(lines.at(1), QStringLiteral("A Komponist und Pianist"));
    EXPECT_EQ(lines.at(2), QStringLiteral(" "));
    EXPECT_EQ(lines.at(3), QStringLiteral("* 27. Januar 1756 Salzburg"));
    EXPECT_EQ(lines.at(4), QStringLiteral("† 5. Dezember 1791 Wien"));
    // Only the second picture: it stands first, with its own caption.
    EXPECT_TRUE(lines.contains(QStringLiteral("  Mozart 1789"))) << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("ungenutzt")));
    EXPECT_EQ(Section(page, QStringLiteral("Instrumente")),
              QStringList{QStringLiteral("Klavier [i:32], Orgel [i:33]")});
    EXPECT_EQ(Section(page, QStringLiteral("Biographie")),
              QStringList{QStringLiteral("Geboren in Salzburg.")});
    EXPECT_EQ(Section(page, QStringLiteral("Schüler von")),
              QStringList{QStringLiteral("Antonio Salieri [p:2]")});
    EXPECT_FALSE(lines.contains(QStringLiteral("Lehrer von")));
    EXPECT_EQ(Section(page, QStringLiteral("Mitglied bei")),
              QStringList{QStringLiteral("Queen [b:2]")});
    EXPECT_TRUE(lines.last().trimmed().isEmpty()) << "every page ends with a blank paragraph";
}

TEST_F(PersonAndBandPages, FemaleNonMemberAndMissingBiography)
{
    const QString page = Page(1, 3);
    EXPECT_EQ(Section(page, QStringLiteral("Musikerin bei")),
              QStringList{QStringLiteral("The Beatles [b:1]")});
    EXPECT_FALSE(page.contains(QStringLiteral("Biographie")));
    EXPECT_FALSE(page.contains(QStringLiteral("Mitglied bei")));

    const QString guest = Page(1, 6);
    EXPECT_EQ(Section(guest, QStringLiteral("Gastmusiker bei")),
              QStringList{QStringLiteral("The Beatles [b:1]")});
    // The teacher sees the pupil under the other heading.
    EXPECT_EQ(Section(Page(1, 2), QStringLiteral("Lehrer von")),
              QStringList{QStringLiteral("Wolfgang Amadeus Mozart [p:1]")});
}

TEST_F(PersonAndBandPages, MemberPeriodsOneAndThreeOnly)
{
    const QString person = Page(1, 5);
    EXPECT_EQ(Section(person, QStringLiteral("Mitglied bei")),
              QStringList{QStringLiteral("The Beatles [b:1] 1960-1966, 1970")});

    const QString band = Page(3, 1);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Band / Interpret: The Beatles"));
    EXPECT_EQ(Section(band, QStringLiteral("Mitglied")),
              QStringList{QStringLiteral("John Lennon [p:5] (1960-1966, 1970)")});
    EXPECT_EQ(Section(band, QStringLiteral("Musiker")),
              QStringList{QStringLiteral("Anna Musikerin [p:3]")});
    EXPECT_EQ(Section(band, QStringLiteral("Gastmusiker")),
              QStringList{QStringLiteral("Gustav Gast [p:6]")});
    EXPECT_FALSE(band.contains(QStringLiteral("Mitglieder")));
}

TEST_F(PersonAndBandPages, BandPicturesHistoryAndAlbums)
{
    const QString band = Page(3, 1);
    // Two pictures: the second caption after a tab under the second picture.
    EXPECT_TRUE(band.contains(QStringLiteral("  Frühe Jahre\t  Späte Jahre")))
        << band.toStdString();
    EXPECT_TRUE(band.contains(QStringLiteral("Geschichte\nZeile 0 der langen Geschichte.")));
    // The CD came out in year 0: its medium stands without a year.
    EXPECT_EQ(Section(band, QStringLiteral("Discographie")),
              QStringList{QStringLiteral("Abbey Road [a:10] (CD, LP 1969)")});
    EXPECT_EQ(Section(band, QStringLiteral("Auf Sampler")),
              QStringList{QStringLiteral("Hits Vol. 1 [a:11]")});
    int pictures = 0;
    const QTextDocument* document = FScreen->WPRichText1->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                ++pictures;
    EXPECT_EQ(pictures, 2);
}

using RecordPages = TRecordPageTest;

TEST_F(RecordPages, OrdinaryAlbumWithDurationsReleasesAndStyles)
{
    const QString page = Page(4, 10);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Album: Abbey Road"));
    EXPECT_EQ(Section(page, QStringLiteral("Band / Interpret")),
              QStringList{QStringLiteral("The Beatles [b:1]")});
    EXPECT_EQ(Section(page, QStringLiteral("Titel")),
              (QStringList{QStringLiteral("Come Together [c:10,20] [00:04:12]"),
                           QStringLiteral("Something [c:10,21] [01:23:45]")}));
    EXPECT_EQ(Section(page, QStringLiteral("Stilrichtungen")),
              QStringList{QStringLiteral("Pop [g:41], Rock [g:40]")});
    // Ordered by year: the release of year 0 first, without "(0)"; a label
    // link, LC and catalogue number only where present.
    EXPECT_EQ(Section(page, QStringLiteral("Erschienen auf")),
              (QStringList{QStringLiteral("CD, EMI [l:2] - LC 0542"),
                           QStringLiteral("LP (1969), Apple [l:1] - PCS 7088")}));
}

TEST_F(RecordPages, SamplerListsPerformerBeforeEachTitle)
{
    const QString page = Page(8, 11);
    EXPECT_EQ(Section(page, QStringLiteral("Titel")),
              (QStringList{QStringLiteral("Queen [b:2]: Requiem [c:11,22] [00:03:00]"),
                           QStringLiteral("The Beatles [b:1]: Come Together [c:11,20]")}));
    EXPECT_FALSE(page.contains(QStringLiteral("Band / Interpret"))) << "a sampler has no band";
    EXPECT_FALSE(page.contains(QStringLiteral("Erschienen auf")));
}

TEST_F(RecordPages, TitleComposersSingularPluralAndPlainPersons)
{
    const QString one = Page(5, 20);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Titel: Come Together"));
    EXPECT_EQ(Section(one, QStringLiteral("Komponist")),
              QStringList{QStringLiteral("John Lennon [p:5]")});
    EXPECT_EQ(Section(one, QStringLiteral("Lyrics / Liedtext")).value(0).trimmed(),
              QStringLiteral("Come Together [v:20]"));
    EXPECT_EQ(Section(one, QStringLiteral("Zu hören auf")),
              (QStringList{QStringLiteral("The Beatles [b:1]: Abbey Road [a:10] (CD, LP 1969)")}));

    const QString two = Page(7, 22);
    EXPECT_EQ(Section(two, QStringLiteral("Komponisten")),
              (QStringList{QStringLiteral("Wolfgang Amadeus Mozart [p:1]"),
                           QStringLiteral("Antonio Salieri [p:2]")}));
    EXPECT_FALSE(two.contains(QStringLiteral("Lyrics")));

    // PERS_DATA 0: the name without a link.
    EXPECT_EQ(Section(Page(5, 23), QStringLiteral("Komponist")),
              QStringList{QStringLiteral("Hans Unbekannt")});
    EXPECT_TRUE(Codes().isEmpty());
}

TEST_F(RecordPages, LyricsPage)
{
    const QString page = Page(100, 20);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Text zum Titel: Come Together"));
    EXPECT_EQ(Section(page, QStringLiteral("Text")),
              QStringList{QStringLiteral("Geboren in Salzburg.")});
    EXPECT_EQ(Section(page, QStringLiteral("Weitere Angaben")),
              QStringList{QStringLiteral("siehe: Come Together [t:20]")});
}

TEST_F(RecordPages, RecordingWithMusiciansInstrumentsAndData)
{
    const QString page = Page(6, 10, 20);
    EXPECT_EQ(FScreen->windowTitle(),
              QStringLiteral("Interpretation: \"Come Together\" auf \"Abbey Road\""));
    EXPECT_TRUE(page.startsWith(QStringLiteral("Details zur Aufnahme\n")));
    EXPECT_EQ(Section(page, QStringLiteral("Album")),
              QStringList{QStringLiteral("Abbey Road [a:10]")});
    EXPECT_EQ(Section(page, QStringLiteral("Titel")),
              QStringList{QStringLiteral("Come Together [t:20]")});
    EXPECT_EQ(Section(page, QStringLiteral("Stilrichtung")),
              QStringList{QStringLiteral("Rock [g:40]")});
    // Five instruments: four on the first indented line, ending with ", ".
    EXPECT_EQ(
        Section(page, QStringLiteral("Musiker")),
        (QStringList{QStringLiteral("John Lennon [p:5]:"),
                     QStringLiteral("      Bass [i:30], Gitarre [i:31], Klavier [i:32], "
                                    "Orgel [i:33], "),
                     QStringLiteral("      Schlagzeug [i:34]"), QStringLiteral("Hans Unbekannt")}));
    EXPECT_EQ(Section(page, QStringLiteral("Aufnahme:")),
              (QStringList{QStringLiteral("Studio Abbey Road Studios [s:1] (1969)"),
                           QStringLiteral("Dauer: 04:12")}));
    EXPECT_EQ(Section(page, QStringLiteral("Produzent")),
              QStringList{QStringLiteral("Antonio Salieri [p:2]")});

    // An hour or more keeps its hours; no studio and no year: only the length.
    const QString hour = Page(9, 10, 21);
    EXPECT_EQ(Section(hour, QStringLiteral("Aufnahme:")),
              QStringList{QStringLiteral("Dauer: 01:23:45")});
    EXPECT_FALSE(hour.contains(QStringLiteral("Musiker")));
}

using OtherPages = TRecordPageTest;

TEST_F(OtherPages, InstrumentAidLabelStudioAndAddress)
{
    const QString aid = Page(10, 35);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Hilfsmittel: Metronom"));
    EXPECT_TRUE(aid.contains(QStringLiteral("Gehört zur Gruppe Klavier [i:32]")));

    Page(0, 32);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Instrument: Klavier"));
    EXPECT_TRUE(Shown().contains(QStringLiteral("\n(engl.: piano)\n")));

    const QString noCode = Page(14, 1);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Label: Apple"));
    EXPECT_FALSE(noCode.contains(QStringLiteral("Labelcode")));
    EXPECT_EQ(Section(noCode, QStringLiteral("Produziertes Album")),
              QStringList{QStringLiteral("The Beatles [b:1]: Abbey Road [a:10] (CD, LP 1969)")});
    EXPECT_EQ(Section(Page(14, 2), QStringLiteral("Labelcode")),
              QStringList{QStringLiteral("0542")});

    EXPECT_EQ(Section(Page(13, 1), QStringLiteral("Aufnahmen zum Album")),
              QStringList{QStringLiteral("The Beatles [b:1]: Abbey Road [a:10] (CD, LP 1969)")});

    FCatalogue.Exec("INSERT INTO ADRESSE (ADRE_ID, ADRE_NAME, ADRE_TYP, ADRE_STRASSE, ADRE_LAND, "
                    "ADRE_PLZ, ADRE_ORT, ADRE_TEL2, ADRE_WWW) VALUES (1, 'Konzerthaus', 3, "
                    "'Lothringerstraße 20', 'A', '1030', 'Wien', '01 242', 'konzerthaus.at');");
    EXPECT_EQ(Page(15, 1).split(QLatin1Char('\n')).mid(0, 8),
              (QStringList{QStringLiteral("Konzerthaus"), QStringLiteral("Adresse"),
                           QStringLiteral("Konzerthaus"), QStringLiteral("Lothringerstraße 20"),
                           QStringLiteral("A-1030 Wien"), QString(), QStringLiteral("Tel.: 01 242"),
                           QStringLiteral("Homepage: konzerthaus.at")}));
}

TEST_F(OtherPages, StyleSoundExamplesAndFreeArticles)
{
    FCatalogue.Exec(
        "INSERT INTO STYLES (STYL_ID, STYL_TEXT, STYL_BESET, CATE_ID1, CATE_ID3, "
        "INST_ID, BESE_NAME) VALUES (7, 'Blues-Rock', 'Band, Gesang', 40, NULL, 31, "
        "'Solo'), (8, 'Hardrock', 'Band', NULL, 40, NULL, NULL);"
        "INSERT INTO FREI (FREI_ID, FREI_NAME, FREI_ART) VALUES (50, 'Grammy 1970', 3), "
        "(51, 'Zauberflöte', 1);"
        "INSERT INTO FREIPERS VALUES (50, 1), (51, 1);");
    const QString style = Page(12, 40);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Stilrichtung: Rock"));
    EXPECT_EQ(Section(style, QStringLiteral("Rock als Hauptstilrichtung")).value(0).trimmed(),
              QStringLiteral("Blues-Rock: Band, Gesang [mc:7]"));
    EXPECT_FALSE(style.contains(QStringLiteral("als erstes Stilelement")));
    EXPECT_EQ(Section(style, QStringLiteral("Rock als zweites Stilelement")).value(0).trimmed(),
              QStringLiteral("Hardrock: Band [mc:8]"));
    // A style without examples: title only.
    EXPECT_EQ(Page(12, 41).trimmed(), QStringLiteral("Pop"));

    EXPECT_EQ(Section(Page(0, 31), QStringLiteral("Tonbeispiel")).value(0).trimmed(),
              QStringLiteral("Blues-Rock, Solo [mi:7]"));

    const QString person = Page(1, 1);
    EXPECT_EQ(Section(person, QStringLiteral("Bühnenstücke")),
              QStringList{QStringLiteral("Zauberflöte [f:51]")});
    EXPECT_EQ(Section(person, QStringLiteral("Preise und Auszeichnungen")),
              QStringList{QStringLiteral("Grammy 1970 [f:50]")});
    Page(101, 51);
    EXPECT_EQ(FScreen->windowTitle(), QStringLiteral("Libretto: Zauberflöte"));
}

TEST_F(OtherPages, UnknownKindAndMissingKeyGiveTheEmptyPage)
{
    Page(1, 1);
    const QString caption = FScreen->windowTitle();
    EXPECT_EQ(Page(1, 999).trimmed(), QString());
    EXPECT_EQ(FScreen->windowTitle(), caption) << "an empty page keeps the caption";
    EXPECT_EQ(Page(42, 1).trimmed(), QString());
    EXPECT_TRUE(FErrors.isEmpty());
}

} // namespace
