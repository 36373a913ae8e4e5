-- Empty user database (Ostrel7_user.mdb), schema version 1.
-- Run as: sqlite3 -bail Ostrel7_user.mdb < user.sql   (working directory: data/)
-- The build creates this file only when the program folder has none. Later schema changes
-- are upgrade steps in the program keyed on PRAGMA user_version, never edits that would
-- require replacing a contractor's file.
--
-- Declared text sizes (TEXT(n)) are what the program cuts typed text to before storing it.
-- Dates are bound as date-time values (ISO 8601 text), so ORDER BY on them is chronological.
-- Ids are AUTOINCREMENT so that the id of a deleted row is never handed out again (settings
-- and other rows keep ids).

PRAGMA page_size = 4096;
BEGIN;

CREATE TABLE Clients (
    ClientID INTEGER PRIMARY KEY AUTOINCREMENT,
    ClientName TEXT(50) COLLATE NOCASE,
    ClientAddress TEXT(50) COLLATE NOCASE,
    ClientCity TEXT(50) COLLATE NOCASE,
    ClientState TEXT(50) COLLATE NOCASE,
    ClientZip TEXT(10) COLLATE NOCASE,
    ClientDateAdded DATETIME,
    HltLivingArea INTEGER,                      -- square feet
    HltStories INTEGER,                         -- stories list code 0-3
    StoriesText TEXT(50) COLLATE NOCASE,
    HltAverageCeilingHeight REAL,               -- feet
    HltBedrooms REAL,
    SurveyHowLong0 TEXT(50) COLLATE NOCASE,
    SurveyHowLong1 TEXT(50) COLLATE NOCASE,
    SurveyHowLong2 TEXT(50) COLLATE NOCASE,
    SurveyRoomName0 TEXT(25) COLLATE NOCASE,
    SurveyRoomName1 TEXT(25) COLLATE NOCASE,
    SurveyRoomComment0 TEXT(255) COLLATE NOCASE,
    SurveyRoomComment1 TEXT(255) COLLATE NOCASE,
    SurveyYesNo0 TEXT(50) COLLATE NOCASE,
    SurveyYesNo1 TEXT(50) COLLATE NOCASE,
    SurveyYesNo2 TEXT(50) COLLATE NOCASE,
    SurveyYesNo3 TEXT(50) COLLATE NOCASE,
    SurveyYesNo4 TEXT(50) COLLATE NOCASE,
    SurveyYesNo5 TEXT(50) COLLATE NOCASE,
    SurveyYesNo6 TEXT(50) COLLATE NOCASE,
    SurveyYesNo7 TEXT(50) COLLATE NOCASE,
    SurveyUtilities0 TEXT(50) COLLATE NOCASE,
    SurveyUtilities1 TEXT(50) COLLATE NOCASE,
    SurveyUtilities2 TEXT(50) COLLATE NOCASE,
    SurveyUtilities3 TEXT(50) COLLATE NOCASE,
    SurveyUtilitiesType0 TEXT(50) COLLATE NOCASE,
    SurveyUtilitiesType1 TEXT(50) COLLATE NOCASE,
    SurveyUtilitiesType2 TEXT(50) COLLATE NOCASE,
    SurveyUtilitiesType3 TEXT(50) COLLATE NOCASE,
    ClientComments TEXT COLLATE NOCASE,         -- long text, no size
    ZoneID TEXT(20) COLLATE NOCASE              -- UniqueID of the client's climate, "" for none
);
CREATE INDEX ClientsByZone ON Clients (ZoneID);

CREATE TABLE Technicians (
    TechID INTEGER PRIMARY KEY AUTOINCREMENT,
    TechName TEXT(50) COLLATE NOCASE
);
CREATE INDEX TechniciansByName ON Technicians (TechName);

