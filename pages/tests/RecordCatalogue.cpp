#include "pages/tests/RecordCatalogue.h"

#include "richtext/WPRichText.h"

namespace {

QByteArray Rtf(const QString& Body)
{
    return QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ") + Body.toLatin1() +
           QByteArray("}");
}

} // namespace

std::string RecordCatalogueRows()
{
    return R"sql(
INSERT INTO CITY VALUES (1, 'Salzburg'), (2, 'Wien');
INSERT INTO COUNTRY VALUES (1, 'A', 'Österreich');
INSERT INTO BERUF VALUES (1, 'Komponistin', 'Komponist'), (2, 'Pianistin', 'Pianist');
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA, PERS_GESCH, PERS_GEBT, PERS_GEBM, PERS_GEBJ,
  PERS_GEBORT, PERS_TODT, PERS_TODM, PERS_TODJ, PERS_TODORT, LAND_ID, PERS_BIOGR, PERS_BILD2,
  PERS_TEXT1, PERS_TEXT2)
  VALUES (1, 'Mozart, Wolfgang Amadeus', 1, 0, 27, 1, 1756, 1, 5, 12, 1791, 2, 1, 4096, 100000,
  'ungenutzt', 'Mozart 1789');
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA) VALUES (2, 'Salieri, Antonio', 1);
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA, PERS_GESCH, PERS_BIOGR)
  VALUES (3, 'Musikerin, Anna', 1, 1, 900000);
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA) VALUES (4, 'Unbekannt, Hans', 0);
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA) VALUES (5, 'Lennon, John', 1);
INSERT INTO PERSON (PERS_ID, PERS_NAME, PERS_DATA, PERS_GESCH) VALUES (6, 'Gast, Gustav', 1, 0);
INSERT INTO PERSBERU VALUES (1, 1, 1), (1, 2, 2);
INSERT INTO LEHRER VALUES (2, 1);
INSERT INTO BAND (BAND_ID, BAND_NAME, BAND_BILD1, BAND_BILD2, BAND_TEXT1, BAND_TEXT2, BAND_HIST)
  VALUES (1, 'The Beatles', 300000, 400000, 'Frühe Jahre', 'Späte Jahre', 500000);
INSERT INTO BAND (BAND_ID, BAND_NAME) VALUES (2, 'Queen');
INSERT INTO MEMBERS (PERS_ID, BAND_ID, MEMB_STAMM, MEMB_GAST, MEMB_VON1, MEMB_BIS1, MEMB_VON3)
  VALUES (5, 1, 1, 0, 1960, 1966, 1970);
INSERT INTO MEMBERS (PERS_ID, BAND_ID, MEMB_STAMM, MEMB_GAST) VALUES (3, 1, 0, 0);
INSERT INTO MEMBERS (PERS_ID, BAND_ID, MEMB_STAMM, MEMB_GAST) VALUES (6, 1, 0, 1);
INSERT INTO MEMBERS (PERS_ID, BAND_ID, MEMB_STAMM, MEMB_GAST) VALUES (1, 2, 1, 0);
INSERT INTO INSTRUME (INST_ID, INST_NAMED, INST_NAMEE) VALUES (30, 'Bass', 'bass'),
  (31, 'Gitarre', 'guitar'), (32, 'Klavier', 'piano'), (33, 'Orgel', 'organ'),
  (34, 'Schlagzeug', 'drums');
INSERT INTO INSTRUME (INST_ID, INST_NAMED, INST_VATER, INST_PSEU) VALUES (35, 'Metronom', 32, 1);
INSERT INTO STDINST VALUES (1, 32), (1, 33);
INSERT INTO TYPES VALUES (1, 'LP'), (2, 'CD');
INSERT INTO LABEL (LABE_ID, LABE_NAME) VALUES (1, 'Apple');
INSERT INTO LABEL (LABE_ID, LABE_NAME, LABE_CODE) VALUES (2, 'EMI', '0542');
INSERT INTO STUDIO (STUD_ID, STUD_NAME) VALUES (1, 'Abbey Road Studios');
INSERT INTO CATEGORY (CATE_ID, CATE_NAME) VALUES (40, 'Rock'), (41, 'Pop');
INSERT INTO ALBUM (ALBU_ID, ALBU_NAME, ALBU_JAHR, BAND_ID, ALBU_COVER, ALBU_SAMPL)
  VALUES (10, 'Abbey Road', 1969, 1, 200000, 0);
