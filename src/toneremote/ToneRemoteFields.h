#pragma once
// The settings of a tone-remote module as its document holds them: decoded from the page image by
// intInitSystemInfo and encoded back by intEditSystem. The editor's tabs read and set them directly.
#include <QString>
#include <cstdint>

struct ToneRemoteFields {
    QString strModuleUsed;          // the model name made on load; shown by the editor and the report
    int16_t intRxTxEx = 0;          // module type code of the configuration byte (3: tone remote)
    QString strFirmwareVersion;     // "V10.05"
    uint8_t bytCurrentChannel = 0;  // page 1 byte 2
    uint8_t bytFlag1 = 0;           // configuration byte, page 2 byte 2
    uint8_t bytFlag1Page5 = 0;      // page 5 byte 1
    uint8_t bytFlag1Ext = 0;        // option byte, page 2 byte 1
    uint8_t bytFlag2 = 0;           // flag byte 2, page 5 byte 2 (0x10: sliding-tone mode)
    QString strProductionDate;      // "dd-mm-yy" as stored
    QString strModuleType;          // model name of the model code (page 4)
    QString strCustomType;          // pages 6-7, never written back
    QString strUserRemark;          // pages 8-9, up to 16 characters
    QString strFileName;            // page 10, up to 8 characters
    QString strLastModified;        // date of the last write, "dd-mm-yyyy"
    int16_t intMomTime = 0;         // momentary time, one byte
    int32_t intLineFailTime = 0;    // line-fail time, 0..65535
    int16_t iMorseTimer = 0;        // Morse ident repeat time, quarter seconds

    // Page 15. The two durations are milliseconds here; the page holds 2 ms units.
    uint8_t bytFTTime = 0;
    uint8_t byt5TTime = 0;
    uint8_t bytDTMFT = 0;
    uint8_t bytHLGTDuration = 0;
    uint8_t bytSelcallStd = 0;
    uint8_t bytLET = 0;
    uint8_t bytLineOutAmp = 0;
    uint8_t bytLineInAmp = 0;

    uint16_t intRxDelay = 0;        // path delays, eighths of a millisecond; 0 and 1 mean off
    uint16_t intTxDelay = 0;
    uint8_t OneTone = 0;            // 1: one-tone function commands

    uint16_t intKeytoneFrequencyLT5 = 0;  // keytone, Hz (page 12 bytes 7, 6)
    uint16_t intKeytoneFrequencyRT10 = 0; // second keytone, Hz (page 12 bytes 5, 4)
    uint16_t intKeytoneFrequencyLT10 = 0; // set by the filter-table loaders; not stored

    // Voting.
    int32_t lFreq_TOI = 0;          // tone-on-idle word, or a mode marker (-32768, -32767, 257)
    double VotingLevel = 0;         // written rounded to a whole number
    int32_t RSSISignal = 0;         // 1 VHF receiver, 0 UHF receiver
    int16_t iSlidingSimoco = 0;     // 1 while the sliding voting tone is in use
    double m = 0;                   // slope of the sliding tone (a whole number)
    int16_t c = 0;                  // offset of the sliding tone
    int32_t MuteFreq = 0, LowerFreq = 0, UpperFreq = 0, AlarmFreq = 0; // page 47 words
    int32_t Fl = 0, Fu = 0, Fa = 0, Fmute = 0; // the same in Hz
    double Ll = 0;                  // lower line level, dBm (a whole number)
    int32_t Lu = 0;                 // upper line level, dBm
    double Pm = 0, Pint = 0, kRSSI = 0, V1 = 0, V2 = 0, p1 = 0, p2 = 0; // RSSI scale of the voting tab
};
