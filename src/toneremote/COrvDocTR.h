#pragma once
// The document of one tone-remote (line interface) module: the module's configuration memory as a
// page image of 257 pages of 8 bytes, the settings decoded from it, its signal-processor tables,
// its alarm records and its function-tone actions.
//
// Calling order the rest of the program relies on: a loader fills the pages, then
// intInitSystemInfo; every saver calls intEditSystem first and sends the pages only when that
// worked. Decoding and encoding again changes no byte the user did not change, except the date of
// the last write (page 11) and, outside sliding-tone mode, the RSSI preset (page 47).
//
// Members named int... return 0 on success and -1 on failure. A failure caused by bad data or a
// value that does not fit is shown to the user in an OK box first; a refusal by a range guard
// (a page, alarm, index, tone or code out of range) is silent. On failure nothing has changed.
#include "db/PageImage.h"
#include "toneremote/ExactDecimal.h"
#include "toneremote/ToneRemoteFields.h"
#include "toneremote/ToneRemotePageLayout.h"
#include "toneremote/cMorseCode.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class COrvDocTR : public CPageImage, public ToneRemoteFields {
public:
    using Page = std::array<uint8_t, trlayout::kPageSize>;
    // An alarm or confirmation record: record byte 0 is the flags byte.
    using AlarmRecord = std::array<uint8_t, trlayout::kPageSize>;

    COrvDocTR();

    // ---- Fields of the document itself (not stored in the image) ---------------------------
    // strSerial and intDocumentFrom come from CPageImage; a new document's origin is the database.
    int32_t lngMaxPage = trlayout::kModulePages; // pages 0 .. lngMaxPage - 1 travel to the module
    double DSPRef = 32767;     // reference and offset of the voting-level scale of the editor
    double VTOffset = 5.75;
    bool bytFactWrite = false; // set by the factory-write dialog
    QString strDocumentFileName;
    bool fModified = false;
    bool ToneOnIdle = false;   // tone-on-idle choice kept for the editor

    // ---- Page image (CPageImage) ------------------------------------------------------------
    int16_t intWritePage(int page, const QByteArray& bytes) override;
    int16_t intReadPage(int page, QByteArray& bytes) const override;
    int pageCount() const override { return trlayout::kPageCount; }
    int lastStoredPage() const override { return trlayout::kLastPage; }
    bool isToneRemote() const override { return true; }

    // The 8 bytes of a page, byte 0 first. A page outside the image raises platform::Error.
    void SetPage(int page, uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4, uint8_t b5, uint8_t b6,
                 uint8_t b7);
    // The low 4 bits of a byte; a page or byte outside the image raises platform::Error.
    uint8_t GetLowNybble(int page, int byte) const;
    void SetLowNybble(int page, int byte, uint8_t value);

    // ---- Identity ---------------------------------------------------------------------------
    // The serial number into page 2 (strSerial is the caller's); -1 for a serial outside
    // 0..16777215, nothing changed.
    int16_t ChangeSerial(int32_t lngSerial);
    // True when page 13 holds the tone-remote identity marker.
    bool OrvTest() const;

    // ---- Low-voltage alarm threshold, volts --------------------------------------------------
    // A threshold byte of 0 (not set) is first set to the module's calibration byte.
    ExactDecimal LowVoltAlarmThreshold();
    // -1 (shown to the user, nothing changed) for a voltage the threshold byte cannot hold.
    int16_t LowVoltAlarmThreshold(ExactDecimal volts);

    // ---- Settings ----------------------------------------------------------------------------
    // Decodes the image into the fields; the fields change only when the whole decode worked.
    int16_t intInitSystemInfo();
    // Encodes the fields into the image. Every field is checked before the first byte changes.
    int16_t intEditSystem();

    // ---- Signal-processor tables (rows of the database) -------------------------------------
    // -1 when a row is missing or a value does not fit its word; no page and no field changed.
    int16_t intSetKeyToneFrequency(int32_t lngFrequency);
    int16_t SetTOIFrequency(int32_t lngFrequency);
    int16_t SetSlideVoteTone(int32_t lngFrequency);
    int16_t SetZeroRT10Table();
    int16_t intSetSelcallStandard(const QString& strStandard);
    int16_t SetSelcallCode(const QString& strStandard);
    int16_t CreateFnTonesStds();
    int16_t CreateMuTable();

    // ---- Morse station ident: the character table of cMorseCode and the ident's pages ---------
    static int16_t SetMorseCode(QChar ch, int32_t& lngPattern, int16_t& intLength);
    static int16_t GetMorseCode(const QString& strCode, QChar& ch);
    // The ident's bit stream in its pages 220-223, in the byte order of cMorseCode::identBytes:
    // page 220 byte 7 first, down to page 223 byte 0.
    cMorseCode::IdentBytes morseIdent() const;
    void setMorseIdent(const cMorseCode::IdentBytes& bytes);

    // ---- Alarm records 1..16 -----------------------------------------------------------------
    int16_t intSetAlarm(int16_t intIndex, const AlarmRecord& bytAlarm);
    int16_t intGetAlarm(int16_t intIndex, AlarmRecord& bytAlarm) const;

    // ---- Function-tone actions, table index 0..255 -------------------------------------------
    // The pair's frequencies in Hz and its action code; -1 for an index that is no pair.
    int16_t intGetFnToneAction(int16_t intIndex, int16_t& intTone1, int16_t& intTone2, int16_t& intActionCode) const;
    // Stores a code 0..255 under any index 0..255.
    int16_t intSetFnToneAction(int16_t intIndex, int16_t intActionCode);
    // Every one of the 225 pairs "Do Nothing" (a new document's table).
    void ResetFnToneActions();

    // ---- A new module ------------------------------------------------------------------------
    // The identity pages 0-4 of a new module: serial number, configuration and option bytes,
    // production date ("dd-mm-yy") and model code; origin: new. The standard flag and the suffix
    // are not used. -1 (shown to the user, nothing changed) for a serial outside 0..16777215 or a
    // model code a page cannot hold.
    int16_t NewToneRemote(const QString& strModel, bool boolStandard, int32_t lngSerial, const QString& strSuffix,
                          const QDate& datProduction, uint8_t bytOption);
    // Factory-default settings of pages 5-15 and 45-47, the signal-processor tables, alarms 1-8
    // disabled and every function-tone pair "Do Nothing"; then decodes the image. -1 at the first
    // table the database cannot give (the pages set before it keep their defaults).
    int16_t NewDocument();

    // ---- The module in the rack --------------------------------------------------------------
    // Reads pages 0 .. lngMaxPage - 1 of the module with this serial number (decimal text) and warns
    // once when its firmware is not listed as compatible. The module stays linked; decoding is the
    // caller's (intInitSystemInfo). On -1 the document is as it was.
    int16_t intModule2Document(const QString& strSerialP);
    // Writes page 1 and pages 5 .. lngMaxPage - 1 to the module of strSerial, the low-voltage
    // threshold re-based on the module's own calibration byte, then restarts it. The module keeps
    // its pages 0, 2, 3 and 4. A page the module does not take ends the write with -1 and no restart.
    int16_t intDocument2Module();
    // Writes the identity pages 2, 3, 4 and page 13 (as the image holds it: after NewToneRemote
    // alone, zeros, which clears the module's identity marker) into the only module of the rack,
    // then restarts it. The serial number travels in page 2; the argument is not used. -1 when
    // the rack holds no module or more than one, before anything is linked.
    int16_t FactoryWrite(int32_t lngSerialNew);

    // ---- Database ------------------------------------------------------------------------------
    // Saves the document where it came from: the database (origin database or new), the module,
    // or its archive file; `strWhere` tells what was done. The save's status.
    int16_t intDocument2Default(QString& strWhere);
    // True when intDocument2Default stores the document in the database.
    bool savesToDatabase() const;
    int16_t intDocument2DB();
    // Loads and decodes the stored module; on -1 (the store's or the decode's) nothing changed.
    int16_t intDB2Document(int32_t lngModuleID);

    // ---- Archive file and report ---------------------------------------------------------------
    // Replaces the file in one step (a failed write leaves the old file as it was).
    int16_t intDocument2Archive(const QString& strFileName);
    // Loads the whole file beside the document and takes it only when every record checked out and
    // the image decoded; a refused file is named in the message with the reason.
    int16_t intArchive2Document(const QString& strFileName);
    // The configuration report on the job's printer, laid out by `frmPreview`, whose table rows
    // move down the page as they are printed.
    int16_t intDocument2Printer(struct frmOrvPreviewTR& frmPreview, class PrintJob& job);

