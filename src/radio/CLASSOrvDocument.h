#pragma once
// The document of one receiver, transmitter or exciter: the module's configuration memory as a
// page image of 149 pages of 8 bytes, the settings decoded from its system pages, its channels,
// and its transfers to and from the database and the module.
//
// Calling order the rest of the program relies on: a loader fills the pages, then
// intInitSystemInfo, then intReadModData; every saver calls intEditSystem first and writes only
// when that worked. Members named int... return 0 on success and -1 on failure; a failure caused
// by bad data has already been reported to the user, a refusal by a range guard has not.
#include "db/PageImage.h"
#include "radio/RadioPageLayout.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace mcf {
struct MCFFile;
struct MCFHeaderRecord;
struct MCFChannelRecord;
} // namespace mcf

class CLASSOrvDocument : public CPageImage {
public:
    CLASSOrvDocument();

    // ---- Public fields -------------------------------------------------------------------
    int32_t lngLowerFreql = 0;     // lower edge of the model's band, Hz
    int32_t lngUpperFreql = 0;     // upper edge of the band, Hz
    int32_t lngRef1 = 0;           // first synthesizer reference (channel step), Hz
    int32_t lngRef2 = 0;           // second synthesizer reference, Hz
    int32_t lngIntFreq = 0;        // intermediate frequency (0 for transmitters and exciters), Hz
    int32_t lngTCXOFreq = 0;       // TCXO frequency, Hz
    int16_t intPrescalar = 0;      // synthesizer prescaler
    bool boolDoubled = false;      // synthesizer output doubled
    bool boolStandard = false;     // kept for other users; the document does not use it
    QString strModuleUsed;         // model name under which the RF data were found
    double lngBanLFreq = 0;        // barred band of the model, lower edge
    double lngBanUFreq = 0;        // barred band, upper edge
    int16_t intRxTxEx = 0;         // 0 receiver, 1 transmitter, 2 exciter
    // strSerial (decimal serial number) and intDocumentFrom come from CPageImage.
    QString strFirmwareVersion;    // "V01.01"
    int16_t intCurrentchannel = 0; // default channel, counted from 0
    int16_t intMaxchannel = 0;     // number of channels, at most 128
    uint8_t bytFlag1 = 0;          // configuration byte (page 2 byte 2)
    uint8_t bytChangeDefaultChanOnChanChange = 0; // option bits of page 5 byte 2, 0 or 1 each
    uint8_t bytChangeSelectType = 0;
    uint8_t bytReverseToneBurst = 0;              // transmitter and exciter only
    uint8_t bytReverseToneBurstType = 0;          // 0: 180, 1: 225
    uint8_t bytLengthOfReverseToneBurst = 0;      // page 5 byte 1
    uint8_t bytFlag2 = 0;          // page 5 byte 2 as read
    int16_t intPartition = 0;      // first channel page: 16, or 12 in the older layout
    QString strProductionDate;     // "ddmmyyyy"
    QString strModuleType;         // model name decoded from the model code of page 4
    uint8_t bytTailtime = 0;       // transmit tail timer, 20 ms counts
    int16_t intTransmittime = 0;   // transmit time-out timer, 20 ms counts
    int16_t intTXlockouttime = 0;  // transmit lock-out timer, 20 ms counts
    uint8_t bytCurrentChannel = 0; // kept for other users; the document does not use it
    QString strCustomType;         // user model name, up to 16 characters (pages 6-7)
    QString strUserRemark;         // user remark, up to 16 characters (pages 8-9)
    QString strFileName;           // kept for other users; the document does not use it
    QString strLastModified;       // date of the last write, "dd-mm-yyyy"
    QString strUserNotes;          // notes line of the HEX image
    QString strModelAsMade;        // catalogue info type of the model ("Standard"), or the model name
    QString strDocumentFileName;   // the file the document was read from
    bool fModified = false;        // changed since loaded or last saved

    // ---- Page image (CPageImage) ---------------------------------------------------------
    int16_t intWritePage(int page, const QByteArray& bytes) override;
    int16_t intReadPage(int page, QByteArray& bytes) const override;
    int pageCount() const override { return radiolayout::kPageCount; }
    // Pages 0 to partition + channel count are stored (one past the last channel page).
    int lastStoredPage() const override;
    bool isToneRemote() const override { return false; }
    // Byte `byte` of page `page`; 0 outside the image.
    uint8_t pageByte(int page, int byte) const;

