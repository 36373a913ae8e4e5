-- Supplied reference database (Ostrel7_supp.mdb), rebuilt by every build.
-- Run as: sqlite3 -bail Ostrel7_supp.mdb < supplied.sql   (working directory: data/)
-- Every ordinary table here is linked into the user database at start-up, so no table name
-- may begin with "Msys".

PRAGMA page_size = 4096;
BEGIN;

-- Design climates. UserClimates in the user database has the same columns.
CREATE TABLE Climates (
    ZoneID INTEGER PRIMARY KEY,
    ZoneState TEXT(50) COLLATE NOCASE,
    ZoneCity TEXT(50) COLLATE NOCASE,
    ZoneCountry TEXT(50) COLLATE NOCASE,
    ZoneLBLClimateZone INTEGER,                 -- LBL climate zone 1 to 4
    ZoneWinterOutdoorDesignTemp REAL,           -- deg F
    ZoneSummerOutdoorDesignTemp REAL,           -- deg F
    ZoneSummerDesignGrainDifference REAL        -- grains per pound of dry air
);

CREATE TABLE States (
    State TEXT(2) COLLATE NOCASE PRIMARY KEY,   -- two-letter code, as clients and climates store it
    StateName TEXT(50) COLLATE NOCASE
);

CREATE TABLE Cities (
    city TEXT(50) COLLATE NOCASE PRIMARY KEY
);

CREATE TABLE [Blower Models] (
    BlowerModelID INTEGER PRIMARY KEY,
    BlowerModelName TEXT(50) COLLATE NOCASE NOT NULL
);

-- One row per flow range of a blower model. Flow (cfm) of a fan pressure Pf at house pressure
-- Hp: (Pf - RangeK1 * Hp) ^ RangeN * (RangeK3 * Pf + RangeK) * RangeK4; the Reversed pair
-- replaces RangeK and RangeN when the fan runs the other way. RangeK2 is carried but unused.
-- The program keys its fixed rules on rangeid (1 and 12: 18 port; other ids below 13: 9 port;
-- 12: two fans; 13 and 24: flow measured directly); RangeFlowTube and RangeFanCount state the
-- same rules as data so that the table can be checked against them.
CREATE TABLE Ranges (
    rangeid INTEGER PRIMARY KEY,
    BlowerModelID INTEGER NOT NULL REFERENCES [Blower Models] (BlowerModelID),
    RangeDisplayOrder INTEGER NOT NULL,
    RangeDropText TEXT(50) COLLATE NOCASE NOT NULL,
    RangeK REAL NOT NULL,
    RangeKReversed REAL NOT NULL,
    RangeN REAL NOT NULL,
    RangeNReversed REAL NOT NULL,
    RangeK1 REAL NOT NULL DEFAULT 0,
    RangeK2 REAL NOT NULL DEFAULT 0,
    RangeK3 REAL NOT NULL DEFAULT 0,
    RangeK4 REAL NOT NULL DEFAULT 1,
    RangeFlowTube INTEGER,                      -- required tube port: 1 "18 Port", 0 "9 Port", NULL none
    RangeFanCount INTEGER NOT NULL DEFAULT 1    -- 1 or 2 blowers
);
-- The calculation finds a range again by its text, so texts must not repeat; the two
-- "flow measured directly" ranges share theirs and need no constants.
CREATE UNIQUE INDEX RangesByText ON Ranges (RangeDropText) WHERE rangeid NOT IN (13, 24);

-- Reference rows from the CSV files (header line skipped). Staging tables take the CSV as
-- text; the INSERTs give the values their types and drop the provenance column.
CREATE TABLE ImportClimates (
    ZoneID TEXT, ZoneState TEXT, ZoneCity TEXT, ZoneCountry TEXT, ZoneLBLClimateZone TEXT,
    ZoneWinterOutdoorDesignTemp TEXT, ZoneSummerOutdoorDesignTemp TEXT,
    ZoneSummerDesignGrainDifference TEXT, Source TEXT);
