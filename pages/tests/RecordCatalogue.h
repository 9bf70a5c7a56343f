#pragma once

// A catalogue that holds the awkward cases of the record pages, and a test
// base that opens a record page screen on it and watches its sounds and
// errors.

#include "pages/DispData.h"
#include "pages/tests/CatalogueFixture.h"
#include "shell/Global.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable failures: texts as texts, not as lists of 2-byte objects.
inline void PrintTo(const QString& Text, std::ostream* Out)
{
    *Out << '"' << Text.toStdString() << '"';
}

// Store positions of the catalogue's texts and pictures.
namespace RecordStore {
inline constexpr qint64 MozartBiography = 4096;
inline constexpr qint64 MozartPortrait = 100000; // only a second picture
inline constexpr qint64 MissingText = 900000;
inline constexpr qint64 Cover = 200000;
inline constexpr qint64 BandPicture1 = 300000;
inline constexpr qint64 BandPicture2 = 400000;
inline constexpr qint64 LongText = 500000; // a text long enough to scroll
} // namespace RecordStore

std::string RecordCatalogueRows();
std::map<qint64, QByteArray> RecordCatalogueStore();

class TRecordPageTest : public ::testing::Test
{
protected:
    TRecordPageTest();
    ~TRecordPageTest() override;

    // Builds the page of (Kind, Id, SubId) as a new history entry and
    // returns it as text with the link codes.
    QString Page(int Kind, int Id, int SubId = 0);
    QString Shown() const;
    QStringList Codes() const;

    TCatalogueFixture FCatalogue;
    std::unique_ptr<TfrmDispData> FScreen;
    std::vector<TInterfaceSound> FSounds;
    QStringList FErrors;
};
