#pragma once

#include <QString>

#include <array>

class THstmt;

// The German display texts of persons and places that several screens share:
// a person's name in reading order, the header lines of a person page, life
// years, and the names behind city, country, band, title and album keys.
//
// The person routines read the current row of a statement on a PERSON row
// (all columns) by column name; the lookups run on the shared statement
// SharedStmt, so none of them may be called while another routine walks a
// result on it.

// The German month names, index 1 ... 12; index 0 is empty.
extern const std::array<QString, 13> MonthNames;
// The month's name; empty for 0 and for any value outside 1 ... 12 (the
// catalogue holds nothing else, but a damaged value must not crash a page).
QString MonthName(int Month);

// "Surname, Given names" becomes "Given names Surname", blanks around the
// comma removed; a name without comma is returned unchanged.
QString FormatPersonName(const QString& Name);

// Accented Latin letters become their plain letters (À ... Ü, à ... ü,
// Ç, ç, Ñ, ñ), and "ß" becomes "ss"; Ã, Õ, ã and õ stay as they are, as they
// did on the old seven-segment display this text is meant for.
QString FoldAccents(const QString& Text);

// Column Column (from 1) of the first row of Sql, run on SharedStmt, as text;
// empty when there is no row.
QString LookupText(const QString& Sql, int Column);

// The names behind the keys; empty for 0 or a key without a record.
QString CityName(int CityId);
QString CountryCode(int LandId);
QString BandName(int BandId);
QString TitleName(int TitleId);
QString AlbumName(int AlbumId);

// "(eigentlich: Given Surname)" and the like; empty without a civil name.
QString CivilNameLine(THstmt& Person);
// "USA-GB Sänger, Gitarrist und Komponist"; empty without a profession.
QString NationalityAndProfessions(THstmt& Person);
// "* 27. Januar 1756 Salzburg"; empty when nothing is known.
QString BirthLine(THstmt& Person);
// "† 5. Dezember 1791 Wien"; with SamePlace, "ebd." stands for a place of
// death that is the place of birth.
QString DeathLine(THstmt& Person, bool SamePlace);
// "1756-1791", "* 1756" or "† 1791"; empty when neither year is known.
QString LifeYears(THstmt& Person);
