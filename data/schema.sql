-- Velmar configuration database: tables, stored queries (views) and triggers.
--
-- Names are those the program uses; SQLite matches table, view and column names without regard to
-- case. Text keys that the program compares (model numbers, standard names, selectors) compare
-- without case too (COLLATE NOCASE). Tables are STRICT: a value of the wrong type is refused instead
-- of being stored as text. The program opens the file with foreign keys on.
PRAGMA user_version = 1;

------------------------------------------------------------------------------------------------
-- Stored modules: one row per module, one row per 8-byte page of its configuration memory.
------------------------------------------------------------------------------------------------
CREATE TABLE tblModule (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    SERIALNUMBER INTEGER NOT NULL UNIQUE CHECK (SERIALNUMBER BETWEEN 0 AND 16777215),
    -- local date and time, 'yyyy-mm-dd hh:mm:ss'
    DATECREATE   TEXT NOT NULL
        CHECK (DATECREATE GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    DATEUPDATE   TEXT NOT NULL
        CHECK (DATEUPDATE GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')
) STRICT;

CREATE TABLE tblModulePage (
    ModuleID INTEGER NOT NULL REFERENCES tblModule (ID) ON DELETE CASCADE,
    Page     INTEGER NOT NULL CHECK (Page BETWEEN 0 AND 32767),
    BYTE0    INTEGER NOT NULL CHECK (BYTE0 BETWEEN 0 AND 255),
    bytE1    INTEGER NOT NULL CHECK (bytE1 BETWEEN 0 AND 255),
    bytE2    INTEGER NOT NULL CHECK (bytE2 BETWEEN 0 AND 255),
    BYTE3    INTEGER NOT NULL CHECK (BYTE3 BETWEEN 0 AND 255),
    BYTE4    INTEGER NOT NULL CHECK (BYTE4 BETWEEN 0 AND 255),
    BYTE5    INTEGER NOT NULL CHECK (BYTE5 BETWEEN 0 AND 255),
    BYTE6    INTEGER NOT NULL CHECK (BYTE6 BETWEEN 0 AND 255),
    BYTE7    INTEGER NOT NULL CHECK (BYTE7 BETWEEN 0 AND 255),
    PRIMARY KEY (ModuleID, Page)
) STRICT, WITHOUT ROWID;

-- The page rows of a module, selectable by its serial number; a row deleted here leaves tblModulePage.
CREATE VIEW qryModulePages AS
    SELECT p.ModuleID, m.SERIALNUMBER AS SerialNumber, p.Page,
           p.BYTE0, p.bytE1, p.bytE2, p.BYTE3, p.BYTE4, p.BYTE5, p.BYTE6, p.BYTE7
    FROM tblModulePage AS p JOIN tblModule AS m ON m.ID = p.ModuleID;

CREATE TRIGGER qryModulePages_delete INSTEAD OF DELETE ON qryModulePages
BEGIN
    DELETE FROM tblModulePage WHERE ModuleID = OLD.ModuleID AND Page = OLD.Page;
END;

-- The stored modules by serial number.
CREATE VIEW qrySerial AS
    SELECT ID, SERIALNUMBER AS SERIAL FROM tblModule ORDER BY SERIALNUMBER;

-- The module rows of a serial number; a row deleted here leaves tblModule (and takes its pages along).
CREATE VIEW qryModule AS
    SELECT ID, SERIALNUMBER AS SerialNumber, DATECREATE, DATEUPDATE FROM tblModule;

CREATE TRIGGER qryModule_delete INSTEAD OF DELETE ON qryModule
BEGIN
    DELETE FROM tblModule WHERE ID = OLD.ID;
END;

-- One page as the text the module keeps in it: byte 7 is the first character; bytes that are not
-- printable Latin-1 characters read as blanks.
CREATE VIEW qryPageText AS
    SELECT ModuleID, Page,
           (CASE WHEN BYTE7 BETWEEN 32 AND 126 OR BYTE7 >= 160 THEN char(BYTE7) ELSE ' ' END) ||
           (CASE WHEN BYTE6 BETWEEN 32 AND 126 OR BYTE6 >= 160 THEN char(BYTE6) ELSE ' ' END) ||
           (CASE WHEN BYTE5 BETWEEN 32 AND 126 OR BYTE5 >= 160 THEN char(BYTE5) ELSE ' ' END) ||
           (CASE WHEN BYTE4 BETWEEN 32 AND 126 OR BYTE4 >= 160 THEN char(BYTE4) ELSE ' ' END) ||
           (CASE WHEN BYTE3 BETWEEN 32 AND 126 OR BYTE3 >= 160 THEN char(BYTE3) ELSE ' ' END) ||
           (CASE WHEN bytE2 BETWEEN 32 AND 126 OR bytE2 >= 160 THEN char(bytE2) ELSE ' ' END) ||
           (CASE WHEN bytE1 BETWEEN 32 AND 126 OR bytE1 >= 160 THEN char(bytE1) ELSE ' ' END) ||
           (CASE WHEN BYTE0 BETWEEN 32 AND 126 OR BYTE0 >= 160 THEN char(BYTE0) ELSE ' ' END) AS PageText
    FROM tblModulePage;

-- One row per stored module, in serial number order. The flag byte is byte 2 of page 2 (the
-- configuration byte), the model code page 4, the custom type pages 6 and 7 and the user remark
-- pages 8 and 9, as the module itself keeps them. A module without those pages lists with a flag
-- byte of 0 and blank texts. The model code is shown in the form Vr00-00-0000 when it holds eight
-- digits (Vr00-00 for four digits and four blanks), as it stands otherwise.
CREATE VIEW qryModuleInformation AS
    SELECT m.ID AS ModuleID,
           m.SERIALNUMBER AS SERIAL,
           COALESCE((SELECT p.bytE2 FROM tblModulePage AS p WHERE p.ModuleID = m.ID AND p.Page = 2), 0) AS Flag1,
           COALESCE((SELECT CASE WHEN t.PageText GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'
                                 THEN 'Vr' || substr(t.PageText, 1, 2) || '-' || substr(t.PageText, 3, 2) || '-' ||
                                      substr(t.PageText, 5, 4)
                                 WHEN t.PageText GLOB '[0-9][0-9][0-9][0-9]    '
                                 THEN 'Vr' || substr(t.PageText, 1, 2) || '-' || substr(t.PageText, 3, 2)
                                 ELSE t.PageText END
                     FROM qryPageText AS t WHERE t.ModuleID = m.ID AND t.Page = 4), '') AS ModuleType,
           COALESCE((SELECT t.PageText FROM qryPageText AS t WHERE t.ModuleID = m.ID AND t.Page = 6), '') ||
           COALESCE((SELECT t.PageText FROM qryPageText AS t WHERE t.ModuleID = m.ID AND t.Page = 7), '') AS CustomType,
           COALESCE((SELECT t.PageText FROM qryPageText AS t WHERE t.ModuleID = m.ID AND t.Page = 8), '') ||
           COALESCE((SELECT t.PageText FROM qryPageText AS t WHERE t.ModuleID = m.ID AND t.Page = 9), '') AS UserRemark,
           m.DATECREATE,
           m.DATEUPDATE
    FROM tblModule AS m
    ORDER BY m.SERIALNUMBER;

-- The first row names the stored module with the highest serial number whose next number is free
-- and still a valid serial for a new module (at most 16777124).
CREATE VIEW qryIDSerialAvailable AS
    SELECT m.ID AS ModuleID, m.SERIALNUMBER AS SERIAL
    FROM tblModule AS m
    WHERE m.SERIALNUMBER < 16777124
      AND NOT EXISTS (SELECT 1 FROM tblModule AS n WHERE n.SERIALNUMBER = m.SERIALNUMBER + 1)
    ORDER BY m.SERIALNUMBER DESC;

------------------------------------------------------------------------------------------------
-- Module-type catalogue and firmware compatibility.
------------------------------------------------------------------------------------------------
CREATE TABLE tblMODData (
    ID         INTEGER PRIMARY KEY AUTOINCREMENT,
    MODULENUMB TEXT NOT NULL UNIQUE COLLATE NOCASE CHECK (length(MODULENUMB) BETWEEN 1 AND 255),
    Lowerfreql INTEGER NOT NULL CHECK (Lowerfreql BETWEEN 0 AND 2147483647),
    Upperfreql INTEGER NOT NULL CHECK (Upperfreql BETWEEN 0 AND 2147483647),
    Ref1       INTEGER NOT NULL CHECK (Ref1 BETWEEN 0 AND 2147483647),
    Ref2       INTEGER NOT NULL DEFAULT 0 CHECK (Ref2 BETWEEN 0 AND 2147483647),
    IntFreq    INTEGER NOT NULL DEFAULT 0 CHECK (IntFreq BETWEEN -2147483648 AND 2147483647),
    TCXOFreq   INTEGER NOT NULL CHECK (TCXOFreq BETWEEN 0 AND 2147483647),
    Prescalar  INTEGER NOT NULL DEFAULT 1 CHECK (Prescalar BETWEEN 1 AND 32767),
    Doubled    TEXT NOT NULL DEFAULT 'NO',
    Type       TEXT NOT NULL CHECK (rtrim(Type) IN ('Receiver', 'Transmitter', 'Exciter', 'ToneRemote')),
    InfoType   TEXT NOT NULL DEFAULT 'User',
    BANLF      REAL NOT NULL DEFAULT 0,
    BANHF      REAL NOT NULL DEFAULT 0
) STRICT;

-- The catalogue in model-number order; a row deleted here leaves the table.
CREATE VIEW qryModData AS
    SELECT ID, MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, Prescalar, Doubled,
           Type, InfoType, BANLF, BANHF
    FROM tblMODData
    ORDER BY MODULENUMB COLLATE NOCASE;

CREATE TRIGGER qryModData_delete INSTEAD OF DELETE ON qryModData
BEGIN
    DELETE FROM tblMODData WHERE ID = OLD.ID;
END;

-- What another installation imports from this file: every model with its kind of entry (the
-- standard import takes the 'Standard' ones), and the models the user entered.
CREATE VIEW ModData AS
    SELECT ID, MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, Prescalar, Doubled,
           Type, InfoType
    FROM tblMODData
    ORDER BY MODULENUMB COLLATE NOCASE;

CREATE VIEW UserData AS
    SELECT ID, MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, Prescalar, Doubled,
           Type, InfoType
    FROM tblMODData
    WHERE InfoType <> 'Standard'
    ORDER BY MODULENUMB COLLATE NOCASE;

CREATE TABLE tblFirmwareVersion (
    ID              INTEGER PRIMARY KEY,
    FirmwareVersion REAL NOT NULL UNIQUE CHECK (FirmwareVersion >= 0)
) STRICT;

-- Pairs of program version and module firmware version that work together.
CREATE TABLE tblCompatible (
    VelmarWinVersion REAL NOT NULL CHECK (VelmarWinVersion > 0),
    FirmwareVersion  REAL NOT NULL REFERENCES tblFirmwareVersion (FirmwareVersion),
    PRIMARY KEY (VelmarWinVersion, FirmwareVersion)
) STRICT;

CREATE VIEW qryCompatible AS
    SELECT VelmarWinVersion, FirmwareVersion FROM tblCompatible
    ORDER BY VelmarWinVersion, FirmwareVersion;

------------------------------------------------------------------------------------------------
-- Radio-module reference rows: CTCSS tones and channel steps.
------------------------------------------------------------------------------------------------
CREATE TABLE tblCTCSS (
    ID             INTEGER PRIMARY KEY,
    CTCSSTone      INTEGER NOT NULL UNIQUE CHECK (CTCSSTone BETWEEN 1 AND 65535),
    CTCSSFrequency REAL NOT NULL UNIQUE CHECK (CTCSSFrequency > 0 AND CTCSSFrequency < 1000)
) STRICT;

CREATE VIEW qryCTCSS AS
    SELECT ID, CTCSSTone, CTCSSFrequency FROM tblCTCSS ORDER BY CTCSSFrequency;

CREATE TABLE tblFrequencySpace (
    ID             INTEGER PRIMARY KEY,
    FrequencySpace REAL NOT NULL UNIQUE CHECK (FrequencySpace > 0)
) STRICT;

CREATE VIEW qryFrequencySpace AS
    SELECT ID, FrequencySpace FROM tblFrequencySpace ORDER BY FrequencySpace;

-- Tone standards loaded at start-up: a key and the 24 tone values of the standard (column
-- positions 2 to 25), 0 where the standard has no tone.
CREATE TABLE tonestandards (
    ID               INTEGER PRIMARY KEY,
    FiveToneStandard TEXT NOT NULL UNIQUE COLLATE NOCASE,
    Tone1  INTEGER NOT NULL DEFAULT 0, Tone2  INTEGER NOT NULL DEFAULT 0, Tone3  INTEGER NOT NULL DEFAULT 0,
    Tone4  INTEGER NOT NULL DEFAULT 0, Tone5  INTEGER NOT NULL DEFAULT 0, Tone6  INTEGER NOT NULL DEFAULT 0,
    Tone7  INTEGER NOT NULL DEFAULT 0, Tone8  INTEGER NOT NULL DEFAULT 0, Tone9  INTEGER NOT NULL DEFAULT 0,
    Tone10 INTEGER NOT NULL DEFAULT 0, Tone11 INTEGER NOT NULL DEFAULT 0, Tone12 INTEGER NOT NULL DEFAULT 0,
    Tone13 INTEGER NOT NULL DEFAULT 0, Tone14 INTEGER NOT NULL DEFAULT 0, Tone15 INTEGER NOT NULL DEFAULT 0,
    Tone16 INTEGER NOT NULL DEFAULT 0, Tone17 INTEGER NOT NULL DEFAULT 0, Tone18 INTEGER NOT NULL DEFAULT 0,
    Tone19 INTEGER NOT NULL DEFAULT 0, Tone20 INTEGER NOT NULL DEFAULT 0, Tone21 INTEGER NOT NULL DEFAULT 0,
    Tone22 INTEGER NOT NULL DEFAULT 0, Tone23 INTEGER NOT NULL DEFAULT 0, Tone24 INTEGER NOT NULL DEFAULT 0
) STRICT;

------------------------------------------------------------------------------------------------
-- Tone-remote reference rows.
------------------------------------------------------------------------------------------------
-- Selcall (five-tone) standards: tone frequencies in Hz, C0 to C23, 0 where there is no tone.
-- ListOrder is the order of the standard list; a module stores its standard's position in it.
CREATE TABLE tblTRFiveToneStandard (
    FiveToneStandard TEXT PRIMARY KEY COLLATE NOCASE,
    ListOrder        INTEGER NOT NULL UNIQUE,
    C0  INTEGER NOT NULL CHECK (C0  BETWEEN 0 AND 32767), C1  INTEGER NOT NULL CHECK (C1  BETWEEN 0 AND 32767),
    C2  INTEGER NOT NULL CHECK (C2  BETWEEN 0 AND 32767), C3  INTEGER NOT NULL CHECK (C3  BETWEEN 0 AND 32767),
    C4  INTEGER NOT NULL CHECK (C4  BETWEEN 0 AND 32767), C5  INTEGER NOT NULL CHECK (C5  BETWEEN 0 AND 32767),
    C6  INTEGER NOT NULL CHECK (C6  BETWEEN 0 AND 32767), C7  INTEGER NOT NULL CHECK (C7  BETWEEN 0 AND 32767),
    C8  INTEGER NOT NULL CHECK (C8  BETWEEN 0 AND 32767), C9  INTEGER NOT NULL CHECK (C9  BETWEEN 0 AND 32767),
    C10 INTEGER NOT NULL CHECK (C10 BETWEEN 0 AND 32767), C11 INTEGER NOT NULL CHECK (C11 BETWEEN 0 AND 32767),
    C12 INTEGER NOT NULL CHECK (C12 BETWEEN 0 AND 32767), C13 INTEGER NOT NULL CHECK (C13 BETWEEN 0 AND 32767),
    C14 INTEGER NOT NULL CHECK (C14 BETWEEN 0 AND 32767), C15 INTEGER NOT NULL CHECK (C15 BETWEEN 0 AND 32767),
    C16 INTEGER NOT NULL CHECK (C16 BETWEEN 0 AND 32767), C17 INTEGER NOT NULL CHECK (C17 BETWEEN 0 AND 32767),
    C18 INTEGER NOT NULL CHECK (C18 BETWEEN 0 AND 32767), C19 INTEGER NOT NULL CHECK (C19 BETWEEN 0 AND 32767),
    C20 INTEGER NOT NULL CHECK (C20 BETWEEN 0 AND 32767), C21 INTEGER NOT NULL CHECK (C21 BETWEEN 0 AND 32767),
    C22 INTEGER NOT NULL CHECK (C22 BETWEEN 0 AND 32767), C23 INTEGER NOT NULL CHECK (C23 BETWEEN 0 AND 32767)
) STRICT;

CREATE VIEW qryTRFiveToneStandard AS
    SELECT FiveToneStandard AS FIVETONESTANDARD FROM tblTRFiveToneStandard ORDER BY ListOrder;

-- The tone codes of each selcall standard (32-bit), C2 to C17 used.
CREATE TABLE tblSelcallCode (
    Tone_Standard TEXT PRIMARY KEY COLLATE NOCASE REFERENCES tblTRFiveToneStandard (FiveToneStandard),
    C0  INTEGER NOT NULL, C1  INTEGER NOT NULL, C2  INTEGER NOT NULL, C3  INTEGER NOT NULL,
    C4  INTEGER NOT NULL, C5  INTEGER NOT NULL, C6  INTEGER NOT NULL, C7  INTEGER NOT NULL,
    C8  INTEGER NOT NULL, C9  INTEGER NOT NULL, C10 INTEGER NOT NULL, C11 INTEGER NOT NULL,
    C12 INTEGER NOT NULL, C13 INTEGER NOT NULL, C14 INTEGER NOT NULL, C15 INTEGER NOT NULL,
    C16 INTEGER NOT NULL, C17 INTEGER NOT NULL, C18 INTEGER NOT NULL, C19 INTEGER NOT NULL,
    C20 INTEGER NOT NULL, C21 INTEGER NOT NULL, C22 INTEGER NOT NULL, C23 INTEGER NOT NULL,
    CHECK (max(C0, C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17, C18, C19, C20,
               C21, C22, C23) <= 2147483647 AND
           min(C0, C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17, C18, C19, C20,
               C21, C22, C23) >= -2147483648)
) STRICT;

-- Calculated coefficient rows (32-bit), C0 to C32, by selector.
CREATE TABLE tblCoeff (
    CoeffSelector TEXT PRIMARY KEY COLLATE NOCASE,
    C0  INTEGER NOT NULL, C1  INTEGER NOT NULL, C2  INTEGER NOT NULL, C3  INTEGER NOT NULL,
    C4  INTEGER NOT NULL, C5  INTEGER NOT NULL, C6  INTEGER NOT NULL, C7  INTEGER NOT NULL,
    C8  INTEGER NOT NULL, C9  INTEGER NOT NULL, C10 INTEGER NOT NULL, C11 INTEGER NOT NULL,
    C12 INTEGER NOT NULL, C13 INTEGER NOT NULL, C14 INTEGER NOT NULL, C15 INTEGER NOT NULL,
    C16 INTEGER NOT NULL, C17 INTEGER NOT NULL, C18 INTEGER NOT NULL, C19 INTEGER NOT NULL,
    C20 INTEGER NOT NULL, C21 INTEGER NOT NULL, C22 INTEGER NOT NULL, C23 INTEGER NOT NULL,
    C24 INTEGER NOT NULL, C25 INTEGER NOT NULL, C26 INTEGER NOT NULL, C27 INTEGER NOT NULL,
    C28 INTEGER NOT NULL, C29 INTEGER NOT NULL, C30 INTEGER NOT NULL, C31 INTEGER NOT NULL,
    C32 INTEGER NOT NULL,
    CHECK (max(C0, C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17, C18, C19, C20,
               C21, C22, C23, C24, C25, C26, C27, C28, C29, C30, C31, C32) <= 2147483647 AND
           min(C0, C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17, C18, C19, C20,
               C21, C22, C23, C24, C25, C26, C27, C28, C29, C30, C31, C32) >= -2147483648)
) STRICT;

-- DSP filter rows (16-bit), one per frequency and table: 'p' first keytone table, 'n' second
-- keytone table, 'l' sliding voting tone table.
CREATE TABLE tblTRFilter (
    Frequency INTEGER NOT NULL CHECK (Frequency BETWEEN 1 AND 32767),
    Prefix    TEXT NOT NULL CHECK (Prefix IN ('l', 'p', 'n')),
    C0  INTEGER NOT NULL, C1  INTEGER NOT NULL, C2  INTEGER NOT NULL, C3  INTEGER NOT NULL,
    C4  INTEGER NOT NULL, C5  INTEGER NOT NULL, C6  INTEGER NOT NULL, C7  INTEGER NOT NULL,
    C8  INTEGER NOT NULL, C9  INTEGER NOT NULL, C10 INTEGER NOT NULL, C11 INTEGER NOT NULL,
    C12 INTEGER NOT NULL, C13 INTEGER NOT NULL, C14 INTEGER NOT NULL, C15 INTEGER NOT NULL,
    C16 INTEGER NOT NULL, C17 INTEGER NOT NULL, C18 INTEGER NOT NULL, C19 INTEGER NOT NULL,
    C20 INTEGER NOT NULL, C21 INTEGER NOT NULL, C22 INTEGER NOT NULL, C23 INTEGER NOT NULL,
    C24 INTEGER NOT NULL,
    PRIMARY KEY (Frequency, Prefix),
    CHECK (max(C0, C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17, C18, C19, C20,
               C21, C22, C23, C24) <= 32767 AND
           min(C0, C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17, C18, C19, C20,
               C21, C22, C23, C24) >= -32768)
) STRICT;

CREATE VIEW qryTRFilter AS
    SELECT Frequency, Prefix, C0, C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17,
           C18, C19, C20, C21, C22, C23, C24
    FROM tblTRFilter;

-- Mute table: one value per ID 0 to 127.
CREATE TABLE tblMute (
    ID         INTEGER PRIMARY KEY CHECK (ID >= 0),
    Mute_Value INTEGER NOT NULL CHECK (Mute_Value BETWEEN -2147483648 AND 2147483647)
) STRICT;

-- Names of the 16 alarm and confirmation records, by record number.
CREATE TABLE tblTRAlarm (
    id    INTEGER PRIMARY KEY CHECK (id BETWEEN 1 AND 16),
    alarm TEXT NOT NULL
) STRICT;

CREATE VIEW qryTRAlarm AS
    SELECT id, alarm FROM tblTRAlarm ORDER BY id;

-- The function-tone actions in the fixed order of the action list (ID 0 to 14).
CREATE TABLE tblTRFunctionToneAction (
    ID        INTEGER PRIMARY KEY CHECK (ID BETWEEN 0 AND 14),
    FnTAction TEXT NOT NULL
) STRICT;

CREATE VIEW qryTRFunctionToneAction AS
    SELECT ID, FnTAction FROM tblTRFunctionToneAction ORDER BY ID;

-- Keytone (and tone-on-idle) frequencies offered, in list order.
CREATE TABLE tblTRKeytoneFrequency (
    ID        INTEGER PRIMARY KEY,
    Frequency INTEGER NOT NULL UNIQUE CHECK (Frequency BETWEEN 1 AND 32767)
) STRICT;

CREATE VIEW qryTRKeytoneFrequency AS
    SELECT ID, Frequency FROM tblTRKeytoneFrequency ORDER BY ID;

-- The 15 function tones by tone number.
CREATE TABLE tblTRFnToneFrequency (
    ToneNumber INTEGER PRIMARY KEY CHECK (ToneNumber BETWEEN 0 AND 14),
    Frequency  INTEGER NOT NULL UNIQUE CHECK (Frequency BETWEEN 1 AND 32767)
) STRICT;

-- Every ordered pair of function tones; ID is the pair's index in the module's action table.
CREATE VIEW qryTRFnTone AS
    SELECT 16 * a.ToneNumber + b.ToneNumber AS ID, a.Frequency AS FnTone1, b.Frequency AS FnTone2
    FROM tblTRFnToneFrequency AS a, tblTRFnToneFrequency AS b
    ORDER BY ID;

-- Line input and line output levels (dBm) of each potentiometer step.
CREATE TABLE tblTRLineIn (
    EPOT      INTEGER PRIMARY KEY CHECK (EPOT BETWEEN 0 AND 255),
    LineLevel REAL NOT NULL UNIQUE
) STRICT;

CREATE TABLE tblTRLineOut (
    EPOT      INTEGER PRIMARY KEY CHECK (EPOT BETWEEN 0 AND 255),
    LineLevel REAL NOT NULL UNIQUE
) STRICT;

-- FLEX network stations.
CREATE TABLE tblFLEXNetwork (
    StationNumber INTEGER PRIMARY KEY CHECK (StationNumber BETWEEN 0 AND 255),
    STATIONNAME   TEXT NOT NULL DEFAULT '',
    POCSAG        INTEGER NOT NULL DEFAULT 0 CHECK (POCSAG BETWEEN -32768 AND 32767),
    FLEX1600      INTEGER NOT NULL DEFAULT 0 CHECK (FLEX1600 BETWEEN -32768 AND 32767),
    FLEX3200      INTEGER NOT NULL DEFAULT 0 CHECK (FLEX3200 BETWEEN -32768 AND 32767),
    FLEX6400      INTEGER NOT NULL DEFAULT 0 CHECK (FLEX6400 BETWEEN -32768 AND 32767)
) STRICT;