INSERT INTO ALBUM (ALBU_ID, ALBU_NAME, ALBU_JAHR, ALBU_SAMPL) VALUES (11, 'Hits Vol. 1', 1990, 1);
INSERT INTO TITLE (TITE_ID, TITE_NAME, TITE_LYRICS) VALUES (20, 'Come Together', 4096);
INSERT INTO TITLE (TITE_ID, TITE_NAME) VALUES (21, 'Something'), (22, 'Requiem'),
  (23, 'Volkslied');
INSERT INTO CONTENTS (ALBU_ID, TITE_ID, BAND_ID, STUD_ID, CONT_DISC, CONT_INDEX, CONT_DAUER,
  CONT_JAHR, CONT_LIVE) VALUES (10, 20, 1, 1, 1, 1, '000412', 1969, 0),
  (10, 21, 1, NULL, 1, 2, '012345', NULL, 0),
  (11, 22, 2, NULL, 1, 1, '000300', NULL, 0), (11, 20, 1, NULL, 1, 2, NULL, NULL, 0);
INSERT INTO COMPOSER VALUES (20, 5), (22, 1), (22, 2), (23, 4);
INSERT INTO MUSICIAN VALUES (10, 20, 5), (10, 20, 4);
INSERT INTO PLAYLIST VALUES (5, 10, 20, 30), (5, 10, 20, 31), (5, 10, 20, 32), (5, 10, 20, 33),
  (5, 10, 20, 34);
INSERT INTO PRODUCER VALUES (10, 20, 2);
INSERT INTO GENRE VALUES (10, 20, 40), (10, 21, 41);
INSERT INTO PRODUCT (ALBU_ID, TYPE_ID, LABE_ID, PDCT_JAHR, PDCT_LC, PDCT_KAT)
  VALUES (10, 1, 1, 1969, NULL, 'PCS 7088'), (10, 2, 2, 0, '0542', NULL);
)sql";
}

std::map<qint64, QByteArray> RecordCatalogueStore()
{
    QString many;
    for (int i = 0; i < 150; ++i)
        many += QStringLiteral("Zeile %1 der langen Geschichte.\\par ").arg(i);
    return {{RecordStore::MozartBiography, Rtf(QStringLiteral("Geboren in Salzburg."))},
            {RecordStore::MozartPortrait, TCatalogueFixture::Bitmap(120, 90)},
            {RecordStore::Cover, TCatalogueFixture::Bitmap(100, 100)},
            {RecordStore::BandPicture1, TCatalogueFixture::Bitmap(150, 100, 0xFFA03020)},
            {RecordStore::BandPicture2, TCatalogueFixture::Bitmap(80, 100)},
            {RecordStore::LongText, Rtf(many)}};
}

TRecordPageTest::TRecordPageTest() : FCatalogue(RecordCatalogueRows(), RecordCatalogueStore())
{
    KeyClick = true;
    ErrorSoundOn = true;
    SetSoundObserver([this](TInterfaceSound Sound) { FSounds.push_back(Sound); });
    TfrmDispData::SetErrorDisplayForTesting(
        [this](const std::exception& Error) { FErrors.append(QString::fromUtf8(Error.what())); });
    FScreen = std::make_unique<TfrmDispData>();
    FScreen->resize(700, 500);
}

TRecordPageTest::~TRecordPageTest()
{
    FScreen.reset();
    TfrmDispData::SetErrorDisplayForTesting({});
    SetSoundObserver({});
}

QString TRecordPageTest::Page(int Kind, int Id, int SubId)
{
    FScreen->PushHistory(Kind, Id, SubId);
    FScreen->ShowCurrentEntry();
    return Shown();
}

QString TRecordPageTest::Shown() const
{
    return FScreen->WPRichText1->ToPlainTextWithCodes();
}

QStringList TRecordPageTest::Codes() const
{
    QStringList codes;
    for (const TWPRichText::TLink& link : FScreen->WPRichText1->Links())
        codes.append(link.Code);
    return codes;
}