-- One row per saved blower door test; every save adds a row. The range text for the test
-- list comes from the saved query [House Leakage Test List], not from this table.
CREATE TABLE [House Leakage Tests] (
    HltID INTEGER PRIMARY KEY AUTOINCREMENT,
    ClientId INTEGER NOT NULL,
    HltTestDate DATETIME,                       -- NULL when the date box held no valid date
    TechName TEXT(50) COLLATE NOCASE,
    HltUserID TEXT(10) COLLATE NOCASE,          -- the technician's test number
    HltTestType INTEGER,                        -- 0 multi-point, 1 single-point
    HltDirection INTEGER,                       -- 0 depressurize, 1 pressurize
    HltGaugeLocation INTEGER,                   -- 0 inside, 1 outside
    hltWindFactor INTEGER,                      -- wind list code 0-2
    BlowerModelID INTEGER,
    rangeid INTEGER,
    HltFlowTube INTEGER,                        -- 1 "18 Port", 0 "9 Port"
    HltInsideTemp INTEGER,                      -- deg F
    HltOutsideTemp INTEGER,                     -- deg F
    HltHousePressure0 INTEGER, HltHousePressure1 INTEGER, HltHousePressure2 INTEGER,
    HltHousePressure3 INTEGER, HltHousePressure4 INTEGER, HltHousePressure5 INTEGER,
    HltFlowPressure0 INTEGER, HltFlowPressure1 INTEGER, HltFlowPressure2 INTEGER,
    HltFlowPressure3 INTEGER, HltFlowPressure4 INTEGER, HltFlowPressure5 INTEGER,
    HltFlowPressure2_0 INTEGER, HltFlowPressure2_1 INTEGER, HltFlowPressure2_2 INTEGER,
    HltFlowPressure2_3 INTEGER, HltFlowPressure2_4 INTEGER, HltFlowPressure2_5 INTEGER,
    HltFlowCFM0 INTEGER, HltFlowCFM1 INTEGER, HltFlowCFM2 INTEGER,
    HltFlowCFM3 INTEGER, HltFlowCFM4 INTEGER, HltFlowCFM5 INTEGER
);
CREATE INDEX HouseLeakageTestsByClient ON [House Leakage Tests] (ClientId);

-- One row per saved efficiency analysis: every input of the Efficiency Analysis page.
CREATE TABLE [Duct Leak Analysis] (
    DlaID INTEGER PRIMARY KEY AUTOINCREMENT,
    ClientID INTEGER NOT NULL,
    DlaTestDate DATETIME,
    TechName TEXT(50) COLLATE NOCASE,
    DlaUserID TEXT(10) COLLATE NOCASE,          -- the technician's test number
    DlaSystemDescription TEXT(100) COLLATE NOCASE,
    DlaPrimaryHeat INTEGER,                     -- primary heating list code 0-4 (4 heat pump)
    DlaTotalBtuInput INTEGER,                   -- Btu/h; NULL for a heat pump
    DlaTotalCoolingTons REAL,
    DlaSupplyLeaksSqIn REAL,
    DlaReturnLeaksSqIn REAL,
    DlaReturnLeaks INTEGER,                     -- 0 attic, 1 garage, 2 outside or crawlspace
    DlaAtticRoofCoolingFactor INTEGER,          -- deg F: 0, 15 or 30
    DlaWinterOutDesignTemp REAL,                -- deg F
    DlaSummerOutDesignTemp REAL,                -- deg F
    DlaSummerDesignGrainDifference REAL
);
CREATE INDEX DuctLeakAnalysisByClient ON [Duct Leak Analysis] (ClientID);

-- One row per client and duct system: flow hood leak readings at 25 Pa and their totals.
CREATE TABLE [Flow Hood Tests] (
    FhtID INTEGER PRIMARY KEY AUTOINCREMENT,
    ClientID INTEGER NOT NULL,
    FhtTestDate DATETIME,
    TechName TEXT(50) COLLATE NOCASE,
    FhtUserID TEXT(10) COLLATE NOCASE,          -- the technician's test number
    FhtSystemDescription TEXT(100) COLLATE NOCASE,
    FhtSupplyLeakCFM REAL,                      -- cfm at 25 Pa
    FhtReturnLeakCFM REAL,
    FhtTotalLeakCFM REAL,
    FhtSupplyLeakSqIn REAL,                     -- equivalent leakage area, square inches
    FhtReturnLeakSqIn REAL,
    FhtTotalLeakSqIn REAL
);
CREATE INDEX FlowHoodTestsByClient ON [Flow Hood Tests] (ClientID);

