#pragma once
#include "db/ListControls.h"
#include "db/ModData.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class CPageImage;
class CRADIO;
class CModule;

// The program's one database object: the open configuration database (velmar.mdb), the store of
// module page images (tblModule, tblModulePage), the module-type catalogue and the reference
// look-ups. Created on first use, which opens the database at basVelmar::gDatabasePath; when the
// file is missing the user may choose another one or end the program.
//
// Members named int... return 0 for success and -1 for failure, after a message box with the
// failure's description (a missing row is no failure of that kind: -1 without a message).
// Values never go into SQL text: every value is bound to the statement.
class CLASSOrvDB {
public:
    // What the file dialog proposes when the user looks for a database file.
    static inline const QString kDialogFileName = QStringLiteral("VELMAR.MDB");
    static inline const QString kDialogFilter = QStringLiteral("access (*.mdb) | *.mdb");

    // The program's instance, created on first use (opening the database).
    static CLASSOrvDB& instance();
    // Closes the database and drops the instance; the next use creates it again.
    static void releaseInstance();

    ~CLASSOrvDB();
    CLASSOrvDB(const CLASSOrvDB&) = delete;
    CLASSOrvDB& operator=(const CLASSOrvDB&) = delete;

    // The open database, for queries of the callers' own (invalid while none is open).
    QSqlDatabase dbAccess() const;
    bool isOpen() const;
    // Path of the open database file.
    QString strDBName() const { return strDBName_; }

    // --- Tone-remote coefficient look-ups: copy C0..Cn of one row into the caller's array,
    //     which must hold the indices 0..n; -1 without a message when there is no row.
    int16_t intGetFiveToneStandardCoef(const QString& strToneStandard, std::span<int16_t> intCoef);   // C0..C23
    int16_t intGetCalculatedCoef(const QString& strSelectCoeff, std::span<int32_t> intCoef);          // C0..C32
    int16_t intGetSlideCoef(int32_t lngFrequency, std::span<int16_t> intCoefRT);                      // C0..C24
    int16_t GetSelcallCodeAdded(const QString& strStandard, std::span<int32_t> ToneCodeArray);        // C0..C23
    // The 'p' row into intCoefLT and the 'n' row into intCoefRT (C0..C24); -1 when either is missing.
    int16_t intGetKeyToneFrequencyCoef(int32_t lngFrequency, std::span<int16_t> intCoefLT,
                                       std::span<int16_t> intCoefRT);

    // --- Module-type catalogue (through qryModData).
    // Exact model number; fills the fields but ID and the barred band, and boolStandard.
    int16_t intBrowserModData(const QString& strModuleType, ModData& data);
    // 0 when the program version and the firmware version are listed as compatible.
    int16_t intCompatibleCheck(double dblOrvVer, double dblFirmVer);
    int16_t intDeleteModData(int32_t lngID);
    // --- Import of models from another database file of this program (chosen by the user), each
    //     in one transaction; both show their own messages. A source row with a text the catalogue
    //     cannot hold (db/CatalogueTexts.h) is refused by its model number, and the rest go on.
    // Adds the source's standard models, or refreshes the row of the same model number (which
    // becomes standard and keeps its ID and barred band); a summary tells how many were stored.
    int16_t intImportStandardDB(const QString& strFileName);
    // Appends the source's user models; a model number already present is refused and the rest go on.
    int16_t intImportUserDB(const QString& strFileName);
    // Appends one CModule per catalogue row.
    int16_t intGetModuleData(QList<std::shared_ptr<CModule>>& ModuleS);
    // The factory model: the first 8 characters of the number followed by "0000".
    int16_t ReadFactModel(const QString& strModuleType, ModData& data);
    // The exact number, else the first row beginning with the number's series key.
    int16_t intReadModData(const QString& strModType, ModData& data);
    // Adds (lngID not found) or changes the row; lngID receives the row's ID. The barred band is kept.
    // A text the catalogue cannot hold (db/CatalogueTexts.h) is refused with a message; nothing is stored.
    int16_t intUpdateModData(int32_t& lngID, const QString& strModule, const ModData& data);

    // --- Reference look-ups.
    // Frequency 0.0 is tone 0; a repeated frequency is answered from the last successful look-up.
    int16_t intCTCSSFrequency2CTCSSTone(double dblCTCSSFrequency, int32_t& lngCTCSSTone);
    // Tone 0 is 0.0 Hz.
    int16_t intCTCSSTone2CTCSSFrequency(double& dblFrequency, int32_t lngCTCSSTone);
    int16_t intGetAlarm(IGridControl& grdAlarm);
    int16_t intGetAlarmByID(int32_t lngID, QString& strAlarm);
    int16_t intGetFiveToneStandard(IListControl& cboStandard);
    int16_t intGetFLEXNetworkStation(int16_t intStationNumber, QString& strStationName, int16_t& intPOCSAG,
                                     int16_t& intFLEX1600, int16_t& intFLEX3200, int16_t& intFLEX6400);
    int16_t intGetFnTone(IGridControl& grdFnTone);
    int16_t intGetFunctionToneAction(IListControl& cboAction);
    int16_t intGetKeytoneFrequency(IListControl& cboKeytoneFrequency);
    int16_t intOpenFlexNetwork(IGridControl& grdTable);
    // Replaces the station table by the grid's rows 1 .. Rows-1, all or nothing.
    int16_t intSaveFlexNetwork(const IGridControl& grdTable);
    int16_t intFillComboCTCSS(IListControl& comboCTCSSP);
    int16_t intFillComboFrequencySpace(IListControl& comboFrequencySpace);
    // Stores value i under ID i, all or nothing; an ID without a row is reported ("Update failed on
    // record " i) and nothing is stored. A database failure raises platform::Error.
    void WriteMuteTable(const QList<int32_t>& MuteArray);
    // Every Mute_Value in ID order; empty when the table is. A database failure raises platform::Error.
    void ReadMuteTable(QList<int32_t>& MuteArray);

