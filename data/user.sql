-- Placeholder; replaced by the full user schema.
CREATE TABLE Settings (SettingName TEXT(50) COLLATE NOCASE, SettingValue TEXT(255) COLLATE NOCASE);
PRAGMA user_version = 1;