    // ---- System settings -----------------------------------------------------------------
    int16_t intInitSystemInfo();
    int16_t intEditSystem();
    int16_t intReadModData();
    // intReadModData for a loader: a model that neither the catalogue nor the pages give data
    // for is named to the user before the load fails (intReadModData fails without a word).
    int16_t readModDataOfLoad();
    int16_t intInit(const QString& strSerialP, int32_t lngModuleIDP);
    int16_t ChangeSerial(int32_t lngSer);
    int16_t MovePages(int MaxPages);

    // ---- New document --------------------------------------------------------------------
    int16_t NewRadio(const QString& strModuleP, const QString& strModelType, int32_t lngSerial,
                     const QString& strSuffix, const QDate& datProductionDate, int32_t lngMaxChannelP,
                     int32_t lngPartitionP);
    int16_t intNew2Document(const QString& strModuleP, const QString& strModelType, int32_t lngSerial,
                            const QString& strSuffix, const QDate& datProductionDate, int32_t lngMaxChannelP,
                            int32_t lngPartitionP);
    // The 16-character model code of a "Vr" model name ("Vr31-15-0000" -> "31150000" and eight
    // blanks); the empty text for any other name. Raises platform::Error when the code would be
    // longer than 16 characters.
    static QString MakeStandardName(const QString& strInput);
    // The 8-character model code of page 4 taken from a model name by position: characters 3, 4,
    // 6, 7, 9, 10, 11 and 12 ("Vr31-15-0000" -> "31150000"); a shorter name counts as padded with
    // blanks.
    static QString modelCodeOf(const QString& model);

    // ---- Database ------------------------------------------------------------------------
    int16_t intDB2Document(int32_t lngModuleIDP);
    int16_t intDocument2DB();
    // Saves the document back to where it came from; `strWhere` tells what was done.
    int16_t intDocument2Default(QString& strWhere);
    // True when intDocument2Default stores the document in the database.
    bool savesToDatabase() const;

    // ---- Channels (channel n = 1..intMaxchannel lives in page intPartition + n - 1) -------
    int16_t intInitChannel();
    int16_t intEditChannel(int16_t intSChannel, int16_t intEChannel, int32_t lngFrequency, int32_t lngFStep,
                           bool boolFreq, double dblCTCSSFrequency, bool boolCTCSS, int16_t intDeviation,
                           int16_t intDeviationInc, bool boolDeviation, int16_t intReference,
                           int16_t intReferenceInc, bool boolReference, uint8_t bytPIN, uint8_t bytPINMask,
                           bool boolPINs);
    int16_t intEditFrequency(int16_t intChannel, int32_t lngFrequencyP);
    int16_t intEditCTCSS(int16_t intChannel, double dblCTCSSFrequency);
    int16_t intEditDeviation(int16_t intChannel, int16_t intDeviation);
    int16_t intEditReference(int16_t intChannel, int16_t intReference);
    int16_t intEditPin(int16_t intChannel, int16_t intPin, int16_t intBit);
    int16_t intAppendChannel(int16_t intNumChan);
    int16_t intChannelClear(int16_t intSChannel, int16_t intEChannel);
    int16_t DeleteChannel(int16_t ChannelPage);
    int16_t intModifyCurrentchannel(int16_t intChan);
    bool CheckBanFrequency(double dblFrequency) const;
    int16_t intChannelValidationCheck() const;
    // -1 refuses a write: the module's model code (8 bytes of its page 4, byte 7 first) differs
    // from the document's first at character 5 while the document's character 5 is a blank.
    int16_t TestModelType(const QByteArray& strTest) const;
    // True when the partition that `strTest` holds differs from the document's.
    bool TestPartition(const QString& strTest) const;

    // ---- Module transfer -----------------------------------------------------------------
    int16_t intModule2Document(const QString& strSerialP);
    int16_t intDocument2Module();
    // The module write of intDocument2Module, which also gives the module a new serial number:
    // refused with a message when another module of the rack answers to that number. The module
    // takes the number when it restarts at the end of the write; the document then holds it too.
    int16_t intDocument2ModuleFactory(int32_t lngSerialNew);
    int16_t WriteDefault(int16_t intChannelIndex);

    // ---- File formats (written beside the document core) ---------------------------------
    // Writers replace the file in one step (a failed write leaves the old file as it was) and
    // clear fModified. Readers leave the document as it was when they refuse a file.
    int16_t intDocument2BIN(const QString& path);
    int16_t intDocument2HEX(const QString& path);
    int16_t intDocument2Archive(const QString& path);
    int16_t intArchive2Document(const QString& path);
    int16_t intDocument2MCF(const QString& path);
    int16_t intMCFFile2Document(const QString& path);
    int16_t intBINFile2Document(const QString& path);
    int16_t intHEXFile2Document(const QString& path);
    // The configuration report on the job's printer, laid out by `frmPreview` (whose table cells
    // move down the page as the rows are printed).
    int16_t intDocument2Printer(struct frmOrvPreview& frmPreview, class PrintJob& job);
    // Factory programming: the model's RF data from the catalogue (by strCustomType), the
    // identity pages, and pages 2 to 16 into the only module in the rack.
    int16_t ReadFactoryModel();
    int16_t ChangeFactoryWriteData(int32_t lngSer, int16_t intChan, uint8_t bytFlag, int16_t intPar,
                                   const QString& strMT, const QString& strCust, const QString& strProdDate,
                                   const QDateTime& datDate);
    int16_t FactoryWrite(int32_t lngSerialNew);

private:
    using Page = std::array<uint8_t, radiolayout::kPageSize>;

