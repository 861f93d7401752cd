#include "db/CRADIO.h"
#include "modules/ModuleListLine.h"

#include <gtest/gtest.h>

using modulelist::ModuleListLine;
using modulelist::RemarkColumn;

namespace {

CRADIO record(const char* serial, int16_t type, const char* standard, const char* custom, const char* remark)
{
    CRADIO r;
    r.strSerial = QString::fromLatin1(serial);
    r.intRxTxEx = type;
    r.strModuleType = QString::fromLatin1(standard);
    r.strCustomType = QString::fromLatin1(custom);
    r.strUserRemark = QString::fromLatin1(remark);
    return r;
}

} // namespace

TEST(ModuleListLine, ColumnsAreCutAndFilledToTheirWidths)
{
    const struct {
        CRADIO module;
        RemarkColumn remark;
        const char* line;
    } cases[] = {
        {record("700001", 0, "Vr05-12", "North Hill", "Spare"), RemarkColumn::AsIs,
         "700001   Receiver    Vr05-12      North Hill   Spare"},
        {record("700001", 0, "Vr05-12", "North Hill", "Spare"), RemarkColumn::Filled,
         "700001   Receiver    Vr05-12      North Hill   Spare            "},
        // Every text at or beyond its length: serial 8, type 11, models 12, remark 16.
        {record("16777215", 1, "Vr31-15-0000X", "Custom model 1", "A remark too long for it"), RemarkColumn::AsIs,
         "16777215 Transmitter Vr31-15-0000 Custom model A remark too lon"},
        {record("5", 3, "", "", ""), RemarkColumn::AsIs, "5        ToneRemote                            "},
        // A type code without a name leaves the type column blank.
        {record("42", 4, "Vr31-25-0000", "", "Quasi"), RemarkColumn::Filled,
         "42                   Vr31-25-0000              Quasi            "},
        {record("43", -1, "", "", ""), RemarkColumn::AsIs, "43                                             "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModuleListLine(c.module, c.remark), QString::fromLatin1(c.line));
}

TEST(ModuleListLine, ControlBytesShowAsBlanks)
{
    // Texts read from pages never written hold zero bytes; other control bytes show as blanks too,
    // and every column keeps its width.
    CRADIO r = record("1001", 0, "", "", "");
    r.strModuleType = QStringLiteral("Vr31\x01\x1f");
    r.strCustomType = QString(QChar(0)) + QStringLiteral("AB") + QString(2, QChar(0)) + QStringLiteral("CD");
    r.strUserRemark = QStringLiteral("R\tX\x7f") + QString(12, QChar(0));
    EXPECT_EQ(ModuleListLine(r, RemarkColumn::Filled).toStdString(),
              std::string("1001     Receiver    Vr31          AB  CD      R X              "));
    EXPECT_EQ(ModuleListLine(r, RemarkColumn::AsIs).toStdString(),
              std::string("1001     Receiver    Vr31          AB  CD      R X             "));
}
