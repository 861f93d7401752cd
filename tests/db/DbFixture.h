#pragma once
#include "db/CLASSOrvDB.h"
#include "db/DbQuery.h"
#include "db/PageImage.h"
#include "platform/EndProgram.h"
#include "platform/Progress.h"
#include "shell/Globals.h"
#include "support/PageBytes.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QSqlQuery>
#include <QVariant>
#include <gtest/gtest.h>

// What a test's end-program handler throws in place of ending the process.
struct EndProgramCalled {
    int exitCode;
};

// A page image of any size for the page store: pages hold what was written, one page may be refused.
class TestPages : public CPageImage {
public:
    TestPages(int pages, int lastStored, bool toneRemote, const QString& serial = QStringLiteral("4711"))
        : pages_(pages), last_(lastStored), toneRemote_(toneRemote), image_(pages, QByteArray(kPageSize, '\0'))
    {
        strSerial = serial;
    }
    int16_t intWritePage(int page, const QByteArray& bytes) override
    {
        if (page < 0 || page >= pages_ || page == refused || bytes.size() != kPageSize)
            return -1;
        image_[page] = bytes;
        return 0;
    }
    int16_t intReadPage(int page, QByteArray& bytes) const override
    {
        if (page < 0 || page >= pages_ || page == refused)
            return -1;
        bytes = image_[page];
        return 0;
    }
    int pageCount() const override { return pages_; }
    int lastStoredPage() const override { return last_; }
    bool isToneRemote() const override { return toneRemote_; }

    const QByteArray& page(int p) const { return image_[p]; }
    // Every page filled with bytes that differ from page to page and from `seed` to seed.
    void fill(int seed)
    {
        for (int p = 0; p < pages_; ++p)
            for (int i = 0; i < kPageSize; ++i)
                image_[p][i] = static_cast<char>((p * 31 + i * 7 + seed * 13) & 0xFF);
    }

    int refused = -1;

private:
    int pages_;
    int last_;
    bool toneRemote_;
    QList<QByteArray> image_;
};

// A database made from data/*.sql in a temporary program folder, opened by the program's database
// object; ending the program throws EndProgramCalled.
class DbFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        CLASSOrvDB::releaseInstance();
        path = testsupport::makeDatabase(folder.file(QStringLiteral("velmar.mdb")));
        basVelmar::gDatabasePath = path;
        previousEnd_ = platform::setEndProgramHandler([](int code) { throw EndProgramCalled{code}; });
    }
    void TearDown() override
    {
        CLASSOrvDB::releaseInstance();
        platform::setEndProgramHandler(previousEnd_);
        platform::Progress::instance().reset();
    }

    CLASSOrvDB& db() { return CLASSOrvDB::instance(); }

    // SQL of the test's own on the open database.
    QSqlQuery sql(const QString& text, const QVariantList& values = {})
    {
        return velmardb::run(db().dbAccess(), text, values);
    }
    QVariant scalar(const QString& text, const QVariantList& values = {})
    {
        QSqlQuery q = sql(text, values);
        return q.next() ? q.value(0) : QVariant();
    }
    // Stores a module with the given pages (page number -> 8 bytes).
    void storeModule(int serial, const QList<std::pair<int, QByteArray>>& pages,
                     const QString& created = QStringLiteral("2020-01-02 03:04:05"))
    {
        sql(QStringLiteral("INSERT INTO tblModule (SERIALNUMBER, DATECREATE, DATEUPDATE) VALUES (?, ?, ?)"),
            {serial, created, created});
        const int id = scalar(QStringLiteral("SELECT ID FROM tblModule WHERE SERIALNUMBER = ?"), {serial}).toInt();
        for (const auto& [page, bytes] : pages) {
            QVariantList row{id, page};
            for (int i = 0; i < 8; ++i)
                row << static_cast<uint8_t>(bytes[i]);
            sql(QStringLiteral("INSERT INTO tblModulePage VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"), row);
        }
    }

    testsupport::ProgramFolder folder;
    QString path;

private:
    platform::EndProgramHandler previousEnd_;
};

using testsupport::textPage;
