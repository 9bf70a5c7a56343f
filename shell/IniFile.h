#pragma once

#include <QString>
#include <QStringList>

// A settings file in the Windows profile format: "[Section]" lines followed by
// "Key=Value" lines. Section and key names are kept letter for letter
// (blanks, colons and umlauts included) and are looked up without regard to
// case, as Windows does. Everything the program does not know about (other
// sections and keys, comments, blank lines, lines without "=") survives a
// write unchanged, so a hand-edited file keeps its shape.
//
// Reading happens in the constructor; writes change the content in memory
// and reach the disk with UpdateFile() (called by the destructor when
// something changed). The file is replaced atomically, so a crash never
// leaves a truncated settings file behind.
class TIniFile
{
public:
    explicit TIniFile(const QString& FileName);
    ~TIniFile();

    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const QString& FileName() const { return FFileName; }

    bool SectionExists(const QString& Section) const;
    bool ValueExists(const QString& Section, const QString& Key) const;

    QString ReadString(const QString& Section, const QString& Key, const QString& Default) const;
    // A value that is not a decimal integer gives the default.
    int ReadInteger(const QString& Section, const QString& Key, int Default) const;
    // Stored as an integer; any value other than 0 is true.
    bool ReadBool(const QString& Section, const QString& Key, bool Default) const;

    void WriteString(const QString& Section, const QString& Key, const QString& Value);
    void WriteInteger(const QString& Section, const QString& Key, int Value);
    void WriteBool(const QString& Section, const QString& Key, bool Value);

    // Writes the file when it changed since it was read or last written.
    // Returns false when the file could not be written.
    bool UpdateFile();

private:
    struct KeyLine
    {
        qsizetype Line = -1;
        QString Value;
    };

    qsizetype FindSection(const QString& Section) const;
    qsizetype SectionEnd(qsizetype SectionLine) const;
    KeyLine FindKey(const QString& Section, const QString& Key) const;
    static bool IsSectionLine(const QString& Line, QString* Name = nullptr);
    static bool SplitKeyLine(const QString& Line, QString* Key, QString* Value);

    QString FFileName;
    QStringList FLines;
    bool FModified = false;
};
