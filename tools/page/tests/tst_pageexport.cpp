#include "tests/support/TestDataSource.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>

namespace {

struct TRun
{
    int ExitCode = -1;
    QByteArray Out;
    QString Err;
};

TRun RunPage(const QStringList& Arguments)
{
    QProcess process;
    process.start(QStringLiteral(MUSARIX_PAGE_PROGRAM), Arguments);
    process.waitForFinished(60000);
    TRun run;
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = process.readAllStandardOutput();
    run.Err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// A band of the demo catalogue with one of its members.
struct TMember
{
    int BandId = 0;
    int PersonId = 0;
    QString Surname;
};

TMember AnyMember(const QString& Database)
{
    sqlite3* db = nullptr;
    TMember member;
    if (sqlite3_open_v2(QFile::encodeName(Database).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        const char* sql = "SELECT M.BAND_ID, M.PERS_ID, P.PERS_NAME FROM MEMBERS M "
                          "JOIN PERSON P ON P.PERS_ID = M.PERS_ID ORDER BY 1, 2 LIMIT 1";
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW) {
            member.BandId = sqlite3_column_int(stmt, 0);
            member.PersonId = sqlite3_column_int(stmt, 1);
            const QString name =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2)));
            // Stored as "Surname, First names"; the page may turn it round.
            member.Surname = name.section(QLatin1Char(','), 0, 0).trimmed();
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return member;
}

// The demo catalogue, built once by the real builder, behind a private data
// source "MUSARIX" (which the program's child processes inherit).
class PageExport : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        Data = std::make_unique<QTemporaryDir>();
        DataDir = Data->filePath(QStringLiteral("data"));
        QProcess build;
        build.start(QStringLiteral(MUSARIX_BUILD_PROGRAM),
                    {QStringLiteral(MUSARIX_CATALOGUE_SOURCE), DataDir});
        build.waitForFinished(120000);
        BuildOutput = QString::fromLocal8Bit(build.readAllStandardError());
        TestDataSource::Options options;
        options.DsnLines = {"StepAPI=1"};
        options.DatabaseFile =
            QFile::encodeName(DataDir + QStringLiteral("/Musarix.db")).toStdString();
        Source = std::make_unique<TestDataSource>(std::string_view(), options);
        Member = AnyMember(DataDir + QStringLiteral("/Musarix.db"));
    }

    static void TearDownTestSuite()
    {
        Source.reset();
        Data.reset();
    }

    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(DataDir + QStringLiteral("/Musarix.db")))
            << BuildOutput.toStdString();
        ASSERT_NE(Member.PersonId, 0) << "the demo catalogue has no band member";
    }

    QStringList BandPage() const
    {
        return {DataDir, QStringLiteral("3"), QString::number(Member.BandId)};
    }

    static inline std::unique_ptr<QTemporaryDir> Data;
    static inline std::unique_ptr<TestDataSource> Source;
    static inline QString DataDir;
    static inline QString BuildOutput;
    static inline TMember Member;
};

} // namespace

TEST_F(PageExport, TextShowsEveryLinkWithItsCode)
{
    const TRun run = RunPage(BandPage());
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QString text = QString::fromUtf8(run.Out);
    const QString code =
        QStringLiteral(" [p:") + QString::number(Member.PersonId) + QStringLiteral("]");
    const qsizetype at = text.indexOf(code);
    ASSERT_GE(at, 0) << text.toStdString();
    // The member's name is the link text just before the code.
    const QString line = text.left(at).section(QLatin1Char('\n'), -1);
    EXPECT_TRUE(line.contains(Member.Surname)) << line.toStdString();
}

TEST_F(PageExport, WritesHtmlAndPdfToFiles)
{
    QTemporaryDir out;
    const QString html = out.filePath(QStringLiteral("page.html"));
    const QString pdf = out.filePath(QStringLiteral("page.pdf"));
    const TRun htmlRun = RunPage(QStringList{QStringLiteral("--format"), QStringLiteral("html"),
                                             QStringLiteral("--output"), html} +
                                 BandPage());
    ASSERT_EQ(htmlRun.ExitCode, 0) << htmlRun.Err.toStdString();
    EXPECT_TRUE(htmlRun.Out.isEmpty());
    QFile htmlFile(html);
    ASSERT_TRUE(htmlFile.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(htmlFile.readAll());
    EXPECT_TRUE(page.contains(QStringLiteral("<html"))) << page.toStdString();
    EXPECT_TRUE(page.contains(Member.Surname));

    const TRun pdfRun = RunPage(QStringList{QStringLiteral("--format"), QStringLiteral("pdf"),
                                            QStringLiteral("--output"), pdf} +
                                BandPage());
    ASSERT_EQ(pdfRun.ExitCode, 0) << pdfRun.Err.toStdString();
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF"));

    const TRun pdfOut =
        RunPage(QStringList{QStringLiteral("--format"), QStringLiteral("pdf")} + BandPage());
    ASSERT_EQ(pdfOut.ExitCode, 0) << pdfOut.Err.toStdString();
    EXPECT_TRUE(pdfOut.Out.startsWith("%PDF"));
}

TEST_F(PageExport, FailsClearlyOnWrongInput)
{
    const TRun unknownKind = RunPage({DataDir, QStringLiteral("99"), QStringLiteral("1")});
    EXPECT_NE(unknownKind.ExitCode, 0);
    EXPECT_TRUE(unknownKind.Err.contains(QStringLiteral("unknown kind 99")))
        << unknownKind.Err.toStdString();
    EXPECT_TRUE(unknownKind.Out.isEmpty());

    const QString nowhere = Data->filePath(QStringLiteral("nowhere"));
    const TRun missingDir = RunPage({nowhere, QStringLiteral("3"), QStringLiteral("1")});
    EXPECT_NE(missingDir.ExitCode, 0);
    EXPECT_TRUE(missingDir.Err.contains(nowhere)) << missingDir.Err.toStdString();

    const TRun missingRecord = RunPage({DataDir, QStringLiteral("3"), QStringLiteral("999999")});
    EXPECT_NE(missingRecord.ExitCode, 0);
    EXPECT_TRUE(missingRecord.Err.contains(QStringLiteral("999999")))
        << missingRecord.Err.toStdString();
}

TEST_F(PageExport, ReportsTheDriversMessageOfAFailingStatement)
{
    // An empty SQLite database: the connection works, the first statement
    // finds no table.
    QTemporaryDir empty;
    QFile database(empty.filePath(QStringLiteral("Musarix.db")));
    ASSERT_TRUE(database.open(QIODevice::WriteOnly));
    database.close();
    const TRun run = RunPage({empty.path(), QStringLiteral("3"), QString::number(Member.BandId)});
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("no such table"))) << run.Err.toStdString();
}