CREATE TABLE Settings (
    SettingName TEXT(50) COLLATE NOCASE NOT NULL PRIMARY KEY,
    SettingValue TEXT(255) COLLATE NOCASE
);

-- The user's own climates; same columns as the supplied Climates. Their UniqueID is "U" & ZoneID.
CREATE TABLE UserClimates (
    ZoneID INTEGER PRIMARY KEY AUTOINCREMENT,
    ZoneState TEXT(50) COLLATE NOCASE,
    ZoneCity TEXT(50) COLLATE NOCASE,
    ZoneCountry TEXT(50) COLLATE NOCASE,
    ZoneLBLClimateZone INTEGER,
    ZoneWinterOutdoorDesignTemp REAL,
    ZoneSummerOutdoorDesignTemp REAL,
    ZoneSummerDesignGrainDifference REAL
);

-- Links to the supplied tables, rewritten by the program at every start.
CREATE TABLE MSysLinks (
    LinkName TEXT PRIMARY KEY COLLATE NOCASE,
    SourceDatabase TEXT,
    RemoteName TEXT
);

-- Saved queries over the linked tables. The program makes each one a TEMP VIEW named
-- QueryName on its connection once every link is reachable under its own name.
CREATE TABLE MSysQueries (
    QueryName TEXT PRIMARY KEY COLLATE NOCASE,
    QuerySQL TEXT
);

-- Every supplied and user climate once, most used first. UniqueID is the supplied ZoneID as
-- text, or "U" & ZoneID for a user climate; Source is "Supplied" or "User".
INSERT INTO MSysQueries (QueryName, QuerySQL) VALUES ('Climates by prevalence',
'SELECT z.ZoneID, z.ZoneState, z.ZoneCity, z.ZoneCountry, z.ZoneLBLClimateZone,
       z.ZoneWinterOutdoorDesignTemp, z.ZoneSummerOutdoorDesignTemp,
       z.ZoneSummerDesignGrainDifference, z.UniqueID, z.Source,
       (SELECT COUNT(*) FROM Clients AS c WHERE c.ZoneID = z.UniqueID) AS CountOfZoneID
FROM (SELECT ZoneID, ZoneState, ZoneCity, ZoneCountry, ZoneLBLClimateZone,
             ZoneWinterOutdoorDesignTemp, ZoneSummerOutdoorDesignTemp,
             ZoneSummerDesignGrainDifference,
             CAST(ZoneID AS TEXT) COLLATE NOCASE AS UniqueID, ''Supplied'' AS Source
      FROM Climates
      UNION ALL
      SELECT ZoneID, ZoneState, ZoneCity, ZoneCountry, ZoneLBLClimateZone,
             ZoneWinterOutdoorDesignTemp, ZoneSummerOutdoorDesignTemp,
             ZoneSummerDesignGrainDifference,
             (''U'' || ZoneID) COLLATE NOCASE, ''User''
      FROM UserClimates) AS z
ORDER BY CountOfZoneID DESC, z.ZoneState, z.ZoneCity, z.Source, z.ZoneID');

-- The saved tests with the text of their range, which the test list needs and the save does
-- not store. Use it in place of the table when listing a client's tests.
INSERT INTO MSysQueries (QueryName, QuerySQL) VALUES ('House Leakage Test List',
'SELECT t.*, r.RangeDropText AS RangeDropText
FROM [House Leakage Tests] AS t LEFT JOIN Ranges AS r ON r.rangeid = t.rangeid');

COMMIT;
PRAGMA user_version = 1;
