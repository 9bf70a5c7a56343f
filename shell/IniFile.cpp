#include "shell/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Files written by the Windows program are in the ANSI code page; ours are
// UTF-8. Fall back to Latin-1 when the bytes are not valid UTF-8 so that an
// old file's umlauts still read as letters.
QString DecodeText(const QByteArray& Bytes)
{
    QByteArray data = Bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (utf8.hasError())
        text = QString::fromLatin1(data);
    return text;
}

bool SameName(const QString& A, const QString& B)
{
    return A.compare(B, Qt::CaseInsensitive) == 0;
}

} // namespace

TIniFile::TIniFile(const QString& FileName) : FFileName(FileName)
{
    QFile file(FFileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QString text = DecodeText(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    FLines = text.split(QLatin1Char('\n'));
    // A final line break leaves an empty last element that is not a line.
    if (!FLines.isEmpty() && FLines.constLast().isEmpty())
        FLines.removeLast();
}

TIniFile::~TIniFile()
{
    // A settings write that fails is not worth an error at this point; the
    // previous file stays intact thanks to the atomic replace.
    UpdateFile();
}

bool TIniFile::IsSectionLine(const QString& Line, QString* Name)
{
    const QString trimmed = Line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    if (Name)
        *Name = trimmed.mid(1, close - 1).trimmed();
    return true;
}

bool TIniFile::SplitKeyLine(const QString& Line, QString* Key, QString* Value)
{
    const QString trimmed = Line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = Line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *Key = Line.left(eq).trimmed();
    *Value = Line.mid(eq + 1).trimmed();
    return !Key->isEmpty();
}

qsizetype TIniFile::FindSection(const QString& Section) const
{
    QString name;
    for (qsizetype i = 0; i < FLines.size(); ++i) {
        if (IsSectionLine(FLines.at(i), &name) && SameName(name, Section))
            return i;
    }
    return -1;
}

qsizetype TIniFile::SectionEnd(qsizetype SectionLine) const
{
    qsizetype i = SectionLine + 1;
    while (i < FLines.size() && !IsSectionLine(FLines.at(i)))
        ++i;
    return i;
}

TIniFile::KeyLine TIniFile::FindKey(const QString& Section, const QString& Key) const
{
    KeyLine found;
    const qsizetype section = FindSection(Section);
    if (section < 0)
        return found;
    const qsizetype end = SectionEnd(section);
    QString key, value;
    for (qsizetype i = section + 1; i < end; ++i) {
        // The first of duplicate keys wins, as with the Windows profile calls.
        if (SplitKeyLine(FLines.at(i), &key, &value) && SameName(key, Key)) {
            found.Line = i;
            found.Value = value;
            return found;
        }
    }
    return found;
}

bool TIniFile::SectionExists(const QString& Section) const
{
    return FindSection(Section) >= 0;
}

bool TIniFile::ValueExists(const QString& Section, const QString& Key) const
{
    return FindKey(Section, Key).Line >= 0;
}

QString TIniFile::ReadString(const QString& Section, const QString& Key,
                             const QString& Default) const
{
    const KeyLine found = FindKey(Section, Key);
    return found.Line >= 0 ? found.Value : Default;
}

int TIniFile::ReadInteger(const QString& Section, const QString& Key, int Default) const
{
    const KeyLine found = FindKey(Section, Key);
    if (found.Line < 0)
        return Default;
    bool ok = false;
    const int value = found.Value.toInt(&ok, 10);
    return ok ? value : Default;
}

bool TIniFile::ReadBool(const QString& Section, const QString& Key, bool Default) const
{
    return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& Section, const QString& Key, const QString& Value)
{
    const QString line = Key + QLatin1Char('=') + Value;
    const KeyLine found = FindKey(Section, Key);
    if (found.Line >= 0) {
        if (FLines.at(found.Line) != line) {
            FLines[found.Line] = line;
            FModified = true;
        }
        return;
    }
    FModified = true;
    const qsizetype section = FindSection(Section);
    if (section < 0) {
        if (!FLines.isEmpty() && !FLines.constLast().trimmed().isEmpty())
            FLines.append(QString());
        FLines.append(QLatin1Char('[') + Section + QLatin1Char(']'));
        FLines.append(line);
        return;
    }
    // New keys go after the section's last non-blank line, so the blank line
    // that separates it from the next section stays where it is.
    qsizetype insertAt = SectionEnd(section);
    while (insertAt > section + 1 && FLines.at(insertAt - 1).trimmed().isEmpty())
        --insertAt;
    FLines.insert(insertAt, line);
}

void TIniFile::WriteInteger(const QString& Section, const QString& Key, int Value)
{
    WriteString(Section, Key, QString::number(Value));
}

void TIniFile::WriteBool(const QString& Section, const QString& Key, bool Value)
{
    WriteInteger(Section, Key, Value ? 1 : 0);
}

bool TIniFile::UpdateFile()
{
    if (!FModified)
        return true;
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& line : std::as_const(FLines)) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        return false;
    FModified = false;
    return true;
}
