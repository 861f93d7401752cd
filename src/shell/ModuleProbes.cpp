#include "shell/ModuleProbes.h"

#include "link/LinkAddress.h"
#include "link/LinkCommands.h"
#include "link/ReadReply.h"
#include "platform/MsgBox.h"
#include "shell/ArchiveRecord.h"
#include "shell/ModuleType.h"

#include <QFile>

namespace basVelmar {
namespace {

constexpr int kConfigurationPage = 2;
constexpr int kConfigurationByte = 2;

constexpr int kArchiveRecordSize = sizeof(ArchiveRecord);
constexpr int kArchiveTypeByte = 4;

bool recordChecksOut(const QByteArray& record)
{
    return archiverecord::checksOut(recordfields::recordAt<ArchiveRecord>(record, 0));
}

} // namespace

int16_t intReadModuleType(const QString& serial, int16_t& typeCode)
{
    bool numeric = false;
    const qlonglong number = serial.trimmed().toLongLong(&numeric);
    if (!numeric)
        return -1;
    CLASSREAD& read = CLASSREAD::instance();
    if (read.intExecute(strLongTo3Bytes(number), strLongTo2Bytes(kConfigurationPage)) != 0)
        return -1;
    const std::optional<QByteArray> page = linkengine::readReplyPage(read.strResponse);
    if (!page)
        return -1;
    typeCode = intModuleTypeCode(static_cast<uint8_t>(page->at(kConfigurationByte)));
    return 0;
}

int16_t intGetFileModuleType(const QString& path, int16_t& typeCode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::MsgBox(file.errorString() + QStringLiteral(": ") + path, platform::vbOKOnly);
        return -1;
    }
    // Both records must be there in full: a short file is no archive.
    const QByteArray first = file.read(kArchiveRecordSize);
    if (first.size() != kArchiveRecordSize || !recordChecksOut(first))
        return -1;
    const QByteArray second = file.read(kArchiveRecordSize);
    if (second.size() != kArchiveRecordSize || !recordChecksOut(second))
        return -1;
    typeCode = intModuleTypeCode(static_cast<uint8_t>(second[kArchiveTypeByte]));
    return 0;
}

} // namespace basVelmar