    // --- Stored modules.
    // Deletes the module and its pages: 0 when pages were deleted, 1 when there were none, -1 on error.
    int16_t intDeleteModule(const QString& strSerial);
    // Appends one CRADIO per stored module.
    int16_t intGetModule(QList<std::shared_ptr<CRADIO>>& radioS);
    // Proposes a serial number for a new module ("1" and -1 on an empty database).
    int16_t intGetModuleSerialAvaiable(int32_t& lngModuleID, QString& strSerial);
    // A serial number for a new module that is neither stored nor one of `held` (the serial numbers
    // of the documents open in windows): the first free one from intGetModuleSerialAvaiable's
    // proposal on, else the lowest free one. -1 without a message when no serial number up to
    // 16777124 is free.
    int16_t intGetFreeSerial(const QSet<int32_t>& held, QString& strSerial);
    // The module stored under a serial number, as the module list shows it; null when none is.
    int16_t intGetStoredModule(const QString& strSerial, std::shared_ptr<CRADIO>& stored);

    // --- Connection and page store.
    // Opens another database file and makes it the program's; the open one stays when that fails.
    int16_t intReopenDB(const QString& strAccessFileName);
    // Loads the stored pages of a module into a document ("Reading DB").
    int16_t intOpenOrvDocument(int32_t lngModuleID, CPageImage& docOrv);
    int16_t intOpenOrvDocumentTR(int32_t lngModuleID, CPageImage& docOrv);
    // Stores pages 0 .. lastStoredPage() of a document under its serial number, replacing the stored
    // copy in one transaction ("Saving Record ..." / "Writing DB").
    int16_t intSaveOrvDocument(const CPageImage& docModule);
    int16_t intSaveOrvDocumentTR(const CPageImage& docModule);
    // The stored module's ID; -1 without a message when the serial is not stored.
    int16_t intSerial2ModuleID(const QString& strSerial, int32_t& lngModuleID);
    // Single rows and pages.
    int16_t intInsertModule(const QString& strSerial, int32_t& lngModuleID);
    int16_t intInsertPage(const QString& strSerial, int16_t intPage, const QByteArray& bytData);
    int16_t intReadPage(const QString& strSerial, int16_t intPage, QByteArray& bytData);
    int16_t intReadPageInt(int32_t lngModuleID, int16_t intPage, QByteArray& bytData);
    int16_t intWritePageInt(int32_t lngModuleID, int16_t intPage, const QByteArray& bytData);
    int16_t intExecuteQuery(const QString& strQueryName);
    int16_t intDocument2DB(const CPageImage& docOrv);

private:
    CLASSOrvDB();
    void openAtStartUp();
    // Opens `path` under a new connection and checks that it is a database of this program;
    // returns the connection name, raises platform::Error otherwise.
    enum class Access { ReadWrite, ReadOnly };
    static QString openConnection(const QString& path, Access access = Access::ReadWrite);
    static void closeConnection(const QString& name);
    // Another database file of this program, open read-only for an import while the object lives;
    // the constructor raises platform::Error when the file is missing or no database of this program.
    class ImportSource {
    public:
        explicit ImportSource(const QString& path);
        ~ImportSource();
        ImportSource(const ImportSource&) = delete;
        ImportSource& operator=(const ImportSource&) = delete;
        QSqlDatabase db() const;

    private:
        QString connection_;
    };
    // True when `path` names the open database file, however it is spelt or linked.
    bool isOpenDatabaseFile(const QString& path) const;
    void switchTo(const QString& connection, const QString& path);

    // Runs `body`; a platform::Error is shown and gives -1.
    template <class F>
    int16_t guarded(F&& body);
    // The value of a serial text; raises (before any SQL) when it is not a serial number.
    static int32_t serialValue(const QString& strSerial);
    int16_t loadPages(int32_t lngModuleID, CPageImage& doc, bool toneRemote);
    int16_t savePages(const CPageImage& doc, bool toneRemote);
    // The module row of a serial: its ID, added (with both dates) when missing, else DATEUPDATE renewed.
    int32_t touchModule(int32_t serial);
    int16_t readModDataRow(const QString& sql, const QVariantList& values, ModData& data);
    template <class T>
    int16_t copyCoefficients(const QString& sql, const QVariantList& values, std::span<T> out, int lastColumn);
    template <class T>
    bool fetchCoefficients(const QString& sql, const QVariantList& values, std::span<T> out, int lastColumn);
    int16_t fillList(const QString& sql, const QString& column, IListControl& list, bool thousands);

    QString connection_;
    QString strDBName_;
    std::optional<std::pair<double, int32_t>> rememberedCTCSS_;

    // Not destroyed at exit: the database driver's registry may be gone by then.
    static CLASSOrvDB* instance_;
};
