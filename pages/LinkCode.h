#pragma once

#include <QString>

// What a click on a link of a record page asks for. The code behind a link
// is one or two letters, a colon, and a key or an exact stored name:
// lower-case letters carry keys ("p:12", "c:12,34"), upper-case letters
// names from the stored texts ("P:Mahler, Gustav"), "mi:" and "mc:" sound
// examples.
struct TLinkTarget
{
    enum class TAction {
        Open,       // Kind, Id, SubId
        OpenByName, // NameSql finds the key in its first column; Kind
        Sound,      // SoundKind 'i' or 'c', Id the STYL_ID (0 when not a number)
        Invalid,
    };
    TAction Action = TAction::Invalid;
    int Kind = 0;
    int Id = 0;
    int SubId = 0;
    QString NameSql;
    QChar SoundKind;
};

// Reads a link code. A key that is no number raises std::runtime_error with
// the message the application shows for a bad integer; the record kinds are
// those of the record page.
TLinkTarget ParseLinkCode(const QString& Code);

// Decimal text as an integer, surrounding blanks allowed; anything else
// raises std::runtime_error ("'x' ist kein gültiger Integerwert.").
int LinkKeyToInt(const QString& Text);