private:
    uint8_t& at(int page, int byte) { return pages_[page][byte]; }
    uint8_t at(int page, int byte) const { return pages_[page][byte]; }
    // Raises platform::Error for a page or byte outside the image.
    static void requireByte(int page, int byte);

    // `chars` characters from page `page` on, the first in byte 7.
    QString pageText(int page, int chars) const;
    // Writes `text` (checked by textBytes) from page `page` on, the first character in byte 7.
    void setPageText(int page, const QByteArray& bytes);
    // The page bytes (Windows-1252) of a text of at most `chars` characters padded with blanks;
    // raises platform::Error naming `field` when it is longer, naming the character when the code
    // has no byte for it.
    static QByteArray textBytes(const QString& text, int chars, const char* field);
    // A word of two bytes of a page, high byte first, without sign.
    uint16_t word(int page, int hiByte) const;
    void setWord(int page, int hiByte, uint16_t bits);

    // Table words from page `firstPage` on, four a page, word k of a page high byte in 7 - 2k.
    void putTableWords(int firstPage, std::span<const uint16_t> words);
    // One filter row's C0..C24 as the 32 words of a filter table (the rest 0).
    static std::vector<uint16_t> filterTable(std::span<const int16_t> row);

    // Raises platform::Error unless lngMaxPage leaves the module pages 0 and 1 and at most its 256.
    void requireModulePages() const;

    // The page of an alarm record; -1 for a number outside 1..16.
    static int alarmPage(int intIndex);

    // What the module's calibration byte adds to the voltage of a threshold byte.
    ExactDecimal voltageOffset() const;

    std::array<Page, trlayout::kPageCount> pages_{};
    // The fields as the pages last gave or took them: the line levels, which only a sliding tone
    // decodes, are written back only when they no longer hold what the pages gave.
    ToneRemoteFields agreed_;
};
