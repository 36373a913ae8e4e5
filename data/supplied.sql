-- Placeholder; replaced by the full supplied schema.
CREATE TABLE States (StateCode TEXT(2) COLLATE NOCASE PRIMARY KEY, StateName TEXT(50) COLLATE NOCASE);