    uint8_t& at(int page, int byte) { return pages_[page][byte]; }
    uint8_t at(int page, int byte) const { return pages_[page][byte]; }

    // The page of channel n (1..128); -1 when it would fall outside the channel area of the image.
    int channelPage(int n) const;
    // The page of channel n when n is 1..intMaxchannel and the page lies in the image; else -1.
    int usedChannelPage(int n) const;
    // Takes the RF data from pages 12 to 15; false when they are absent.
    bool readModDataFromPages();
    // The model's row of the catalogue into the RF fields, the kind and the model's origin.
    void takeModData(const struct ModData& data);
    int16_t readModData(bool sayWhenMissing);
    // "Custom model <model> is not found in database." (title "Invalid module type").
    static void sayModelNotInCatalogue(const QString& model);
    // The model a failed look-up is reported by: the name of page 4's model code, or the custom
    // type where page 4 holds no code (an image read from an EPROM file).
    QString missingModelName() const;
    // One catalogue look-up of a model name into the RF fields.
    bool lookUpModel(const QString& model);
    // One catalogue look-up of a model name; false when the catalogue does not hold it.
    static bool findModel(const QString& model, struct ModData& data);
    // The first look-up of intReadModData: the custom type (or the model type the custom type
    // abbreviates); false when there is none or the catalogue does not hold it.
    bool findCustomModel(struct ModData& data) const;
    // True when pages 12 to 15 carry the model's RF data (partition 16, presence mark set).
    bool carriesModData() const;
    // What an archive file does not carry, taken as the other loaders take it: the model name
    // in use (the custom type when the catalogue holds it, else the model type), the doubler
    // (from page 15 when the pages carry the RF data, else from the catalogue) and the barred band.
    void takeModelNotInArchive();
    // intDocument2Module; with `newSerial`, page 2 goes to the module carrying that number. False
    // in `written` when the user stopped the write before a page went.
    int16_t writeToModule(std::optional<int32_t> newSerial, bool& written);
    // Page 11 := this moment.
    int16_t stampLastWrite();
    // `chars` characters from page `page` on, the first in byte 7, one byte a character.
    QString pageText(int page, int chars) const;
    // Writes the characters of `text` from page `page` on, the first in byte 7 (Windows-1252); a
    // character without a byte raises platform::Error before any byte changes.
    void setPageText(int page, const QString& text);
    // Writes `bytes` from page `page` on, the first in byte 7.
    void setPageBytes(int page, const QByteArray& bytes);
    // Page 5, the option page, into the timer and option fields: the timers and the reverse tone
    // burst only for a transmitter or an exciter (a receiver's fields keep what they hold).
    void decodeOptionPage();
    // The option byte of page 5 the option fields give; raises platform::Error for a field other
    // than 0 or 1.
    uint8_t optionBits() const;
    // The timer and option fields into page 5 by the same rule as decodeOptionPage: the timers
    // and the tone-burst length only for a transmitter or an exciter; the option byte `bits` and
    // the tone-burst length only when given.
    void writeOptionPage(std::optional<uint8_t> bits);
    // The model name of the model code in page 4, in the form the configuration byte gives.
    QString decodeModelCode() const;
    // Fills the pages and fields from an MCF file as read; raises on values no module can take.
    int16_t applyMCF(const QString& path, const mcf::MCFFile& file);
    // The steps of applyMCF: the partition, the two types and the firmware version; the system
    // pages (identity, texts, dates, channel count and default channel); the channel pages.
    void takeMcfIdentity(const mcf::MCFHeaderRecord& header);
    int16_t writeMcfSystemPages(const QString& path, const mcf::MCFHeaderRecord& header, int32_t serial);
    void writeMcfChannels(const QString& path, const std::vector<mcf::MCFChannelRecord>& channels);

    std::array<Page, radiolayout::kPageCount> pages_{};
    int32_t moduleID_ = 0;       // the module's row in the database
    int32_t modelID_ = 0;        // the model's catalogue row
    bool customTypeWarned_ = false;
};
