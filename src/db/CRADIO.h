#pragma once
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

// One module: a module found in the rack or a module stored in the database.
class CRADIO {
public:
    QString strSerial;        // serial number, decimal text
    int16_t intRxTxEx = 0;    // module type code (ModuleType.h)
    QString strRxTxEx;        // "Receiver", "Transmitter", "Exciter" or "ToneRemote"; empty for other codes
    QString strModuleType;    // factory model text
    QString strCustomType;    // custom type text
    QString strUserRemark;    // the user's remark
    double datCreated = 0;    // date created (a day count, DateCodecs.h); 0: none
    double datUpdated = 0;    // date of the last update; 0: none

    // Serial and type code are always kept. For a code of a receiver, transmitter, exciter or tone
    // remote the texts and dates are kept too and the result is 0; any other code gives -1 and
    // leaves texts and dates as they were.
    int16_t intInit(const QString& strSN, int16_t intType, const QString& strModule, const QString& strCustom,
                    const QString& strUserRemarkP, double datCreatedP, double datUpdatedP);
};

// An ordered list of module records, read by position or in order.
using CRADIOCollection = QList<std::shared_ptr<CRADIO>>;
