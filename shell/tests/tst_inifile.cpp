#include "shell/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    QString PathOf(const QString& name) const { return Dir.filePath(name); }

    void WriteRaw(const QString& name, const QByteArray& bytes) const
    {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ReadRaw(const QString& name) const
    {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Dir;
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndIsCreatedOnWrite)
{
    const QString path = PathOf(QStringLiteral("Musarix.Ini"));
    {
        TIniFile ini(path);
        EXPECT_FALSE(ini.SectionExists(QStringLiteral("MUSARIX")));
        EXPECT_EQ(ini.ReadString(QStringLiteral("MUSARIX"), QStringLiteral("DataPath"),
                                 QStringLiteral("/daten/")),
                  QStringLiteral("/daten/"));
        EXPECT_TRUE(ini.ReadBool(QStringLiteral("MUSARIX"), QStringLiteral("Click"), true));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("DRUCKER"), QStringLiteral("Rand Unten"), 20), 20);
        // Reading alone never creates the file.
        EXPECT_TRUE(ini.UpdateFile());
        EXPECT_FALSE(QFile::exists(path));

        ini.WriteBool(QStringLiteral("MUSARIX"), QStringLiteral("Intro Musik"), false);
        ini.WriteInteger(QStringLiteral("DRUCKER"), QStringLiteral("Rand Links"), 15);
        ini.WriteBool(QStringLiteral("INSTALL"), QStringLiteral("Alben.Dat"), false);
    }
    EXPECT_EQ(ReadRaw(QStringLiteral("Musarix.Ini")),
              QByteArray("[MUSARIX]\nIntro Musik=0\n\n[DRUCKER]\nRand Links=15\n\n"
                         "[INSTALL]\nAlben.Dat=0\n"));
    EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).size() == 1) << "no temporary file left";
}

TEST_F(IniFileTest, ReadsOddContentTheWayWindowsDoes)
{
    WriteRaw(QStringLiteral("odd.ini"), "\xEF\xBB\xBF; comment line\r\n"
                                        "\r\n"
                                        "[MENUE: TEXTE]\r\n"
                                        "XPos = 120 \r\n"
                                        "just a line without equals\r\n"
                                        "YPos=7\r\n"
                                        "xpos=999\r\n"
                                        "Breite=abc\r\n"
                                        "\r\n"
                                        "[Größe]\r\n"
                                        "Höhe=480\r\n"
                                        "Flag=-3\r\n");
    TIniFile ini(PathOf(QStringLiteral("odd.ini")));
    // Names are matched without regard to case; the first duplicate wins.
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("menue: texte"), QStringLiteral("XPOS"), 0), 120);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("MENUE: TEXTE"), QStringLiteral("YPos"), 0), 7);
    // A value that is no number gives the default; a line without "=" is no key.
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("MENUE: TEXTE"), QStringLiteral("Breite"), 640), 640);
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("MENUE: TEXTE"),
                                 QStringLiteral("just a line without equals")));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Größe"), QStringLiteral("Höhe"), 0), 480);
    // Any value other than 0 counts as true.
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Größe"), QStringLiteral("Flag"), false));
}

TEST_F(IniFileTest, WritingKeepsEverythingItDoesNotKnow)
{
    const QByteArray original = "; Musarix settings\n"
                                "[MUSARIX]\n"
                                "DataPath=/media/cdrom/\n"
                                "Click=1\n"
                                "Unbekannt=bleibt\n"
                                "\n"
                                "[SORTINDEX]\n"
                                "Song- und Liedertexte=1\n"
                                "Song- und Liedertexte=0\n"
                                "Zeile ohne Gleichheitszeichen\n"
                                "\n"
                                "[Fremd]\n"
                                "x=y\n";
    WriteRaw(QStringLiteral("keep.ini"), original);
    {
        TIniFile ini(PathOf(QStringLiteral("keep.ini")));
        // Writing an unchanged value does not touch the file.
        ini.WriteBool(QStringLiteral("MUSARIX"), QStringLiteral("Click"), true);
        EXPECT_TRUE(ini.UpdateFile());
        EXPECT_EQ(ReadRaw(QStringLiteral("keep.ini")), original);

        ini.WriteBool(QStringLiteral("MUSARIX"), QStringLiteral("Click"), false);
        ini.WriteBool(QStringLiteral("MUSARIX"), QStringLiteral("Hinweise"), true);
        ini.WriteInteger(QStringLiteral("SORTINDEX"), QStringLiteral("Song- und Liedertexte"), 0);
        ini.WriteInteger(QStringLiteral("BILD 1/2"), QStringLiteral("XPos"), -4);
    }
    EXPECT_EQ(ReadRaw(QStringLiteral("keep.ini")), QByteArray("; Musarix settings\n"
                                                              "[MUSARIX]\n"
                                                              "DataPath=/media/cdrom/\n"
                                                              "Click=0\n"
                                                              "Unbekannt=bleibt\n"
                                                              "Hinweise=1\n"
                                                              "\n"
                                                              "[SORTINDEX]\n"
                                                              "Song- und Liedertexte=0\n"
                                                              "Song- und Liedertexte=0\n"
                                                              "Zeile ohne Gleichheitszeichen\n"
                                                              "\n"
                                                              "[Fremd]\n"
                                                              "x=y\n"
                                                              "\n"
                                                              "[BILD 1/2]\n"
                                                              "XPos=-4\n"));

    TIniFile again(PathOf(QStringLiteral("keep.ini")));
    EXPECT_EQ(again.ReadInteger(QStringLiteral("BILD 1/2"), QStringLiteral("XPos"), 0), -4);
    EXPECT_EQ(again.ReadString(QStringLiteral("Fremd"), QStringLiteral("x"), QString()),
              QStringLiteral("y"));
}

TEST_F(IniFileTest, ReadsLatin1FilesAndWritesUtf8)
{
    WriteRaw(QStringLiteral("alt.ini"), "[ABFRAGE]\nTitel=M\xFCller\n");
    {
        TIniFile ini(PathOf(QStringLiteral("alt.ini")));
        EXPECT_EQ(ini.ReadString(QStringLiteral("ABFRAGE"), QStringLiteral("Titel"), QString()),
                  QStringLiteral("Müller"));
        ini.WriteString(QStringLiteral("ABFRAGE"), QStringLiteral("Größe"), QStringLiteral("groß"));
    }
    EXPECT_EQ(ReadRaw(QStringLiteral("alt.ini")),
              QByteArray("[ABFRAGE]\nTitel=M\xC3\xBCller\nGr\xC3\xB6\xC3\x9F"
                         "e=gro\xC3\x9F\n"));
}

TEST_F(IniFileTest, FailedWriteReportsItAndKeepsNothingHalfDone)
{
    TIniFile ini(Dir.filePath(QStringLiteral("fehlt/Musarix.Ini")));
    ini.WriteInteger(QStringLiteral("DRUCKER"), QStringLiteral("Rand Oben"), 10);
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("fehlt"))));
}

} // namespace