.import --csv --skip 1 climates.csv ImportClimates
INSERT INTO Climates
SELECT CAST(ZoneID AS INTEGER), ZoneState, ZoneCity, ZoneCountry,
       CAST(ZoneLBLClimateZone AS INTEGER), CAST(ZoneWinterOutdoorDesignTemp AS REAL),
       CAST(ZoneSummerOutdoorDesignTemp AS REAL), CAST(ZoneSummerDesignGrainDifference AS REAL)
FROM ImportClimates ORDER BY CAST(ZoneID AS INTEGER);
DROP TABLE ImportClimates;

CREATE TABLE ImportStates (code TEXT, name TEXT);
.import --csv --skip 1 states.csv ImportStates
-- Ordered by code: the state list shows the codes.
INSERT INTO States (State, StateName) SELECT code, name FROM ImportStates ORDER BY code;
DROP TABLE ImportStates;

CREATE TABLE ImportCities (city TEXT);
.import --csv --skip 1 cities.csv ImportCities
INSERT INTO Cities (city) SELECT city FROM ImportCities ORDER BY city;
DROP TABLE ImportCities;

-- Blower models and ranges. Only the ids, model membership and the texts of ranges 12, 13
-- and 24 are fixed; the names and constants are EXAMPLE CALIBRATIONS of our own, not any
-- real fan's. Model 2 is the default model; model 1 is the one with a flow tube port choice.
INSERT INTO [Blower Models] (BlowerModelID, BlowerModelName) VALUES
    (1, 'Example fan A (example calibration, tube ports)'),
    (2, 'Example fan B (example calibration)');

-- Constants: an open fan inlet works like a nozzle (RangeN about 0.5); each ring lowers
-- RangeK roughly with its open area; reversed flow is a few per cent lower. Range 12 keeps
-- the open fan's constants with RangeK1 = RangeK3 = 0, so two fans give the sum of their flows.
-- Ranges 13 and 24 pass the reading through (K 1, N 1); their flow is typed in anyway.
INSERT INTO Ranges (rangeid, BlowerModelID, RangeDisplayOrder, RangeDropText,
                    RangeK, RangeKReversed, RangeN, RangeNReversed,
                    RangeK1, RangeK2, RangeK3, RangeK4, RangeFlowTube, RangeFanCount) VALUES
    ( 1, 1, 1, 'A0  = (Example fan A, open)',     350.0, 336.0, 0.500, 0.500, 0, 0, 0,    1.00, 1,    1),
    ( 2, 1, 2, 'A1  = (Example fan A, ring 1)',   118.0, 113.0, 0.502, 0.503, 0, 0, 0.02, 1.00, 0,    1),
    ( 3, 1, 3, 'A2  = (Example fan A, ring 2)',    39.5,  38.0, 0.505, 0.506, 0, 0, 0,    1.00, 0,    1),
    ( 4, 1, 4, 'A3  = (Example fan A, ring 3)',    12.2,  11.7, 0.510, 0.512, 0, 0, 0,    0.98, 0,    1),
    (12, 1, 5, '36  = (2 blowers, plates off)',   350.0, 336.0, 0.500, 0.500, 0, 0, 0,    1.00, 1,    2),
    (13, 1, 6, 'CFM  = (Flow measured directly)',   1.0,   1.0, 1.000, 1.000, 0, 0, 0,    1.00, NULL, 1),
    (14, 2, 1, 'B0  = (Example fan B, open)',     285.0, 274.0, 0.500, 0.500, 0, 0, 0,    1.00, NULL, 1),
    (15, 2, 2, 'B1  = (Example fan B, ring 1)',    95.0,  91.0, 0.503, 0.504, 0, 0, 0,    1.00, NULL, 1),
    (16, 2, 3, 'B2  = (Example fan B, ring 2)',    30.5,  29.3, 0.507, 0.508, 0, 0, 0,    1.00, NULL, 1),
    (17, 2, 4, 'B3  = (Example fan B, ring 3)',     9.6,   9.2, 0.512, 0.514, 0, 0, 0,    0.99, NULL, 1),
    (24, 2, 5, 'CFM  = (Flow measured directly)',   1.0,   1.0, 1.000, 1.000, 0, 0, 0,    1.00, NULL, 1);

COMMIT;
VACUUM;
